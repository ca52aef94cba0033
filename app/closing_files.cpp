#include "app/closing_files.h"

#include "race/race_options.h"
#include "race/run_entry.h"
#include "timing/heat_result_files.h"

namespace ksy {

void writeClosedHeatDetail(const WorkFolder& folder, Prompts& prompts)
{
    RunEntryTable emptied;
    if (!writeEmptyHeatDetail(folder, emptied, keyword(RankingMode::LapsThenTime)))
        prompts.error(std::string(kHeatDetailError));
}

} // namespace ksy
