// What the line and the official can do around the start and during a heat
// that once lost or invented laps: a car crossing before the start, a click
// on another heat or "Arret" while the alert plays, a decoder restarted in
// the middle of a heat.
#include "timing/decoder_link.h"
#include "timing/heat_harness.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace ksy {
namespace {

using test::HeatBench;

// Every action and every passing's fate, as a journal sees them.
class Recorder : public HeatListener {
public:
    void heatAction(std::int64_t nowMs, HeatAction action, int) override
    {
        actions.push_back({nowMs, action});
    }
    void passingRead(std::int64_t, const Passing& p, PassingFate fate) override
    {
        fates.push_back({p.transponder, fate});
    }
    void decoderClockLost(std::int64_t, std::int64_t heatMs) override { lostAt.push_back(heatMs); }
    std::int64_t when(HeatAction a) const
    {
        for (const auto& [ms, action] : actions)
            if (action == a)
                return ms;
        return -1;
    }
    std::vector<std::pair<std::int64_t, HeatAction>> actions;
    std::vector<std::pair<int, PassingFate>> fates;
    std::vector<std::int64_t> lostAt;
};

TEST(HeatLineFaults, CarsCrossingBeforeTheStartAreJournalledAndNeverLaps)
{
    for (const bool rc2 : {false, true}) {
        for (const StartType start : {StartType::SoundSignal, StartType::Staggered}) {
            SCOPED_TRACE(std::string(rc2 ? "RC2" : "RC1") +
                (start == StartType::Staggered ? " staggered" : ""));
            HeatBench b(test::timedOptions(10, TimedEnd::FinishLap, start), 3, rc2);
            Recorder seen;
            b.run.setListener(&seen);
            b.depart(0);
            // During the countdown; for an RC2 its clock still runs from
            // whatever it was before the StartClock.
            b.pass(1500, 1, 987654);
            b.pass(2500, 2, 988654);
            // After the countdown's last step, before the start is taken.
            b.pass(b.startAt() - 5, 3, 989000);
            b.runThrough(b.startAt());
            ASSERT_TRUE(b.run.state().running);
            const std::int64_t s = b.startAt();
            b.pass(s + 4000, 1, 4000);
            b.pass(s + 5000, 3, 5000);
            b.pass(s + 9000, 1, 9000);
            b.runThrough(s + 10000);

            EXPECT_EQ(b.slot(2).laps, 0);
            if (start == StartType::Staggered) {
                // Its own start is its real crossing, not the one before the start.
                EXPECT_EQ(b.slot(1).ownStart, 4000);
                EXPECT_EQ(b.slot(1).laps, 1);
                EXPECT_EQ(b.slot(1).lapTotals[1], 5000);
                EXPECT_EQ(b.slot(3).ownStart, 5000);
                EXPECT_EQ(b.slot(3).laps, 0);
            } else {
                ASSERT_EQ(b.slot(1).laps, 2);
                EXPECT_EQ(b.slot(1).lapTotals[1], 4000); // not a free lap at 0.000
                EXPECT_EQ(b.slot(1).lapTotals[2], 9000);
                ASSERT_EQ(b.slot(3).laps, 1);
                EXPECT_EQ(b.slot(3).lapTotals[1], 5000);
            }
            ASSERT_EQ(seen.fates.size(), 6u);
            for (std::size_t i = 0; i < 3; ++i)
                EXPECT_EQ(seen.fates[i].second, PassingFate::BeforeStart) << i;
            for (std::size_t i = 3; i < 6; ++i)
                EXPECT_EQ(seen.fates[i].second, PassingFate::Read) << i;
        }
    }
}

TEST(HeatLineFaults, WhileTheAlertPlaysTheHeatIsArmedLockedAndArretIsKept)
{
    HeatBench b(test::timedOptions(10, TimedEnd::FinishLap), 3);
    Recorder seen;
    b.run.setListener(&seen);
    b.sounds.alertMs = 4000;
    RunEntryTable other = b.run.entries();
    other.slot(1).pilotName = "Autre";

    b.depart(0);
    EXPECT_TRUE(b.run.state().armed);
    EXPECT_TRUE(b.run.controlsLocked());
    // A click on another heat in the tree reaches an armed heat: refused.
    EXPECT_FALSE(b.run.loadHeat(other));
    EXPECT_EQ(b.slot(1).pilotName, "Pilote 1");
    b.pass(1000, 1);
    b.runTo(2000);
    EXPECT_EQ(b.run.texts().countdown, "3s"); // the countdown waits for the alert
    b.run.arret();
    EXPECT_FALSE(b.run.active());
    EXPECT_TRUE(b.run.state().ready);
    EXPECT_EQ(seen.when(HeatAction::Countdown), -1);
    EXPECT_EQ(seen.when(HeatAction::Arret), 2000);
    ASSERT_EQ(seen.fates.size(), 1u);
    EXPECT_EQ(seen.fates[0].second, PassingFate::BeforeStart);
    // The end of the alert does not bring the stopped heat back.
    b.runThrough(9000);
    EXPECT_FALSE(b.run.active());
    EXPECT_EQ(b.slot(1).laps, 0);

    // "Départ" again: the countdown begins when the alert has been heard.
    b.depart(10000);
    b.runThrough(20000);
    EXPECT_EQ(seen.when(HeatAction::Countdown), 14000);
    EXPECT_TRUE(b.run.state().running);
    EXPECT_GE(seen.when(HeatAction::Start), 17000);
    EXPECT_EQ(b.sounds.count(std::string(sounds::kAlert)), 2);
}

TEST(HeatLineFaults, DecoderRestartedMidHeatLosesNoLapAndInventsNone)
{
    HeatBench b(test::timedOptions(10, TimedEnd::FinishLap), 2, true);
    b.run.setLapProtectionSeconds(2);
    Recorder seen;
    b.run.setListener(&seen);
    b.depart(0);
    b.runThrough(b.startAt());
    ASSERT_TRUE(b.run.state().running);
    const std::int64_t s = b.startAt();
    b.pass(s + 30000, 1, 30000);
    b.pass(s + 31000, 2, 31000);
    b.pass(s + 60000, 1, 60000);
    // Power cut of the decoder at 70 s: its clock starts again from zero.
    b.pass(s + 90000, 1, 20000);
    b.runThrough(s + 90000);
    const std::string notice = b.run.takeNotice();
    EXPECT_NE(notice.find("revenue en arrière"), std::string::npos) << notice;
    EXPECT_NE(notice.find(linkMessageClock(90000)), std::string::npos) << notice;
    b.pass(s + 95000, 2, 25000);
    b.pass(s + 120000, 1, 50000);
    b.runThrough(s + 121000);
    EXPECT_EQ(b.run.takeNotice(), ""); // told once

    const RunEntry& one = b.slot(1);
    ASSERT_EQ(one.laps, 4);
    EXPECT_EQ(one.lapTotals[3], 90000);
    EXPECT_EQ(one.lapTotals[4], 120000);
    EXPECT_EQ(one.bestLap, 30000); // no 5-second lap
    ASSERT_EQ(b.slot(2).laps, 2);
    EXPECT_EQ(b.slot(2).lapTotals[2], 95000);
    EXPECT_EQ(b.run.heatBestLap(), 30000);
    ASSERT_EQ(seen.lostAt.size(), 1u);
    EXPECT_EQ(seen.lostAt[0], 90000);
}

TEST(HeatLineFaults, DecoderRestartAtAnyMomentKeepsEveryLapTrueAndInventsNoRecord)
{
    // Three cars a lap apart by 0, 0.3 and 7 s; each frame arrives 15 ms
    // after the crossing; the decoder restarts once, at `restart`.
    constexpr std::int64_t kLatency = 15;
    const std::int64_t phases[] = {0, 300, 7000};
    for (const std::int64_t lap : {20000, 40000}) {
        for (const std::int64_t restart : {5000, 12000, 30000, 70000}) {
            SCOPED_TRACE(std::to_string(lap) + " ms laps, restart at " + std::to_string(restart));
            HeatBench b(test::timedOptions(10, TimedEnd::FinishLap), 3, true);
            TrackRecord track;
            track.inDatabase = true;
            b.run.setTrack(track);
            Recorder seen;
            b.run.setListener(&seen);
            b.depart(0);
            b.runThrough(b.startAt());
            ASSERT_TRUE(b.run.state().running);
            const std::int64_t s = b.startAt();
            struct Crossing {
                std::int64_t at;
                int slot;
            };
            std::vector<Crossing> crossings;
            for (int k = 1; k <= 3; ++k)
                for (std::int64_t t = lap + phases[k - 1]; t < 150000; t += lap)
                    crossings.push_back({t, k});
            std::sort(crossings.begin(), crossings.end(),
                [](const Crossing& x, const Crossing& y) { return x.at < y.at; });
            for (const Crossing& c : crossings)
                b.pass(s + c.at + kLatency, c.slot, c.at < restart ? c.at : c.at - restart);
            b.runThrough(s + 151000);

            for (int k = 1; k <= 3; ++k) {
                const RunEntry& e = b.slot(k);
                ASSERT_GE(e.laps, 3) << k;
                for (int n = 1; n <= e.laps; ++n) {
                    const std::int64_t truth = n * lap + phases[k - 1];
                    EXPECT_GE(e.lapTotals[static_cast<std::size_t>(n)], truth) << k << ' ' << n;
                    EXPECT_LE(e.lapTotals[static_cast<std::size_t>(n)], truth + kLatency)
                        << k << ' ' << n;
                }
                EXPECT_GE(e.bestLap, lap - kLatency) << k;
            }
            EXPECT_GE(b.run.track().recordMs, lap - kLatency);
            ASSERT_EQ(seen.lostAt.size(), 1u);
            // Told at the first crossing of a car after the restart.
            EXPECT_GE(seen.lostAt[0], restart);
            EXPECT_LE(seen.lostAt[0], restart + lap + kLatency);
            EXPECT_NE(b.run.takeNotice(), "");
        }
    }
}

} // namespace
} // namespace ksy
