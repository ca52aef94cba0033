#include "heat_harness.h"

#include <gtest/gtest.h>

namespace ksy {
namespace {

using test::HeatBench;
using test::timedOptions;

TEST(HeatCountdown, AlertThenThreeTwoOneNeverFourAndStartOnTheNextTick)
{
    HeatBench h(timedOptions(10, TimedEnd::FinishLap));
    EXPECT_TRUE(h.run.state().ready);
    EXPECT_EQ(h.run.texts().countdown, "3s");
    h.depart(0);
    EXPECT_TRUE(h.run.state().armed);
    EXPECT_TRUE(h.run.controlsLocked());
    EXPECT_FALSE(h.run.canClose());
    h.runThrough(3010);
    EXPECT_TRUE(h.run.state().armed);
    EXPECT_EQ(h.run.state().remainingCountdown, 0);
    h.runThrough(3020);
    EXPECT_TRUE(h.run.state().running);
    EXPECT_FALSE(h.run.state().ready);

    // The tick right on "Départ" reads 3 s, not 4 (no "quatre").
    const std::vector<std::string> expected = {"sons/nokia-sms.wav", "sons/trois.wav",
        "sons/deux.wav", "sons/un.wav", "sons/beep1.wav", "sons/foghorn.wav"};
    EXPECT_EQ(h.sounds.files(), expected);
    EXPECT_TRUE(h.sounds.played[0].waited);
    EXPECT_EQ(h.sounds.when("sons/trois.wav"), 0);
    EXPECT_EQ(h.sounds.when("sons/deux.wav"), 1010);
    EXPECT_EQ(h.sounds.when("sons/un.wav"), 2010);
    EXPECT_EQ(h.sounds.when("sons/foghorn.wav"), 3020);
    EXPECT_EQ(h.run.texts().title,
        "Dur\xE9"
        "e 0:10:00 - DEPARTSignalSonore - FINTEMPSFinirTour - D\xE9"
        "part 04/05/2024 14:07");
}

TEST(HeatCountdown, FiveSecondsShowsFiveToOneInEnglishAndNoAlertForOneSecond)
{
    RaceOptions o = timedOptions(1, TimedEnd::SoundSignal);
    o.countdownSeconds = 5;
    HeatBench h(o);
    SoundChoices english;
    english.language = VoiceLanguage::English;
    h.run.setSoundChoices(english);
    h.depart(1000); // the display needs 200 ms since the last one (0 at "Départ")
    std::vector<std::string> shown;
    for (std::int64_t t = 1000; t < 6100; t += 10) {
        h.runThrough(t);
        if (shown.empty() || shown.back() != h.run.texts().countdown)
            shown.push_back(h.run.texts().countdown);
    }
    EXPECT_EQ(shown, (std::vector<std::string> {"5s", "4s", "3s", "2s", "1s", "0s"}));
    EXPECT_EQ(h.sounds.count("sons/cinqGB.wav"), 1);
    EXPECT_EQ(h.sounds.count("sons/unGB.wav"), 1);
    EXPECT_EQ(h.sounds.count("sons/cinq.wav"), 0);

    RaceOptions one = timedOptions(1, TimedEnd::SoundSignal);
    one.countdownSeconds = 1;
    HeatBench s(one);
    s.depart(0);
    s.runThrough(2000);
    EXPECT_EQ(s.sounds.count("sons/nokia-sms.wav"), 0);
    EXPECT_EQ(s.sounds.count("sons/un.wav"), 1);
    EXPECT_TRUE(s.run.state().running);
}

TEST(HeatCountdown, ArretWhileArmedLeavesTheHeatReadyForANewCountdown)
{
    HeatBench h(timedOptions(1, TimedEnd::SoundSignal));
    h.depart(0);
    h.runThrough(1500);
    h.run.arret();
    EXPECT_FALSE(h.run.state().armed);
    EXPECT_TRUE(h.run.state().ready);
    EXPECT_FALSE(h.run.controlsLocked());
    EXPECT_EQ(h.sounds.count("sons/truckhorn.wav"), 0); // nothing was running
    h.depart(1600);
    EXPECT_TRUE(h.run.state().armed);
    h.runThrough(1600 + 3020);
    EXPECT_TRUE(h.run.state().running);
    EXPECT_EQ(h.sounds.count("sons/trois.wav"), 2); // one-shots cleared at "Départ"
}

TEST(HeatCountdown, Rc2StartClockIsRetriedEveryTickUntilAcknowledged)
{
    HeatBench h(timedOptions(1, TimedEnd::SoundSignal), 2, /*rc2=*/true);
    h.decoder.acksAfter = 3;
    h.depart(0);
    h.runThrough(3020);
    EXPECT_FALSE(h.run.state().running);
    EXPECT_EQ(h.decoder.startClockCalls, 1);
    h.runThrough(3030);
    EXPECT_FALSE(h.run.state().running);
    h.runThrough(3040);
    EXPECT_TRUE(h.run.state().running);
    EXPECT_EQ(h.decoder.startClockCalls, 3);
    EXPECT_EQ(h.sounds.count("sons/beep1.wav"), 0); // no host-start beep with an RC2
    EXPECT_EQ(h.sounds.when("sons/foghorn.wav"), 3040);

    // The decoder's own time is the passing time, not the frame's arrival
    // (1960 and 5960 ms after the start).
    h.pass(5000, 1, 1934);
    h.pass(9000, 1, 5921);
    h.runThrough(9000);
    EXPECT_EQ(h.slot(1).laps, 2);
    EXPECT_EQ(h.slot(1).lapTotals[1], 1934);
    EXPECT_EQ(h.slot(1).bestLap, 5921 - 1934);
}

TEST(HeatCountdown, RestAfterTheHeatAlertsOnceAndThenCountsTheOverrun)
{
    RaceOptions o = timedOptions(1, TimedEnd::SoundSignal);
    o.restMinutes = 1;
    HeatBench h(o);
    h.depart(0);
    h.runThrough(10000);
    h.run.arret();
    EXPECT_TRUE(h.run.state().restCountdown);
    h.runThrough(10050);
    EXPECT_EQ(h.run.texts().restMinutes, "1:00");
    EXPECT_EQ(h.run.texts().rest, "1:00 avant départ");
    h.runThrough(10000 + 65000);
    EXPECT_EQ(h.sounds.count("sons/nokia-sms.wav"), 2); // "Départ" alert + end of rest
    EXPECT_EQ(h.sounds.when("sons/nokia-sms.wav"), 0);
    EXPECT_TRUE(h.run.texts().restOverrun);
    EXPECT_EQ(h.run.texts().rest, "0:04 repos écoulé");
    h.depart(80000); // a stopped heat is not ready: nothing starts
    EXPECT_TRUE(h.run.state().restCountdown);
    h.run.effacer();
    h.run.depart();
    EXPECT_FALSE(h.run.state().restCountdown);
    EXPECT_EQ(h.run.texts().rest, "");
}

} // namespace
} // namespace ksy
