#pragma once
// The text export of the rankings: one save dialog for every export, the
// ".txt" the name gets when it has none, and the writing of the lines.
#include "services/file_chooser.h"
#include "services/prompts.h"
#include "services/translate.h"

#include <optional>
#include <string>
#include <string_view>

namespace ksy {

inline constexpr std::string_view kExportFailed =
    KSY_TRANSLATE_NOOP("Reports", "Erreur: la sauvegarde a échoué");

// The save dialog's filter: "Fichier texte (.txt)", "*.txt".
FileFilter exportFileFilter();

// The name the save dialog starts with: "C:\KESTRAMETRIX\*.txt" on Windows;
// elsewhere the folder KESTRAMETRIX of the given home folder (UTF-8).
std::string exportPresetName(std::string_view homeFolder);

// The file to write for what the dialog returned: nothing when it was
// cancelled or the name still holds the pattern (the preset left as it was,
// or any name with a wildcard); ".txt" appended when "txt" appears nowhere.
std::optional<std::string> exportFileName(
    const std::optional<std::string>& chosen, std::string_view preset);

// Writes the export (bytes as given, lines ended by LF) over the file.
// False, after "Erreur: la sauvegarde a échoué", when it cannot be created.
bool writeExportFile(const std::string& fileUtf8, std::string_view content, Prompts& prompts);

// The whole export: dialog, name rule, writing. True when a file was written.
bool exportText(
    FileChooser& chooser, Prompts& prompts, std::string_view preset, std::string_view content);

} // namespace ksy
