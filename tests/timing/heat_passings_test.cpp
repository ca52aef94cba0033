#include "heat_harness.h"

#include <gtest/gtest.h>

namespace ksy {
namespace {

using test::HeatBench;
using test::lapsOptions;
using test::timedOptions;

constexpr std::int64_t kStart = 3020;

TEST(HeatPassings, FirstCarStartMeasuresEveryTimeFromTheFirstPassingOnce)
{
    // RC1 and the numbered buttons.
    HeatBench h(timedOptions(10, TimedEnd::FinishLap, StartType::FirstCar), 2);
    h.depart(0);
    h.runThrough(kStart);
    EXPECT_TRUE(h.run.state().armed);
    EXPECT_TRUE(h.run.state().startAcknowledged);
    EXPECT_EQ(h.sounds.count("sons/foghorn.wav"), 0);
    h.pass(10000, 2);
    h.runThrough(10000);
    EXPECT_TRUE(h.run.state().running);
    EXPECT_EQ(h.run.state().startTick, 10000);
    EXPECT_EQ(h.slot(2).laps, 1);
    EXPECT_EQ(h.slot(2).totalTime, 0);
    EXPECT_EQ(h.sounds.files().back(), "sons/foghorn.wav"); // no beep over the horn
    h.runTo(40000);
    h.run.manualPassing(1);
    h.pass(70000, 2);
    h.runThrough(70000);
    EXPECT_EQ(h.slot(1).lapTotals[1], 30000);
    EXPECT_EQ(h.slot(2).lapTotals[2], 60000);
    EXPECT_EQ(h.slot(2).bestLap, 60000);

    // A button starts the heat too, but not during the countdown.
    HeatBench b(timedOptions(10, TimedEnd::FinishLap, StartType::FirstCar), 3);
    b.depart(0);
    b.runTo(1000);
    b.run.manualPassing(3);
    EXPECT_FALSE(b.run.state().running);
    b.runTo(5000);
    b.run.manualPassing(3);
    EXPECT_TRUE(b.run.state().running);
    EXPECT_EQ(b.slot(3).laps, 1);
    b.pass(65000, 3);
    b.runThrough(65000);
    EXPECT_EQ(b.slot(3).lapTotals[2], 60000);

    // RC2: the decoder clock runs from the StartClock; the offset is its reading.
    HeatBench r(timedOptions(10, TimedEnd::FinishLap, StartType::FirstCar), 2, true);
    r.depart(0);
    r.pass(9000, 1, 5960);
    r.pass(69000, 1, 65960);
    r.runThrough(69000);
    EXPECT_EQ(r.run.state().firstCarOffset, 5960);
    EXPECT_EQ(r.slot(1).lapTotals[2], 60000);
}

TEST(HeatPassings, LapProtectionAndButtonsWithoutProtection)
{
    HeatBench h(timedOptions(10, TimedEnd::FinishLap), 2, true);
    h.depart(0);
    h.pass(5000, 1, 1000);
    h.pass(5010, 1, 2500); // 1.5 s later: ignored
    h.pass(5020, 1, 3001); // 2.001 s after the first: lap 2
    h.pass(5030, 1, 5001); // exactly 2 s later: ignored
    h.runThrough(5030);
    EXPECT_EQ(h.slot(1).laps, 2);
    EXPECT_EQ(h.slot(1).bestLap, 2001);
    EXPECT_EQ(h.slot(1).lapTimes[2], 2001);
    // The first crossing is taken whatever its time.
    h.pass(5040, 2, 10);
    h.runThrough(5040);
    EXPECT_EQ(h.slot(2).laps, 1);
    EXPECT_EQ(h.slot(2).bestLap, 0);

    // Buttons: 0.5 s after a decoder passing still counts (host counter).
    HeatBench m(timedOptions(10, TimedEnd::FinishLap), 1);
    m.depart(0);
    m.pass(kStart + 30000, 1);
    m.runTo(kStart + 30500);
    m.run.manualPassing(1);
    EXPECT_EQ(m.slot(1).laps, 2);
    EXPECT_EQ(m.slot(1).lapTotals[2], 30500);
    m.run.manualPassing(0);
    m.run.manualPassing(21);
    m.run.manualPassing(2); // an empty slot is finished from the start
    EXPECT_EQ(m.slot(2).laps, 0);
}

TEST(HeatPassings, HundredFiftyLapsStopATimedHeatWithoutTheCarVoice)
{
    HeatBench h(timedOptions(60, TimedEnd::FinishLap), 1);
    h.depart(0);
    for (int lap = 1; lap <= 151; ++lap)
        h.pass(kStart + lap * 3000, 1);
    h.runThrough(kStart + 151 * 3000);
    EXPECT_FALSE(h.run.state().running);
    EXPECT_EQ(h.slot(1).laps, 150);
    EXPECT_EQ(h.slot(1).lapTotals[150], 450000);
    EXPECT_EQ(h.sounds.count("sons/FinCourseVoiture1.wav"), 0);
    EXPECT_EQ(h.sounds.files().back(), "sons/truckhorn.wav");
    EXPECT_EQ(
        h.sounds.count("sons/beep1.wav"), 1 + 149); // start beep, laps 1..149 (equal laps: no best)
}

TEST(HeatPassings, SoundsHeatBestAndTrackRecord)
{
    HeatBench h(timedOptions(10, TimedEnd::FinishLap), 2, true);
    SoundChoices c;
    c.passingBeep = false;
    h.run.setSoundChoices(c);
    TrackRecord track;
    track.inDatabase = true;
    track.recordMs = 50000;
    track.holder = "Ancien";
    h.run.setTrack(track);
    TrackRecord written;
    h.run.setCourseDatabaseWriter([&](const TrackRecord& t) {
        written = t;
        return false;
    });
    h.depart(0);
    // The decoder's times, a little behind the host's as they come over the line.
    h.pass(13100, 1, 10000);
    h.pass(13200, 2, 10000);
    h.pass(73100, 1, 70000); // lap 2: first best, no cheer
    h.pass(73200, 2, 70000); // same best: the first holder keeps the heat best
    h.pass(121100, 1, 118000); // 48 s: personal best, heat best, track record
    h.runThrough(121100);
    EXPECT_EQ(h.sounds.count("sons/beep1.wav"), 0);
    EXPECT_EQ(h.sounds.count("sons/youpi.wav"), 1);
    EXPECT_TRUE(h.slot(1).holdsHeatBest);
    EXPECT_FALSE(h.slot(2).holdsHeatBest);
    EXPECT_EQ(h.run.heatBestLap(), 48000);
    EXPECT_EQ(h.run.track().recordMs, 48000);
    EXPECT_EQ(h.run.track().holder, "Pilote 1");
    EXPECT_EQ(h.run.track().recordText, "48.000");
    h.run.arret();
    EXPECT_EQ(written.recordMs, 48000);
    EXPECT_EQ(h.prompts.texts().back(), "Erreur: impossible d'ouvrir la base de données Circuits");
    EXPECT_TRUE(h.slot(1).finished && h.slot(2).finished);
}

TEST(HeatPassings, EffacerAsksClearsWritesAndMakesTheHeatReady)
{
    HeatBench h(timedOptions(1, TimedEnd::SoundSignal), 2);
    h.run.effacer(); // nothing ran: no question
    EXPECT_TRUE(h.prompts.boxes.empty());
    h.depart(0);
    h.pass(kStart + 20000, 1);
    h.runThrough(kStart + 60010);
    EXPECT_FALSE(h.run.state().running);
    EXPECT_FALSE(h.run.state().ready);
    h.prompts.answers.push_back(Answer::No);
    h.run.effacer();
    EXPECT_EQ(h.slot(1).laps, 1);
    h.run.effacer();
    ASSERT_EQ(h.prompts.boxes.size(), 2u);
    EXPECT_EQ(h.prompts.boxes[1].title, "Kestrametrix");
    EXPECT_EQ(h.prompts.boxes[1].text,
        "Etes vous sûr de vouloir effacer les résultats de la "
        "série?\nLes données seront définitivement perdues");
    EXPECT_EQ(h.slot(1).laps, 0);
    EXPECT_EQ(h.slot(1).pilotName, "Pilote 1");
    EXPECT_TRUE(h.run.state().ready);
    EXPECT_EQ(h.run.texts().title, ".");
    EXPECT_EQ(h.run.texts().countdown, "3s");
    EXPECT_EQ(h.run.texts().elapsed, "0:00:00");
    EXPECT_EQ(test::readFile(h.dir.path() / "DetailResultats.res").substr(0, 37),
        "CLASSEMENTToursTemps\t\nPilote 1\t0\t\nPil");

    // A heat loaded with a stored result is not ready until it is erased.
    RunEntryTable stored = h.run.entries();
    stored.slot(2).laps = stored.slot(2).passingCount = 1;
    stored.slot(2).totalTime = 61000;
    ASSERT_TRUE(h.run.loadHeat(stored));
    EXPECT_FALSE(h.run.state().ready);
    EXPECT_EQ(h.run.standings().rows[0].number, 2);
    h.run.depart();
    EXPECT_FALSE(h.run.state().armed);
}

TEST(HeatPassings, ListenerSeesActionsAndEveryPassingWithItsFate)
{
    struct Journal : HeatListener {
        std::vector<std::string> lines;
        void heatAction(std::int64_t ms, HeatAction a, int slot) override
        {
            lines.push_back(std::to_string(ms) + " action " + std::to_string(int(a)) + " " +
                std::to_string(slot));
        }
        void passingRead(std::int64_t ms, const Passing& p, PassingFate fate) override
        {
            lines.push_back(std::to_string(ms) + " passing " + p.transponderText + " " +
                std::to_string(int(fate)));
        }
        void heatStopped(std::int64_t ms) override
        {
            lines.push_back(std::to_string(ms) + " stop");
        }
    } journal;
    HeatBench h(timedOptions(1, TimedEnd::SoundSignal), 1);
    h.run.setListener(&journal);
    h.depart(0);
    h.pass(1000, 1); // during the countdown: read, never a lap
    h.pass(kStart + 100, 1);
    h.pass(kStart + 200, 1); // inside the protection: still journaled
    h.runTo(kStart + 300);
    h.run.manualPassing(1);
    h.run.arret();
    const std::vector<std::string> expected = {"0 action 0 0", "0 action 1 0",
        "1000 passing 001001 1", "3020 action 2 0", "3120 passing 001001 0",
        "3220 passing 001001 0", "3320 action 6 1", "3320 action 3 0", "3320 stop"};
    EXPECT_EQ(journal.lines, expected);
}

} // namespace
} // namespace ksy
