#pragma once
// Files the main window writes when it is destroyed. Kept apart from the Qt
// code: the result file header has a member named like a Qt keyword.
#include "services/prompts.h"
#include "storage/work_folder.h"

namespace ksy {

// "DetailResultats.res" is left with the 20 slots empty ("(NA)", no
// passing); a failure is shown as an "Erreur" box.
void writeClosedHeatDetail(const WorkFolder& folder, Prompts& prompts);

} // namespace ksy
