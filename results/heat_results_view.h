#pragma once
// The heat results view: the passing times, lap times and positions of every
// pilot of a heat, lap by lap, read from "DetailResultats.res". Positions are
// ranked over the 20 slots of the file before the slots without a pilot are
// squeezed out, so that a slot's place in the heat decides equal times.
#include "results/scroll_range.h"
#include "services/canvas.h"
#include "timing/heat_result_files.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ksy {

// Sort value of a slot that has no passing for a lap.
inline constexpr std::int32_t kNoLapValue = 1500000000;

struct HeatResultsPilot {
    std::string name; // Windows-1252
    int fileSlot = 0; // 1-based place in the heat (the file's slot line)
    int passingCount = 0;
    // Index i is lap i + 1. A lap counted without a recorded passing (a count
    // raised by hand) has passing time 0 and lap time 0, as has the lap after
    // it: no real lap lasts 0 ms.
    std::array<std::int32_t, kMaxLaps> passingTimes {};
    std::array<std::int32_t, kMaxLaps> lapTimes {};
    std::array<std::int32_t, kMaxLaps> positions {};

    bool hasLap(int index) const { return index >= 0 && index < passingCount; }
    // A counted lap whose passing time was recorded.
    bool hasTime(int index) const
    {
        return hasLap(index) && passingTimes[static_cast<std::size_t>(index)] > 0;
    }
};

// What a cell shows for a lap that was counted but has no recorded time.
inline constexpr std::string_view kNoTimeText = "\xE2\x80\x94"; // "—"

struct HeatResultsTable {
    std::string rankingMode; // keyword of the file's first line
    std::array<HeatResultsPilot, kSlotCount> pilots {}; // pilots first, in file order
    int pilotCount = 0; // p
    int maxPassings = 0; // m
};

HeatResultsTable buildHeatResults(const HeatDetail& detail);

enum class HeatResultsMode { Passings, LapTimes, Positions };

// The dialog's state: the table, the view chosen by the radio buttons and the
// two scroll bars (laps vertically, pilots horizontally).
class HeatResultsView {
public:
    static constexpr int kVisibleLaps = 20;
    static constexpr int kVisiblePilots = 10;
    static constexpr int kChartLaps = 10;

    explicit HeatResultsView(HeatResultsTable table);

    const HeatResultsTable& table() const { return table_; }
    HeatResultsMode mode() const { return mode_; }
    void setMode(HeatResultsMode mode) { mode_ = mode; }
    ScrollRange& laps() { return laps_; }
    const ScrollRange& laps() const { return laps_; }
    ScrollRange& pilots() { return pilots_; }
    const ScrollRange& pilots() const { return pilots_; }
    int visibleColumns() const;
    // The positions chart is drawn only for a heat ranked by laps and time
    // with more than one pilot.
    bool chartDrawn() const;

private:
    HeatResultsTable table_;
    HeatResultsMode mode_ = HeatResultsMode::Passings;
    ScrollRange laps_;
    ScrollRange pilots_;
};

// The colour of the pilot drawn in row `row` (0-based) of the table.
Colour pilotColour(int row);

// The cell of pilot `pilot` for lap index `lap` in the mode, in the lap
// format; empty when the pilot did not complete that lap, kNoTimeText when the
// lap was counted without a time for it. Positions are given for every lap.
std::string heatResultsCell(
    const HeatResultsTable& table, int pilot, int lap, HeatResultsMode mode);

// Lines "i<TAB>cell<TAB>cell..." for laps 1..m (the command-line form).
std::string heatResultsText(const HeatResultsTable& table, HeatResultsMode mode);

} // namespace ksy
