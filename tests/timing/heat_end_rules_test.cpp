#include "heat_harness.h"

#include <gtest/gtest.h>

namespace ksy {
namespace {

using test::HeatBench;
using test::lapsOptions;
using test::timedOptions;

constexpr std::int64_t kStart = 3020; // start tick of a 3 s countdown from 0 (RC1)

// RC1 passing of slot k at heat time t (host time t + start).
void at(HeatBench& h, std::int64_t t, int slot)
{
    h.pass(kStart + t, slot);
}

TEST(HeatEndRules, TimedFinishLapEndsEachCarAtItsFirstPassingAfterTheTime)
{
    HeatBench h(timedOptions(10, TimedEnd::FinishLap), 2);
    h.depart(0);
    at(h, 100000, 1);
    at(h, 200000, 2);
    at(h, 599900, 1);
    h.runThrough(kStart + 599900);
    EXPECT_FALSE(h.slot(1).finished);
    at(h, 650000, 2);
    h.runThrough(kStart + 650000);
    EXPECT_TRUE(h.slot(2).finished);
    EXPECT_TRUE(h.run.state().running);
    at(h, 700000, 1);
    h.runThrough(kStart + 700000);
    EXPECT_FALSE(h.run.state().running); // every car has finished
    EXPECT_EQ(h.slot(1).laps, 3);
    EXPECT_EQ(h.slot(1).lapTotals[2], 599900);

    EXPECT_EQ(h.sounds.when("sons/miCourse.wav"), kStart + 300010);
    EXPECT_EQ(h.sounds.count("sons/5minutes.wav"), 0); // not longer than 12 minutes
    EXPECT_EQ(h.sounds.when("sons/1minute.wav"), kStart + 541010);
    EXPECT_EQ(h.sounds.when("sons/foghorn.wav"), kStart); // start; the end signal follows
    EXPECT_EQ(h.sounds.count("sons/foghorn.wav"), 2);
    EXPECT_EQ(h.sounds.when("sons/FinCourseVoiture2.wav"), kStart + 650000);
    EXPECT_EQ(h.sounds.when("sons/truckhorn.wav"), kStart + 700000);
    EXPECT_EQ(h.sounds.files().back(), "sons/truckhorn.wav");
}

TEST(HeatEndRules, TimedSoundSignalStopsAtTheHornAndTakesNothingAfter)
{
    HeatBench h(timedOptions(1, TimedEnd::SoundSignal), 1);
    h.depart(0);
    at(h, 30000, 1);
    h.runThrough(kStart + 60000);
    EXPECT_TRUE(h.run.state().running);
    h.runThrough(kStart + 60010);
    EXPECT_FALSE(h.run.state().running);
    at(h, 60500, 1);
    h.runThrough(kStart + 61000);
    EXPECT_EQ(h.slot(1).laps, 1);
    const auto& f = h.sounds.files();
    ASSERT_GE(f.size(), 2u);
    EXPECT_EQ(f[f.size() - 2], "sons/foghorn.wav");
    EXPECT_EQ(f.back(), "sons/truckhorn.wav");
    EXPECT_TRUE(h.run.standings().board[0].finished);
}

TEST(HeatEndRules, SandYachtFinishWaitsForTheLeaderThenTakesEveryNextPassing)
{
    HeatBench h(timedOptions(10, TimedEnd::SandYacht), 3);
    h.depart(0);
    at(h, 300000, 1);
    at(h, 300500, 2);
    at(h, 400000, 3);
    at(h, 500000, 1);
    at(h, 605000, 2); // past the time but behind the leader on laps-and-time
    h.runThrough(kStart + 605000);
    EXPECT_FALSE(h.slot(2).finished);
    at(h, 610000, 1);
    h.runThrough(kStart + 610000);
    EXPECT_TRUE(h.slot(1).finished);
    EXPECT_EQ(h.run.standings().rows[0].number, 1);
    at(h, 700000, 2);
    at(h, 900000, 3);
    h.runThrough(kStart + 900000);
    EXPECT_TRUE(h.slot(2).finished);
    EXPECT_EQ(h.slot(3).laps, 2);
    EXPECT_FALSE(h.run.state().running);
    EXPECT_EQ(h.sounds.count("sons/FinCourseVoiture1.wav"), 1);
    EXPECT_EQ(h.sounds.count("sons/FinCourseVoiture3.wav"), 1);
}

TEST(HeatEndRules, LapsFinishLapEveryoneStopsAtTheirNextPassingAfterTheWinner)
{
    HeatBench h(lapsOptions(5, LapsEnd::FinishLap), 3);
    h.depart(0);
    // Passings in time order: car 1 every 60 s, car 2 every 70 s, car 3 slow.
    at(h, 60000, 1);
    at(h, 75000, 2);
    at(h, 100001, 3);
    at(h, 120000, 1);
    at(h, 145000, 2);
    at(h, 180000, 1);
    at(h, 200010, 3);
    at(h, 215000, 2);
    at(h, 240000, 1);
    at(h, 285000, 2);
    at(h, 300000, 1);
    h.runThrough(kStart + 300000);
    EXPECT_TRUE(h.slot(1).finished);
    EXPECT_EQ(h.sounds.count("sons/FinCourseVoiture1.wav"), 0); // target laps: no voice
    at(h, 310000, 3);
    at(h, 355000, 2);
    h.runThrough(kStart + 355000);
    EXPECT_TRUE(h.slot(3).finished);
    EXPECT_EQ(h.slot(3).laps, 3);
    EXPECT_EQ(h.sounds.count("sons/FinCourseVoiture3.wav"), 1);
    EXPECT_EQ(h.slot(2).laps, 5);
    EXPECT_EQ(h.sounds.count("sons/FinCourseVoiture2.wav"), 0);
    EXPECT_FALSE(h.run.state().running);
}

TEST(HeatEndRules, LapsAllLapsAndSoundSignalAndTheTwoHourClock)
{
    HeatBench all(lapsOptions(2, LapsEnd::AllLaps), 2);
    all.depart(0);
    at(all, 60000, 1);
    at(all, 61000, 2);
    at(all, 120000, 1);
    all.runThrough(kStart + 120000);
    EXPECT_TRUE(all.slot(1).finished);
    EXPECT_FALSE(all.slot(2).finished); // it must do all its laps
    at(all, 150000, 2);
    all.runThrough(kStart + 150000);
    EXPECT_TRUE(all.slot(2).finished);
    EXPECT_FALSE(all.run.state().running);
    EXPECT_EQ(all.sounds.count("sons/FinCourseVoiture2.wav"), 0);

    HeatBench sig(lapsOptions(2, LapsEnd::SoundSignal), 2);
    sig.depart(0);
    at(sig, 60000, 1);
    at(sig, 61000, 2);
    at(sig, 120000, 1);
    sig.runThrough(kStart + 120000);
    EXPECT_FALSE(sig.run.state().running);
    EXPECT_EQ(sig.sounds.files().back(), "sons/truckhorn.wav");
    EXPECT_EQ(sig.sounds.count("sons/FinCourseVoiture1.wav"), 0);

    HeatBench clock(lapsOptions(5, LapsEnd::FinishLap), 1);
    clock.depart(0);
    clock.runThrough(kStart + 7200000);
    EXPECT_TRUE(clock.run.state().running);
    clock.runThrough(kStart + 7200010);
    EXPECT_FALSE(clock.run.state().running);
    EXPECT_EQ(clock.sounds.count("sons/foghorn.wav"), 2);
    EXPECT_EQ(clock.sounds.count("sons/5minutes.wav"), 1); // at 0:04:59 left, not at 1:04:59
    EXPECT_EQ(clock.sounds.when("sons/5minutes.wav"), kStart + 6901010);
}

TEST(HeatEndRules, StaggeredStartOwnStartCountsNoLapAndNoHornAtTheEnd)
{
    RaceOptions o = timedOptions(1, TimedEnd::FinishLap, StartType::Staggered);
    HeatBench h(o, 1);
    h.depart(0);
    at(h, 5000, 1);
    at(h, 35000, 1);
    at(h, 62000, 1);
    h.runThrough(kStart + 62000);
    const RunEntry& e = h.slot(1);
    EXPECT_EQ(e.ownStart, 5000);
    EXPECT_EQ(e.lapTotals[0], 0);
    EXPECT_EQ(e.lapTimes[0], 5000);
    EXPECT_EQ(e.laps, 2);
    EXPECT_EQ(e.lapTotals[1], 30000);
    EXPECT_EQ(e.bestLap, 27000); // lap 1 counts in a staggered start
    EXPECT_FALSE(e.finished); // 57 s of its own time
    at(h, 70000, 1);
    h.runThrough(kStart + 70000);
    EXPECT_TRUE(e.finished);
    EXPECT_EQ(e.totalTime, 65000);
    EXPECT_EQ(h.sounds.count("sons/foghorn.wav"), 1); // the start only
    EXPECT_EQ(recomputeBestLap(e, true), 8000);
    EXPECT_EQ(e.bestLap, 8000);
}

} // namespace
} // namespace ksy
