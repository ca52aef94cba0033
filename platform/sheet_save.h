#pragma once
// A table saved as a spreadsheet under a name asked through the program's
// file chooser (a scripted run answers it like any other file dialog):
// ".xlsx" or ".csv" as the name ends, ".xlsx" added when it ends otherwise.
#include "services/file_chooser.h"
#include "services/prompts.h"
#include "storage/sheets/sheet_writer.h"

#include <string>

namespace ksy {

// The filter of every spreadsheet save: "Classeur (.xlsx .csv)".
FileFilter sheetSaveFilter();

// True when written; a file that cannot be written shows its box.
bool saveSheetAs(
    const OutSheet& sheet, FileChooser& files, Prompts& prompts, const std::string& presetName);

// Where the PDF of that name would be proposed, with ".xlsx" (UTF-8).
std::string proposedSheetNamed(const std::string& baseNameUtf8);

} // namespace ksy
