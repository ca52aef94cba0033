#include "race/run_entry.h"

namespace ksy {

int RunEntryTable::pilotCount() const
{
    int n = 0;
    for (const auto& e : slots)
        n += e.isEmptySlot() ? 0 : 1;
    return n;
}

bool RunEntryTable::hasResults() const
{
    for (const auto& e : slots)
        if (e.hasResults())
            return true;
    return false;
}

void resetRunData(RunEntryTable& table)
{
    for (int k = 1; k <= kSlotCount; ++k) {
        RunEntry& e = table.slot(k);
        RunEntry fresh;
        fresh.pilotName = std::move(e.pilotName);
        fresh.transponder = std::move(e.transponder);
        fresh.number = k;
        if (fresh.isEmptySlot()) {
            fresh.finished = true;
            fresh.totalTime = kNoPilotTime;
            fresh.bestLap = kNoPilotTime;
            fresh.lapTotals.fill(kNoPilotTime);
        }
        e = std::move(fresh);
    }
}

void clearToEmptySlots(RunEntryTable& table)
{
    for (auto& e : table.slots) {
        e = RunEntry {};
        e.pilotName = std::string(kEmptySlotName);
    }
}

std::int32_t recomputeBestLap(const RunEntry& entry, bool staggeredStart)
{
    const int first = staggeredStart ? 1 : 2;
    std::int32_t best = 0;
    for (int n = first; n <= entry.laps && n < kLapCells; ++n) {
        const std::int32_t lap = entry.lapTotals[static_cast<std::size_t>(n)] -
            entry.lapTotals[static_cast<std::size_t>(n - 1)];
        if (best == 0 || lap < best)
            best = lap;
    }
    return best;
}

} // namespace ksy
