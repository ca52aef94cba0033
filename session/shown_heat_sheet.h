#pragma once
// The result sheet of the heat a run holds, as the window prints it and the
// command line saves it: the standings prepared for the sheet, the heat's
// headings and texts, the race's and course's names from the race file.
#include "results/heat_sheet.h"
#include "session/heat_session.h"
#include "storage/work_folder.h"
#include "timing/heat_run.h"

#include <string>

namespace ksy {

HeatSheet shownHeatSheet(const HeatRun& run, const HeatSession& session, const WorkFolder& folder);

// "Classe 5 - Manche1 - Série2" (UTF-8): the files of one heat's sheet are
// named after it, so that one never replaces another's.
std::string heatSheetFileName(const HeatHeadings& headings);

} // namespace ksy
