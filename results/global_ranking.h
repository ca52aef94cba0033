#pragma once
// The ranking of a category over all its rounds, from the points of the
// stored round rankings: the sum of each participant's N best rounds, then
// his best round, his next best rounds, and his best run or best lap.
#include "results/ranking_sections.h"
#include "results/round_ranking.h"
#include "storage/race_model.h"

#include <array>
#include <string>
#include <vector>

namespace ksy {

inline constexpr int kGlobalRankingEntries = 200;

struct RoundPoints {
    int points = kNoPoints;
    int round = 0; // 1-based; 0 until a round ranking gives the pilot points
    bool operator==(const RoundPoints&) const = default;
};
struct RoundRun {
    int laps = 0;
    int totalTime = 0; // ms
    int round = 0;
    bool operator==(const RoundRun&) const = default;
};
struct RoundBestLap {
    int bestLap = 0; // ms
    int round = 0;
    bool operator==(const RoundBestLap&) const = default;
};

struct GlobalRankingEntry {
    std::string name; // Windows-1252, from the participant list
    int sum = 0; // points of the N best rounds
    // One element per round; once sorted, each list starts with the pilot's
    // best round for it and the three lists no longer follow one another.
    std::array<RoundPoints, kMaxRounds> points {};
    std::array<RoundRun, kMaxRounds> runs {};
    std::array<RoundBestLap, kMaxRounds> bestLaps {};

    // A round ranking gave him points (his best round is below 1000).
    bool hasPoints() const { return points[0].points <= kMaxPoints; }
    // His best round holds a run.
    bool hasResult() const;
    bool operator==(const GlobalRankingEntry&) const = default;
};

using GlobalRankingEntries = std::vector<GlobalRankingEntry>;

// Puts the values of one stored round ranking into the entries of the same
// name, as their round `round` (1..9). A row without pilot gives nothing; of
// participants sharing a name, the first not yet served takes the row.
void addRoundRanking(GlobalRankingEntries& entries, int round, const RoundRankingRows& rows);

// Sorts each entry's three lists, the best round first; of equal values the
// later round goes first.
void sortRoundLists(GlobalRankingEntry& entry);

// The sums of the N best rounds (a round without points adds 0).
void computeSums(GlobalRankingEntries& entries, int bestRounds);

// Ranks entries 1..n in place. A participant without points in any round
// goes after every participant with points; then smaller sum, better best
// round, better following rounds, the tie criterion; on a full tie the entry
// standing later in the table goes first.
void rankGlobal(GlobalRankingEntries& entries, int n, RankingMode tie);

} // namespace ksy
