#include "app/closing_files.h"

#include "planning/race_options.h"
#include "results/heat_result_files.h"
#include "timing/run_entry.h"

namespace ksy {

void writeClosedHeatDetail(const WorkFolder& folder, Prompts& prompts)
{
    RunEntryTable emptied;
    if (!writeEmptyHeatDetail(folder, emptied, keyword(RankingMode::LapsThenTime)))
        prompts.error(std::string(kHeatDetailError));
}

} // namespace ksy
