#pragma once
// The ranking of one round of a category: every pilot's heat result, ranked
// by laps and total time or by best lap, with points for each place. Low
// points are good; the global ranking adds them up over the rounds.
#include "race/race_options.h"

#include <array>
#include <string>
#include <vector>

namespace ksy {

// The capacity of the heat plan: as many rows as a round can gather.
inline constexpr int kRoundRankingRows = 220;
// Times of a row without pilot: after every pilot in both orders.
inline constexpr int kNoResultTime = 1500000000;
// What a missing total time or best lap of a pilot counts as while sorting:
// after every real time, before the rows without pilot.
inline constexpr int kMissingTime = 1400000000;
// The points of a place of a round that was not run, and of a round that
// gave a pilot nothing; real points are capped just below.
inline constexpr int kNoPoints = 1000;
inline constexpr int kMaxPoints = 999;

struct RoundRankingEntry {
    std::string name; // Windows-1252; empty for a row without pilot
    int laps = 0; // the slot's passing count, a correction by hand included
    int totalTime = kNoResultTime; // ms; 0 for a pilot without laps
    int bestLap = kNoResultTime; // ms; 0 when none
    int points = kNoPoints;

    bool hasPilot() const { return !name.empty(); }
    // Whether the row holds a run (0 and kNoResultTime both mean none).
    bool hasResult() const;
    bool operator==(const RoundRankingEntry&) const = default;
};

using RoundRankingRows = std::vector<RoundRankingEntry>;

// The 220 rows of an empty round.
RoundRankingRows emptyRoundRankingRows();

// The points of the first place, then the gaps 1st/2nd .. 4th/5th and the gap
// of every later place.
struct PointsScale {
    static constexpr int kCount = 6;
    std::array<int, kCount> values {0, 2, 1, 1, 1, 1};

    // The digits its edit takes: 3 for the first place, 2 for the gaps.
    static constexpr int digits(int i) { return i == 0 ? 3 : 2; }
    bool operator==(const PointsScale&) const = default;
};

// Ranks the rows in place: the best remaining row is taken place after
// place; on a full tie the row standing later in the table goes first.
// Pilots without laps or without a best lap count with kMissingTime while
// sorting and get their 0 back.
void sortRoundRanking(RoundRankingRows& rows, RankingMode criterion);

// The points of places 1..places of sorted rows: the scale, shared points on
// a tie with the place before, capped at 999; 1000 for every place when
// none of them holds a result.
void computeRoundPoints(
    RoundRankingRows& rows, int places, RankingMode criterion, const PointsScale& scale);

} // namespace ksy
