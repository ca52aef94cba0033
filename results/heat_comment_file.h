#pragma once
// "CommentaireSerie.res": the track condition and comment of the shown heat,
// handed to the comment dialog and read back when it closes. One line:
// condition, TAB, comment, TAB, LF.
#include "results/heat_result_section.h"
#include "services/translate.h"
#include "storage/work_folder.h"

#include <string>
#include <string_view>

namespace ksy {

inline constexpr std::string_view kHeatCommentFile = "CommentaireSerie.res";
inline constexpr std::string_view kHeatCommentError =
    KSY_TRANSLATE_NOOP("Results", "Erreur: impossible d'ouvrir le fichier Commentaire série");

std::string formatHeatComment(std::string_view condition, std::string_view comment);

// False when the file cannot be created.
bool writeHeatComment(
    const WorkFolder& folder, std::string_view condition, std::string_view comment);

// Reads the condition and the comment (each up to its TAB, bounded by the
// widths of HeatResultTexts). False when the file cannot be opened: the texts
// then keep what they held, so that a vanished file loses no comment.
bool readHeatComment(const WorkFolder& folder, std::string& condition, std::string& comment);

} // namespace ksy
