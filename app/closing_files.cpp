#include "app/closing_files.h"

#include "planning/race_options.h"
#include "results/heat_result_files.h"

namespace ksy {

void writeClosedHeatDetail(const WorkFolder& folder, RunEntryTable& liveSlots, Prompts& prompts)
{
    // No heat is shown at the end: the file gets the default ranking keyword.
    if (!writeEmptyHeatDetail(folder, liveSlots, keyword(RankingMode::LapsThenTime)))
        prompts.error(std::string(kHeatDetailError));
}

} // namespace ksy
