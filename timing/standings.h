#pragma once
// The running order of the heat, rebuilt from the run entries after every
// accepted passing and when a heat is loaded, cleared or stopped, with the
// gaps and the texts that the live board draws.
#include "race/race_options.h"
#include "race/run_entry.h"

#include <array>
#include <cstdint>
#include <string>

namespace ksy {

struct StandingRow {
    std::string pilotName;
    std::string transponder;
    std::int32_t number = 0; // slot 1..20
    std::int32_t passingCount = 0;
    std::int32_t totalTime = 0;
    std::int32_t bestLap = 0;
    std::int32_t laps = 0;
    std::int32_t totalAtLastLap = 0;
    std::int32_t recomputedBestLap = 0;
    std::int32_t lastLap = 0;
    std::int32_t lapsBehindLeader = 0;
    std::int32_t gapToLeader = 0;
    std::int32_t lapsBehindPrevious = 0;
    std::int32_t gapToPrevious = 0;
    bool finished = false;
    bool changed = false;
    bool newPersonalBest = false;
    bool holdsHeatBest = false;
};

// The text form of a row, in the board's column order.
struct BoardRow {
    std::string name;
    std::string transponder;
    std::string place; // "%d"
    std::string slotNumber; // " %d "
    std::string passingCount;
    std::string totalTime;
    std::string lastLap;
    std::string bestLap;
    std::string gapToLeader;
    std::string gapToPrevious;
    std::string laps;
    std::string totalAtLastLap;
    std::string recomputedBestLap;
    bool finished = false;
    bool changed = false;
    bool newPersonalBest = false;
    bool holdsHeatBest = false;
};

struct Standings {
    // Only the first `count` rows are meaningful: one per slot with a pilot.
    int count = 0;
    std::array<StandingRow, kSlotCount> rows {};
    std::array<BoardRow, kSlotCount> board {};

    const StandingRow& leader() const { return rows[0]; }
};

// Ordering, gaps and texts, in that order. Writes the place of every entry
// whose `changed` flag is set into its lapPositions cell for its current lap.
void computeStandings(RunEntryTable& table, RankingMode mode, Standings& out);

// The two halves of computeStandings: the order with its gaps, then the texts.
void orderStandings(RunEntryTable& table, RankingMode mode, Standings& out);
void formatBoard(Standings& out);

// Marks every row finished (a stopped heat).
void markAllFinished(Standings& standings);

} // namespace ksy
