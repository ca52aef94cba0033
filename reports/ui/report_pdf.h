#pragma once
// A report saved as PDF under a name asked through the program's file
// chooser (a scripted run answers it like any other file dialog).
#include "reports/report_frame.h"
#include "services/file_chooser.h"
#include "services/prompts.h"
#include "storage/work_folder.h"

#include <string>

namespace ksy {

// ".pdf" is added when the name lacks it. True when written; a file that
// cannot be written shows its box.
bool saveReportPdf(const ReportDocument& doc, const WorkFolder& folder, FileChooser& files,
    Prompts& prompts, const std::string& presetName);

} // namespace ksy
