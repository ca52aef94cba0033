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

std::optional<std::int32_t> lapDuration(std::int32_t before, std::int32_t end, bool firstLap)
{
    if (end <= 0 || (!firstLap && before <= 0) || end <= before)
        return std::nullopt;
    return end - before;
}

std::optional<std::int32_t> lapDuration(const LapTable& totals, int lap)
{
    if (lap < 1 || lap >= kLapCells)
        return std::nullopt;
    return lapDuration(
        totals[static_cast<std::size_t>(lap - 1)], totals[static_cast<std::size_t>(lap)], lap == 1);
}

std::int32_t recomputeBestLap(const RunEntry& entry, bool staggeredStart)
{
    const int first = staggeredStart ? 1 : 2;
    std::int32_t best = 0;
    for (int n = first; n <= entry.laps && n < kLapCells; ++n) {
        const std::optional<std::int32_t> lap = lapDuration(entry.lapTotals, n);
        if (lap && (best == 0 || *lap < best))
            best = *lap;
    }
    return best;
}

} // namespace ksy
