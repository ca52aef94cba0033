#pragma once
// Opening the ranking dialogs for a race-tree item: "Classement M%d" opens
// the round ranking of that round, "Classement Global" the global ranking of
// the item's category. Printing goes through the printer dialog, the export
// through the save dialog of every text export.
#include "services/file_chooser.h"
#include "services/prompts.h"
#include "storage/work_folder.h"

#include <string>

class QWidget;

namespace ksy {

// code: the item's selection code (10000 x category + 3950 + round, or
// 10000 x category + 3990). Nothing opens for any other code.
void runRoundRankingDialog(
    QWidget* parent, const WorkFolder& folder, int code, Prompts& prompts, FileChooser& files);
void runGlobalRankingDialog(
    QWidget* parent, const WorkFolder& folder, int code, Prompts& prompts, FileChooser& files);

// The save dialog starts in the documents folder's "KESTRAMETRIX" (made when
// missing) with the pattern "*.txt".
std::string rankingExportPreset();

} // namespace ksy
