#include "heat_harness.h"
#include "timing/transponder_modes_scan.h"

#include <gtest/gtest.h>

namespace ksy {
namespace {

using test::transponderOf;

struct ScanBench {
    explicit ScanBench(int pilots)
    {
        clearToEmptySlots(heat);
        for (int k = 1; k <= pilots; ++k) {
            heat.slot(k).pilotName = "Pilote " + std::to_string(k);
            heat.slot(k).transponder = "000001"; // personal ones, replaced by the scan
        }
        resetRunData(heat);
    }
    // Car `slot` crosses at T; the tick at T reads it.
    ScanEvent pass(std::int64_t t, int car)
    {
        clock.set(t);
        decoder.queue(transponderOf(car));
        return scan.tick();
    }
    int count(const std::string& f) const { return sounds.count(f); }

    test::FakeClock clock;
    test::FakeHeatDecoder decoder {clock};
    test::TimedSoundPlayer sounds {clock};
    TransponderScan scan {clock, decoder, sounds};
    RunEntryTable heat;
};

TEST(TransponderScan, EachNewTransponderTakesTheFirstFreeSlotAndACarCrossingTwiceKeepsOne)
{
    ScanBench b(6);
    EXPECT_EQ(b.scan.press(b.heat, false, false), ScanEvent::Refused); // no heat loaded
    EXPECT_EQ(b.scan.press(b.heat, true, true), ScanEvent::Refused); // heat running
    b.decoder.queue(999); // stale bytes from before the scan
    EXPECT_EQ(b.scan.press(b.heat, true, false), ScanEvent::Started);
    EXPECT_EQ(b.scan.status(), " Scan en cours");
    EXPECT_FALSE(b.scan.canClose());
    EXPECT_EQ(b.scan.scannedCount(), 14); // the "(NA)" slots
    EXPECT_EQ(b.scan.entries().slot(1).transponder, "");

    // The cars come in a random order; the second car crosses twice.
    const int cars[] = {4, 2, 2, 6, 1};
    std::int64_t t = 1000;
    for (int car : cars)
        EXPECT_EQ(b.pass(t += 1000, car), ScanEvent::None);
    EXPECT_EQ(b.scan.entries().slot(1).transponder, transponderText(transponderOf(4)));
    EXPECT_EQ(b.scan.entries().slot(2).transponder, transponderText(transponderOf(2)));
    EXPECT_EQ(b.scan.entries().slot(4).transponder, transponderText(transponderOf(1)));
    EXPECT_EQ(b.count("sons/beep1.wav"), 4); // no second beep for the car seen twice
    EXPECT_EQ(b.scan.scannedCount(), 18);
    // The board rows show the transponders found.
    int shown = 0;
    for (int i = 0; i < b.scan.standings().count; ++i)
        shown += b.scan.standings().board[static_cast<std::size_t>(i)].transponder.empty() ? 0 : 1;
    EXPECT_EQ(shown, 4);

    // Six distinct transponders complete the scan; the verification begins.
    EXPECT_EQ(b.pass(t += 1000, 3), ScanEvent::None);
    EXPECT_EQ(b.pass(t += 1000, 5), ScanEvent::VerificationStarted);
    EXPECT_EQ(b.scan.status(), " V\xC3\xA9rif en cours");
    EXPECT_EQ(b.scan.scannedCount(), 14);
    EXPECT_EQ(b.sounds.played.back().file, "sons/nokia-sms.wav");
    EXPECT_FALSE(b.sounds.played.back().waited); // the scan listens while it plays
}

// Scans cars 1..3 into slots 1..3 and starts the verification at T = 10 s.
void scanThree(ScanBench& b)
{
    b.scan.press(b.heat, true, false);
    b.pass(1000, 1);
    b.pass(2000, 2);
    ASSERT_EQ(b.pass(10000, 3), ScanEvent::VerificationStarted);
}

TEST(TransponderScan, VerificationBuzzesWhenTheCarsDoNotCrossInSlotOrder)
{
    ScanBench b(3);
    scanThree(b);
    EXPECT_EQ(b.pass(11000, 1), ScanEvent::None);
    EXPECT_EQ(b.pass(12000, 3), ScanEvent::None);
    EXPECT_EQ(b.scan.entries().slot(3).laps, 1);
    EXPECT_EQ(b.scan.entries().slot(3).totalTime, 2000); // since the verification began
    EXPECT_EQ(b.pass(12500, 3), ScanEvent::None); // within 2 s: not counted
    EXPECT_EQ(b.scan.entries().slot(3).laps, 1);
    EXPECT_EQ(b.pass(13000, 2), ScanEvent::Finished);
    EXPECT_FALSE(b.scan.checked());
    EXPECT_TRUE(b.scan.canClose());
    EXPECT_EQ(b.scan.status(),
        " V\xC3\xA9rif termin\xC3\xA9"
        "e");
    EXPECT_FALSE(b.scan.lastVerificationInOrder());
    EXPECT_EQ(b.sounds.played.back().file, "sons/buzz.wav");

    // In slot order: the end signal is the SMS tone.
    ScanBench ok(3);
    scanThree(ok);
    ok.pass(11000, 1);
    ok.pass(12000, 2);
    EXPECT_EQ(ok.pass(13000, 3), ScanEvent::Finished);
    EXPECT_TRUE(ok.scan.lastVerificationInOrder());
    EXPECT_EQ(ok.sounds.played.back().file, "sons/nokia-sms.wav");
}

TEST(TransponderScan, TheHeatGetsTheTranspondersButNeitherTheVerificationLapsNorLosesItsResults)
{
    ScanBench b(3);
    b.heat.slot(2).laps = b.heat.slot(2).passingCount = 4; // a stored result
    scanThree(b);
    b.pass(11000, 1);
    b.pass(12000, 2);
    ASSERT_EQ(b.pass(13000, 3), ScanEvent::Finished);
    RunEntryTable handed = b.heat;
    b.scan.copyTransponders(handed);
    EXPECT_EQ(handed.slot(2).transponder, transponderText(transponderOf(2)));
    EXPECT_EQ(handed.slot(2).laps, 4);
    EXPECT_EQ(handed.slot(1).laps, 0);
    EXPECT_EQ(handed.slot(4).transponder, "");

    // Stopped while scanning: the transponders found so far, the others none.
    ScanBench s(3);
    s.scan.press(s.heat, true, false);
    s.pass(1000, 2);
    EXPECT_EQ(s.scan.press(s.heat, true, false), ScanEvent::Stopped);
    EXPECT_EQ(s.sounds.played.back().file, "sons/nokia-sms.wav");
    EXPECT_EQ(s.pass(2000, 3), ScanEvent::None); // no longer reading
    RunEntryTable stopped = s.heat;
    s.scan.copyTransponders(stopped);
    EXPECT_EQ(stopped.slot(1).transponder, transponderText(transponderOf(2)));
    EXPECT_EQ(stopped.slot(2).transponder, "");
}

} // namespace
} // namespace ksy
