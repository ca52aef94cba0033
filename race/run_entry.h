#pragma once
// The 20 slots of the heat being run or looked at: who is in each slot, which
// transponder they carry, and every lap they have done.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ksy {

inline constexpr int kSlotCount = 20;
inline constexpr int kMaxLaps = 150;
inline constexpr int kLapCells = kMaxLaps + 1; // cell 0 is the start reference
inline constexpr std::string_view kEmptySlotName = "(NA)";

// Sort keys that put a slot behind every real one (see the standings).
inline constexpr std::int32_t kNoPilotTime = 1500000000;
inline constexpr std::int32_t kNoHeatBestLap = 1000000000;

using LapTable = std::array<std::int32_t, kLapCells>;

struct RunEntry {
    std::string pilotName; // Windows-1252, at most 39 bytes; "(NA)" for no pilot
    std::string transponder; // "%06d", matched against passings
    std::int32_t number = 0; // slot number 1..20
    std::int32_t passingCount = 0;
    std::int32_t totalTime = 0; // last accepted passing, from this entry's own start
    std::int32_t bestLap = 0; // 0 = none yet
    std::int32_t laps = 0;
    LapTable lapTotals {}; // cell n: totalTime at the end of lap n
    LapTable lapTimes {}; // cell n: duration of lap n
    LapTable lapPositions {}; // cell n: place right after lap n
    std::int32_t recomputedBestLap = 0;
    bool finished = false;
    bool changed = false; // a lap was recorded and not yet drawn
    bool newPersonalBest = false;
    bool holdsHeatBest = false;
    bool scanned = false;
    std::int32_t ownStart = 0; // staggered start: passing time of the own start
    std::int64_t rawCounter = 0; // counter of the last host-stamped passing
    std::int64_t passingTime = 0; // current passing, since the heat's start reference
    std::int32_t sinceLastPassing = 0;

    bool isEmptySlot() const { return pilotName == kEmptySlotName; }
    bool hasResults() const
    {
        return !isEmptySlot() && (laps != 0 || passingCount != 0 || totalTime != 0 || bestLap != 0);
    }
};

struct RunEntryTable {
    std::array<RunEntry, kSlotCount> slots {};

    // Slots are numbered 1..20 as the buttons are.
    RunEntry& slot(int number) { return slots[static_cast<std::size_t>(number - 1)]; }
    const RunEntry& slot(int number) const { return slots[static_cast<std::size_t>(number - 1)]; }

    // Counts the slots that hold a pilot.
    int pilotCount() const;
    bool hasResults() const;
};

// Clears the run data of every slot and keeps names and transponders. A slot
// without a pilot is finished from the start and carries times that sort it
// last, so that it never holds up the end of the heat.
void resetRunData(RunEntryTable& table);

// Clears everything, names included, and marks every slot "(NA)".
void clearToEmptySlots(RunEntryTable& table);

// The duration of a lap from the passing that ended the lap before it (the
// start reference when `firstLap`) and the passing that ended it: nothing
// when either passing has no recorded time (a count raised by hand beyond the
// passings read, a count lowered and stored without the later totals), so
// that no view ever shows or counts a lap time of zero or below.
std::optional<std::int32_t> lapDuration(std::int32_t before, std::int32_t end, bool firstLap);
// Lap n (1..150) of a lap totals table.
std::optional<std::int32_t> lapDuration(const LapTable& totals, int lap);

// Best lap recomputed from the lap totals, for the printed sheet: the smallest
// difference between consecutive totals from lap 2 on (from lap 1 after a
// staggered start, whose cell 0 is the own start), over the laps that have a
// recorded time; 0 when there is none.
std::int32_t recomputeBestLap(const RunEntry& entry, bool staggeredStart);

} // namespace ksy
