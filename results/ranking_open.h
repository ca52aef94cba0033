#pragma once
// What the two ranking dialogs read when they open, read and ranked the same
// way for the dialogs, the command line and the live page: the race header,
// the race's track, and either the round's stored heats with the plan's
// pilots per heat, or the participants and the stored round rankings.
#include "planning/race_track.h"
#include "results/global_ranking.h"
#include "results/round_ranking.h"
#include "services/prompts.h"
#include "services/translate.h"

#include <filesystem>
#include <string>

namespace ksy {

inline constexpr std::string_view kHeatPlanTitleNotFound =
    KSY_TRANSLATE_NOOP("Storage", "Erreur: Intitulé de Répartition des qualifs non trouvé");

// Shared by both rankings.
struct RankingContext {
    int category = 0;
    std::string categoryName; // Windows-1252
    RaceTrack track; // race name and course name of the titles
    int places = 0; // n: the category's participant count
    int resultsStored = 0; // the category's results flag
    int rounds = 0;
    int heatsPerRound = 0;
};

struct OpenedRoundRanking {
    RankingContext context;
    int round = 0;
    int ranked = 0; // r: rows with a pilot
    RankingMode criterion = RankingMode::LapsThenTime;
    PointsScale scale;
    RoundRankingRows rows; // 220, sorted, points of places 1..n computed
};

struct OpenedGlobalRanking {
    RankingContext context;
    int withResults = 0; // r: entries whose best round holds a run
    RankingMode tie = RankingMode::LapsThenTime;
    int bestRounds = kDefaultBestRounds;
    GlobalRankingEntries entries; // 200, ranked over 1..n
};

// Gathers the round's heats (the first "pilots per heat" slot lines of each
// stored heat, a heat not stored adding nothing; each pilot's laps are the
// passing count of the slot, corrected by hand or not), sorts by the stored or
// default criterion and computes the points with the stored or default scale.
// Failures show their "Erreur" box and the opening goes on with what it has.
OpenedRoundRanking openRoundRanking(
    const std::filesystem::path& raceFile, int category, int round, Prompts& prompts);

// Reads the participants, puts the stored round rankings of rounds 1..rounds
// into them by name, sorts their lists, sums and ranks with the stored or
// default N and tie criterion.
OpenedGlobalRanking openGlobalRanking(
    const std::filesystem::path& raceFile, int category, Prompts& prompts);

// The ranked rows turned into the names stored by "Valider".
StoredGlobalRanking storedGlobalRanking(const OpenedGlobalRanking& ranking);

} // namespace ksy
