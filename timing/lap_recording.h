#pragma once
// What one accepted passing does to the heat: the lap and best-lap
// bookkeeping, the heat's best lap, the track's lap record and the finishing
// rules of the race options. The heat run (timing/heat_run.h) decides which
// passings are accepted and plays the sounds.
#include "race/race_options.h"
#include "race/run_entry.h"
#include "timing/standings.h"

#include <cstdint>
#include <string>

namespace ksy {

// The lap record of the race's track, when the track is one of the course
// database's entries.
struct TrackRecord {
    bool inDatabase = false;
    std::int32_t recordMs = 0; // 0 = no record yet
    std::string holder; // a pilot name (Windows-1252)
    std::string recordText; // the record in the short time form
    bool improved = false; // set when a lap of this heat beat it
};

// Whether a passing that comes `sinceLastPassing` ms after the entry's last
// accepted one counts: always for the first crossing of a simultaneous start,
// otherwise only beyond the lap protection time.
bool passesLapProtection(const RunEntry& entry, std::int32_t protectionMs);

// Counts the lap of the passing stored in entry.passingTime and
// entry.sinceLastPassing. In a staggered start the entry's first passing is
// its own start and counts no lap.
void recordLap(RunEntry& entry, StartType start);

// Gives the heat's best lap to the entry if it beats the current one (a tie
// leaves the earlier holder).
void updateHeatBest(RunEntryTable& table, int slot, std::int32_t& heatBestLap);

// A heat read back from the race file was stopped when it was stored: every
// slot is finished, and the best-lap marks are worked out again from the lap
// totals kept with it (the heat's best goes to whoever set it first).
void restoreStoredMarks(RunEntryTable& table, StartType start);

// The slots of a heat as the board takes them when the heat is selected: a
// heat without results is made ready for a run; a stored result keeps its
// values, its slots without a pilot get the sort keys that put them after
// every pilot (a pilot without a lap included) and its marks are restored.
// The board, the printed sheet and the published pages rank what this gives.
void prepareLoadedHeat(RunEntryTable& table, StartType start);

// Takes the track's lap record if the entry's best lap beats it.
void updateTrackRecord(const RunEntry& entry, TrackRecord& track);

enum class FinishCause {
    None, // the entry goes on
    Rule, // finished by the end rule: its finish is announced
    LapLimit, // target laps reached: the end of the heat announces it
};

struct FinishOutcome {
    FinishCause cause = FinishCause::None;
    bool stopHeat = false; // 150 laps in a timed heat, or target laps with an immediate stop
};

// The finishing rules, in their order, after the lap of `slot` was recorded.
// Reorders the standings (the sand-yacht finish needs the new leader); the
// caller rebuilds their texts.
FinishOutcome applyFinishingRules(
    RunEntryTable& table, int slot, const RaceOptions& options, Standings& standings);

} // namespace ksy
