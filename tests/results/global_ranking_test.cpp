#include "ranking_race.h"
#include "results/global_ranking.h"
#include "results/ranking_open.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

namespace ksy {
namespace {

GlobalRankingEntry entry(
    std::string name, std::vector<int> roundPoints, RoundRun run = {}, int bestLap = 0)
{
    GlobalRankingEntry e;
    e.name = std::move(name);
    for (std::size_t m = 0; m < roundPoints.size(); ++m)
        e.points[m] = {roundPoints[m], static_cast<int>(m) + 1};
    e.runs[0] = run;
    e.bestLaps[0] = {bestLap, 1};
    return e;
}

std::vector<std::string> order(GlobalRankingEntries entries, int best, RankingMode tie)
{
    computeSums(entries, best);
    rankGlobal(entries, static_cast<int>(entries.size()), tie);
    std::vector<std::string> out;
    for (const auto& e : entries)
        out.push_back(e.name);
    return out;
}

TEST(GlobalRanking, ListsSortBestRoundFirstEachOnItsOwn)
{
    GlobalRankingEntry e;
    e.points = {{{5, 1}, {0, 2}, {1000, 3}, {2, 4}, {5, 5}}};
    e.runs = {{{4, 200, 1}, {5, 300, 2}, {5, 250, 3}, {0, 0, 4}, {1, 0, 5}}};
    e.bestLaps = {{{0, 1}, {60, 2}, {55, 3}, {55, 4}}};
    sortRoundLists(e);
    EXPECT_EQ(e.points[0], (RoundPoints {0, 2}));
    EXPECT_EQ(e.points[1], (RoundPoints {2, 4}));
    EXPECT_EQ(e.points[2], (RoundPoints {5, 5})); // equal points: the later round first
    EXPECT_EQ(e.points[3], (RoundPoints {5, 1}));
    EXPECT_EQ(e.points[8], (RoundPoints {1000, 3})); // rounds without points: later first
    EXPECT_EQ(e.runs[0], (RoundRun {5, 250, 3}));
    EXPECT_EQ(e.runs[3], (RoundRun {1, 0, 5})); // a lap at 0 ms still counts as a lap
    EXPECT_EQ(e.runs[8], (RoundRun {0, 0, 4}));
    EXPECT_EQ(e.bestLaps[0], (RoundBestLap {55, 4}));
    EXPECT_EQ(e.bestLaps[2], (RoundBestLap {60, 2}));
    EXPECT_EQ(e.bestLaps[3], (RoundBestLap {0, 0})); // 0 is no best lap: after every time
    EXPECT_EQ(e.bestLaps[8], (RoundBestLap {0, 1}));
}

TEST(GlobalRanking, RanksBySumThenBestRoundsThenTheTieCriterion)
{
    // N = 2 over 0, 2, 5: sum 2; the pilot without any points ranks last.
    GlobalRankingEntries entries {entry("Never", {}), entry("A", {0, 2, 5}), entry("B", {1, 1, 9}),
        entry("C", {1, 1, 7}), entry("D", {3})};
    computeSums(entries, 2);
    EXPECT_EQ(entries[1].sum, 2);
    EXPECT_EQ(entries[0].sum, 0);
    EXPECT_EQ(order(entries, 2, RankingMode::LapsThenTime),
        (std::vector<std::string> {"A", "C", "B", "D", "Never"}));
    // N = 0: every sum 0, the best rounds decide.
    EXPECT_EQ(order(entries, 0, RankingMode::LapsThenTime),
        (std::vector<std::string> {"A", "C", "B", "D", "Never"}));
    // N = 9 with a round that nobody ran (1000 adds 0).
    EXPECT_EQ(order(entries, 9, RankingMode::LapsThenTime),
        (std::vector<std::string> {"D", "A", "C", "B", "Never"}));

    // Equal on points: the best run (laps, then time, a run without laps
    // last) and the best lap, in the order of the tie criterion.
    GlobalRankingEntries tied {entry("NoRun", {4}, {0, 0, 1}, 0),
        entry("Slow", {4}, {5, 320000, 1}, 50000), entry("Quick", {4}, {5, 300000, 1}, 60000),
        entry("Twin1", {4}, {4, 300000, 1}, 55000), entry("Twin2", {4}, {4, 300000, 1}, 55000)};
    EXPECT_EQ(order(tied, 1, RankingMode::LapsThenTime),
        (std::vector<std::string> {"Quick", "Slow", "Twin2", "Twin1", "NoRun"}));
    EXPECT_EQ(order(tied, 1, RankingMode::BestLap),
        (std::vector<std::string> {"Slow", "Twin2", "Twin1", "Quick", "NoRun"}));
}

// From the race file: participants by name in each stored round ranking, a
// missing round counting 1000, N and the tie criterion from the stored
// global ranking.
TEST(GlobalRanking, OpensFromTheParticipantsAndTheStoredRoundRankings)
{
    test::TempDir dir;
    const auto file = dir.path() / "Course.race";
    test::RankingRace race(file, {"Anne", "Bruno", "Chloe", "Denis"}, 4, 3);
    RoundRankingRows r1 = {{"Bruno", 5, 300000, 58000, 0}, {"Anne", 5, 310000, 57000, 2},
        {"Inconnu", 4, 1, 1, 3}, {"", 0, kNoResultTime, kNoResultTime, 4}};
    storeRoundRanking(file, 1, 1, RankingMode::LapsThenTime, PointsScale {}, r1, 4);
    RoundRankingRows r3 = {{"Anne", 6, 330000, 56000, 0}, {"Bruno", 6, 340000, 55000, 2},
        {"Chloe", 0, 0, 0, 3}, {"", 0, kNoResultTime, kNoResultTime, 3}};
    storeRoundRanking(file, 1, 3, RankingMode::LapsThenTime, PointsScale {}, r3, 4);
    storeGlobalRanking(file, 1, {RankingMode::BestLap, 2, {}}, 4);

    test::FakePrompts prompts;
    const OpenedGlobalRanking o = openGlobalRanking(file, 1, prompts);
    EXPECT_TRUE(prompts.boxes.empty());
    EXPECT_EQ(o.bestRounds, 2);
    EXPECT_EQ(o.tie, RankingMode::BestLap);
    EXPECT_EQ(o.withResults, 2); // Chloe ran without a result, Denis never
    const auto& e = o.entries;
    EXPECT_EQ(e[0].name, "Bruno"); // 0 + 2 = 2, tied with Anne; best lap 55000
    EXPECT_EQ(e[1].name, "Anne");
    EXPECT_EQ(e[1].points[0], (RoundPoints {0, 3}));
    EXPECT_EQ(e[1].runs[0], (RoundRun {6, 330000, 3}));
    EXPECT_EQ(e[1].bestLaps[0], (RoundBestLap {56000, 3}));
    EXPECT_EQ(e[2].name, "Chloe");
    EXPECT_EQ(e[2].sum, 3);
    EXPECT_EQ(e[3].name, "Denis");
    EXPECT_EQ(e[3].points[0].points, kNoPoints);

    const StoredGlobalRanking s = storedGlobalRanking(o);
    EXPECT_EQ(s.names, (std::vector<std::string> {"Bruno", "Anne", "Chloe", "Denis"}));
}

} // namespace
} // namespace ksy
