#pragma once
// Files the main window writes when it is destroyed. Kept apart from the Qt
// code: the result file header has a member named like a Qt keyword.
#include "services/prompts.h"
#include "storage/work_folder.h"
#include "timing/run_entry.h"

namespace ksy {

// The live heat's 20 slots become "(NA)" without passings and are written to
// "DetailResultats.res"; a failure is shown as an "Erreur" box.
void writeClosedHeatDetail(const WorkFolder& folder, RunEntryTable& liveSlots, Prompts& prompts);

} // namespace ksy
