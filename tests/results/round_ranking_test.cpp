#include "ranking_race.h"
#include "results/ranking_open.h"
#include "results/round_ranking.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

namespace ksy {
namespace {

using test::SlotResult;

RoundRankingEntry pilot(std::string name, int laps, int total, int best)
{
    return {std::move(name), laps, total, best, kNoPoints};
}

RoundRankingRows rowsOf(std::vector<RoundRankingEntry> pilots)
{
    RoundRankingRows rows = emptyRoundRankingRows();
    std::copy(pilots.begin(), pilots.end(), rows.begin());
    return rows;
}

std::vector<std::string> names(const RoundRankingRows& rows, int n)
{
    std::vector<std::string> out;
    for (int i = 0; i < n; ++i)
        out.push_back(rows[static_cast<std::size_t>(i)].name);
    return out;
}

std::vector<int> points(const RoundRankingRows& rows, int n)
{
    std::vector<int> out;
    for (int i = 0; i < n; ++i)
        out.push_back(rows[static_cast<std::size_t>(i)].points);
    return out;
}

TEST(RoundRanking, SortsByEachCriterionWithMissingTimesLastAndFullTiesToTheLaterRow)
{
    // Row order matters: "Dup1" and "Dup2" are equal on every key.
    RoundRankingRows rows = rowsOf({pilot("NoLap", 0, 0, 0), pilot("Dup1", 5, 300000, 58000),
        pilot("Fast", 5, 290000, 59000), pilot("Dup2", 5, 300000, 58000),
        pilot("More", 6, 400000, 61000), pilot("NoBest", 4, 250000, 0), pilot("NoLap2", 0, 0, 0)});
    sortRoundRanking(rows, RankingMode::LapsThenTime);
    EXPECT_EQ(names(rows, 8),
        (std::vector<std::string> {
            "More", "Fast", "Dup2", "Dup1", "NoBest", "NoLap2", "NoLap", ""}));
    // Placeholders are given back: no "1400000000" reaches the places.
    EXPECT_EQ(rows[4].bestLap, 0);
    EXPECT_EQ(rows[5].totalTime, 0);
    EXPECT_EQ(rows[7].totalTime, kNoResultTime);

    sortRoundRanking(rows, RankingMode::BestLap);
    // Equal best laps: more laps, then smaller total; no best lap after
    // every best lap; rows without pilot after every pilot.
    EXPECT_EQ(names(rows, 8),
        (std::vector<std::string> {
            "Dup1", "Dup2", "Fast", "More", "NoBest", "NoLap", "NoLap2", ""}));
}

TEST(RoundRanking, PointsFollowTheScaleShareTiesAndAreCapped)
{
    const PointsScale defaults;
    RoundRankingRows rows = rowsOf({pilot("A", 7, 1, 1), pilot("B", 6, 1, 1), pilot("C", 5, 1, 1),
        pilot("D", 4, 1, 1), pilot("E", 3, 1, 1), pilot("F", 2, 1, 1), pilot("G", 1, 1, 1)});
    computeRoundPoints(rows, 7, RankingMode::LapsThenTime, defaults);
    EXPECT_EQ(points(rows, 7), (std::vector<int> {0, 2, 3, 4, 5, 6, 7}));

    PointsScale high;
    high.values = {995, 2, 1, 1, 1, 1};
    computeRoundPoints(rows, 7, RankingMode::LapsThenTime, high);
    EXPECT_EQ(points(rows, 7), (std::vector<int> {995, 997, 998, 999, 999, 999, 999}));

    // Equal laps and total share the better points, the next keeps its rank;
    // the best lap alone does not tie under laps and time.
    rows = rowsOf({pilot("A", 5, 100, 10), pilot("B", 4, 200, 10), pilot("C", 4, 200, 11),
        pilot("D", 4, 200, 12), pilot("E", 3, 200, 12), pilot("F", 0, 0, 0), pilot("G", 0, 0, 0)});
    computeRoundPoints(rows, 7, RankingMode::LapsThenTime, defaults);
    EXPECT_EQ(points(rows, 7), (std::vector<int> {0, 2, 2, 2, 5, 6, 6}));
    computeRoundPoints(rows, 7, RankingMode::BestLap, defaults);
    EXPECT_EQ(points(rows, 7), (std::vector<int> {0, 0, 3, 4, 4, 6, 6}));

    // n = 1 still capped; places beyond n are left alone.
    rows = rowsOf({pilot("A", 1, 1, 1), pilot("B", 1, 1, 1)});
    computeRoundPoints(rows, 1, RankingMode::LapsThenTime, PointsScale {{999, 99, 99, 99, 99, 99}});
    EXPECT_EQ(points(rows, 2), (std::vector<int> {999, kNoPoints}));
}

TEST(RoundRanking, ARoundWithoutAnyResultScores1000ForEverybody)
{
    RoundRankingRows rows = rowsOf({pilot("A", 0, 0, 0), pilot("B", 0, 0, 0)});
    computeRoundPoints(rows, 3, RankingMode::LapsThenTime, PointsScale {});
    EXPECT_EQ(points(rows, 3), (std::vector<int> {1000, 1000, 1000}));
    rows[1].bestLap = 61000; // one time anywhere among the places is a run
    computeRoundPoints(rows, 3, RankingMode::LapsThenTime, PointsScale {});
    EXPECT_EQ(points(rows, 3), (std::vector<int> {0, 0, 3})); // equal laps and total: tied
}

// The round gathered from the race file: the first P slot lines of each
// stored heat, a heat not stored adds nothing, "(NA)" slots rank after every
// pilot, so a pilot without laps keeps his place among the n places.
TEST(RoundRanking, OpensFromTheStoredHeatsOfTheRound)
{
    test::TempDir dir;
    const auto file = dir.path() / "Course.race";
    test::RankingRace race(file, test::RankingRace::numbered(7), 3, 2);
    race.storeHeat(1, 1,
        {{"P01", 0, 0, 0}, {"(NA)", 0, 0, 0}, {"P02", 3, 180000, 55000},
            {"Beyond", 9, 1, 1}}); // slot 4 is beyond P = 3
    // Heat 2 of round 1 not stored; heat 3 holds P07.
    race.storeHeat(1, 3, {{"P07", 3, 170000, 56000}, {"(NA)", 0, 0, 0}});
    race.storeHeat(2, 1, {{"P01", 9, 1, 1}}); // another round

    test::FakePrompts prompts;
    const OpenedRoundRanking o = openRoundRanking(file, 1, 1, prompts);
    EXPECT_TRUE(prompts.boxes.empty());
    EXPECT_EQ(o.context.places, 7);
    EXPECT_EQ(o.ranked, 3);
    EXPECT_EQ(names(o.rows, 4), (std::vector<std::string> {"P07", "P02", "P01", ""}));
    EXPECT_EQ(points(o.rows, 7), (std::vector<int> {0, 2, 3, 4, 4, 4, 4}));
    EXPECT_EQ(o.rows[3].totalTime, kNoResultTime);

    // A round nobody ran.
    EXPECT_EQ(
        points(openRoundRanking(file, 1, 3, prompts).rows, 7), (std::vector<int>(7, kNoPoints)));

    // Without the heat plan no heat line is gathered; an unreadable file.
    const auto planless = dir.path() / "Sans.race";
    Race empty;
    createNewRaceFile(planless, empty);
    const OpenedRoundRanking none = openRoundRanking(planless, 1, 1, prompts);
    EXPECT_EQ(none.ranked, 0);
    openRoundRanking(dir.path() / "absent.race", 1, 1, prompts);
    EXPECT_EQ(prompts.texts(),
        (std::vector<std::string> {
            std::string(kHeatPlanTitleNotFound), "Erreur: impossible d'ouvrir le fichier Course"}));
}

} // namespace
} // namespace ksy
