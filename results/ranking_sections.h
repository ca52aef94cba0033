#pragma once
// The stored rankings of a category in the race file. "Catégorie%dM%dClassement"
// keeps a round's criterion, points scale and ranked rows (name, laps, total
// time, best lap, points); the global ranking reads those rows by name.
// "Catégorie%dClassementFinalQualifs" keeps the global ranking's tie keyword,
// its number of best rounds and the names in ranked order. Both are rewritten
// in place with their reserves of 35 x n + 24 and 22 x n + 15 pairs, n being
// the category's participant count.
#include "results/round_ranking.h"
#include "services/prompts.h"
#include "storage/section_file.h"

#include <filesystem>
#include <string>
#include <vector>

namespace ksy {

inline constexpr int kDefaultBestRounds = 1;
inline constexpr int kMaxBestRounds = 9;

struct StoredRoundRanking {
    RankingMode criterion = RankingMode::LapsThenTime;
    PointsScale scale;
    RoundRankingRows rows; // the n stored rows in ranked order
};

struct StoredGlobalRanking {
    RankingMode tie = RankingMode::LapsThenTime; // criterion 4
    int bestRounds = kDefaultBestRounds; // N, 0..9
    std::vector<std::string> names; // the n names in ranked order (Windows-1252)
};

enum class StoredRankingRead {
    Ok,
    Absent, // no such section: the destination is untouched
    CannotOpen,
};

// Line 1 (criterion keyword and the six scale values), then rows 1..n.
std::string formatRoundRankingBody(
    RankingMode criterion, const PointsScale& scale, const RoundRankingRows& rows, int n);
// Line 1 (tie keyword and N), then the n names.
std::string formatGlobalRankingBody(const StoredGlobalRanking& ranking);

// Reads line 1 and n rows. A keyword other than the two criteria reads as
// laps and time; scale values and N are kept within what their edits take.
StoredRankingRead readRoundRankingSection(
    const std::filesystem::path& raceFile, int category, int round, int n, StoredRoundRanking& out);
// Only the criterion and the scale (the rows are always computed afresh).
StoredRankingRead readRoundRankingSettings(const std::filesystem::path& raceFile, int category,
    int round, RankingMode& criterion, PointsScale& scale);
StoredRankingRead readGlobalRankingSection(
    const std::filesystem::path& raceFile, int category, int n, StoredGlobalRanking& out);

// Rewrites the sections (appended when absent). With prompts, a title not
// found after its creation shows its own "Erreur" box; CannotOpen is left to
// the caller.
RewriteResult storeRoundRanking(const std::filesystem::path& raceFile, int category, int round,
    RankingMode criterion, const PointsScale& scale, const RoundRankingRows& rows, int n,
    Prompts* prompts = nullptr);
RewriteResult storeGlobalRanking(const std::filesystem::path& raceFile, int category,
    const StoredGlobalRanking& ranking, int n, Prompts* prompts = nullptr);

} // namespace ksy
