#include "timing/standings.h"
#include "timing/time_format.h"

#include <gtest/gtest.h>

namespace ksy {
namespace {

RunEntryTable pilots(int n)
{
    RunEntryTable t;
    clearToEmptySlots(t);
    for (int k = 1; k <= n; ++k)
        t.slot(k).pilotName = "P" + std::to_string(k);
    resetRunData(t);
    return t;
}

// Gives the slot its laps with the given lap times (simultaneous start).
void laps(RunEntry& e, std::initializer_list<std::int32_t> times)
{
    for (std::int32_t t : times) {
        ++e.laps;
        ++e.passingCount;
        e.totalTime += t;
        e.lapTotals[static_cast<std::size_t>(e.laps)] = e.totalTime;
        e.lapTimes[static_cast<std::size_t>(e.laps)] = t;
        if (e.laps >= 2 && (e.bestLap == 0 || t < e.bestLap))
            e.bestLap = t;
    }
}

std::vector<int> order(const Standings& s)
{
    std::vector<int> out;
    for (int p = 0; p < s.count; ++p)
        out.push_back(s.rows[static_cast<std::size_t>(p)].number);
    return out;
}

TEST(Standings, LapsAndTimeTiesPlaceholdersAndGaps)
{
    RunEntryTable t = pilots(6);
    laps(t.slot(1), {60000, 61000});
    laps(t.slot(2), {61000, 60000}); // same total, shorter last lap: ahead of 1
    laps(t.slot(3), {60000, 61000}); // full tie with 1: the later slot wins
    laps(t.slot(4), {62000}); // one lap down
    laps(t.slot(6), {3723456, 1000}); // hours in the total
    t.slot(3).changed = true;
    Standings s;
    computeStandings(t, RankingMode::LapsThenTime, s);
    EXPECT_EQ(s.count, 6);
    EXPECT_EQ(order(s), (std::vector<int> {2, 3, 1, 6, 4, 5}));
    EXPECT_EQ(t.slot(3).lapPositions[2], 2);
    EXPECT_EQ(t.slot(1).lapPositions[2], 0); // not changed: not written

    const BoardRow& lead = s.board[0];
    EXPECT_EQ(lead.place, "1");
    EXPECT_EQ(lead.slotNumber, " 2 ");
    EXPECT_EQ(lead.totalTime, "2:01.000");
    EXPECT_EQ(lead.lastLap, "1:00.000");
    EXPECT_EQ(lead.gapToLeader, "0.000");
    EXPECT_EQ(s.board[3].totalTime, "1:02:04.456");
    EXPECT_EQ(s.board[3].gapToPrevious, "1:00:03.456");
    EXPECT_EQ(s.board[4].gapToLeader, "1t");
    EXPECT_EQ(s.board[4].gapToPrevious, "1t");
    EXPECT_EQ(s.board[4].bestLap, "0.000");
    // No passing: last, every time shown as zero.
    EXPECT_EQ(s.rows[5].totalTime, 0);
    EXPECT_EQ(s.board[5].totalTime, "0:00.000");
    EXPECT_EQ(s.board[5].lastLap, "0.000");
    EXPECT_EQ(s.board[5].gapToLeader, "2t");
}

TEST(Standings, BestLapOrderPutsSingleCrossingsBetweenBestLapsAndNoPassing)
{
    RunEntryTable t = pilots(5);
    laps(t.slot(1), {60000, 59000});
    laps(t.slot(2), {61000}); // crossed once: no best lap yet
    laps(t.slot(3), {60000, 58000, 70000});
    laps(t.slot(5), {60000, 59000}); // same best and last lap as 1: later slot first
    Standings s;
    computeStandings(t, RankingMode::BestLap, s);
    EXPECT_EQ(order(s), (std::vector<int> {3, 5, 1, 2, 4}));
    EXPECT_EQ(s.board[1].gapToLeader, "1.000");
    EXPECT_EQ(s.board[2].gapToPrevious, "0.000");
    EXPECT_EQ(s.rows[3].bestLap, 0); // placeholder written back
    EXPECT_EQ(s.board[3].gapToLeader, "0.000");
    EXPECT_EQ(s.rows[4].lastLap, 0);

    markAllFinished(s);
    EXPECT_TRUE(s.board[4].finished);
}

} // namespace
} // namespace ksy

namespace ksy {
namespace {

// The board writes its times by hand for speed; they must read exactly as the
// program's time formats do everywhere else.
TEST(Standings, BoardTimesReadAsTheTimeFormats)
{
    RunEntryTable t = pilots(2);
    Standings s;
    for (std::int32_t ms : {0, 7, 999, 1000, 59999, 60000, 83456, 3599999, 3600000, 3723004,
             36000000 + 61001, 2147483647}) {
        t.slot(1).passingCount = t.slot(1).laps = 1;
        t.slot(1).totalTime = ms;
        t.slot(1).lapTimes[1] = ms;
        computeStandings(t, RankingMode::LapsThenTime, s);
        EXPECT_EQ(s.board[0].totalTime, formatTotalTime(ms)) << ms;
        EXPECT_EQ(s.board[0].lastLap, formatShortTime(ms)) << ms;
    }
}

} // namespace
} // namespace ksy
