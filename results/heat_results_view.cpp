#include "results/heat_results_view.h"

#include "timing/time_format.h"

#include <algorithm>

namespace ksy {
namespace {

// The value a slot is ranked by at lap index i: its passing time, or the
// sentinel when it has no passing at all or did not complete that lap.
std::int32_t rankValue(const HeatDetail::Slot& slot, int i)
{
    const std::int32_t t = slot.passingTimes[static_cast<std::size_t>(i)];
    // A lap counted by hand without a passing is not completed either, the
    // first one included.
    if (slot.passingCount == 0 || t <= 0)
        return kNoLapValue;
    return t;
}

// positions[slot][i] over the 20 slots of the file: the smallest value
// first; on equal values the later slot is taken first.
using SlotPositions = std::array<std::array<std::int32_t, kMaxLaps>, kSlotCount>;

void rankSlots(const HeatDetail& detail, SlotPositions& positions)
{
    for (int i = 0; i < kMaxLaps; ++i) {
        std::array<bool, kSlotCount> ranked {};
        for (int rank = 1; rank <= kSlotCount; ++rank) {
            int chosen = -1;
            std::int32_t best = 0;
            for (int s = 0; s < kSlotCount; ++s) {
                if (ranked[static_cast<std::size_t>(s)])
                    continue;
                const std::int32_t v = rankValue(detail.slots[static_cast<std::size_t>(s)], i);
                if (chosen < 0 || v <= best) {
                    chosen = s;
                    best = v;
                }
            }
            ranked[static_cast<std::size_t>(chosen)] = true;
            positions[static_cast<std::size_t>(chosen)][static_cast<std::size_t>(i)] = rank;
        }
    }
}

} // namespace

HeatResultsTable buildHeatResults(const HeatDetail& detail)
{
    SlotPositions positions {};
    rankSlots(detail, positions);

    HeatResultsTable table;
    table.rankingMode = detail.rankingMode;
    int p = 0;
    for (int s = 0; s < kSlotCount; ++s) {
        const HeatDetail::Slot& slot = detail.slots[static_cast<std::size_t>(s)];
        // A line missing from a cut file is no pilot either.
        if (slot.name == kEmptySlotName || slot.name.empty())
            continue;
        HeatResultsPilot& pilot = table.pilots[static_cast<std::size_t>(p++)];
        pilot.name = slot.name;
        pilot.fileSlot = s + 1;
        pilot.passingCount = std::clamp(slot.passingCount, 0, kMaxLaps);
        pilot.passingTimes = slot.passingTimes;
        pilot.positions = positions[static_cast<std::size_t>(s)];
        for (int i = 0; i < pilot.passingCount; ++i) {
            const auto k = static_cast<std::size_t>(i);
            pilot.lapTimes[k] =
                lapDuration(i == 0 ? 0 : slot.passingTimes[k - 1], slot.passingTimes[k], i == 0)
                    .value_or(0);
        }
    }
    table.pilotCount = p;
    for (int k = p; k < kSlotCount; ++k)
        table.pilots[static_cast<std::size_t>(k)].name = std::string(kEmptySlotName);
    for (const HeatResultsPilot& pilot : table.pilots)
        table.maxPassings = std::max(table.maxPassings, pilot.passingCount);
    return table;
}

HeatResultsView::HeatResultsView(HeatResultsTable table)
    : table_(std::move(table))
    , laps_(ScrollRange::of(table_.maxPassings, kVisibleLaps, kVisibleLaps - 1))
    , pilots_(ScrollRange::of(table_.pilotCount, kVisiblePilots + 1, kVisiblePilots))
{
}

int HeatResultsView::visibleColumns() const
{
    return std::min(table_.pilotCount, kVisiblePilots);
}

bool HeatResultsView::chartDrawn() const
{
    return table_.rankingMode == "CLASSEMENTToursTemps" && table_.pilotCount > 1;
}

Colour pilotColour(int row)
{
    static constexpr Colour colours[kSlotCount] = {rgb(160, 5, 255), rgb(5, 160, 0),
        rgb(55, 90, 195), rgb(225, 5, 15), rgb(140, 95, 0), rgb(0, 0, 0), rgb(170, 5, 150),
        rgb(255, 100, 0), rgb(225, 230, 30), rgb(170, 170, 170), rgb(85, 135, 0), rgb(165, 235, 50),
        rgb(70, 220, 255), rgb(255, 60, 70), rgb(225, 160, 0), rgb(255, 105, 250),
        rgb(255, 160, 80), rgb(205, 135, 255), rgb(200, 200, 200), rgb(180, 200, 0)};
    return colours[static_cast<std::size_t>(std::clamp(row, 0, kSlotCount - 1))];
}

std::string heatResultsCell(const HeatResultsTable& table, int pilot, int lap, HeatResultsMode mode)
{
    if (pilot < 0 || pilot >= kSlotCount || lap < 0 || lap >= kMaxLaps)
        return {};
    const HeatResultsPilot& p = table.pilots[static_cast<std::size_t>(pilot)];
    const auto i = static_cast<std::size_t>(lap);
    switch (mode) {
    case HeatResultsMode::Passings:
        if (!p.hasLap(lap))
            return {};
        return p.hasTime(lap) ? formatShortTime(p.passingTimes[i]) : std::string(kNoTimeText);
    case HeatResultsMode::LapTimes:
        if (!p.hasLap(lap))
            return {};
        return p.lapTimes[i] > 0 ? formatShortTime(p.lapTimes[i]) : std::string(kNoTimeText);
    case HeatResultsMode::Positions:
        return std::to_string(p.positions[i]);
    }
    return {};
}

std::string heatResultsText(const HeatResultsTable& table, HeatResultsMode mode)
{
    std::string out;
    for (int lap = 0; lap < table.maxPassings; ++lap) {
        out += std::to_string(lap + 1);
        for (int pilot = 0; pilot < table.pilotCount; ++pilot) {
            out += '\t';
            out += heatResultsCell(table, pilot, lap, mode);
        }
        out += '\n';
    }
    return out;
}

} // namespace ksy
