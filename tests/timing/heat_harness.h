#pragma once
// A heat on a fake clock and a fake decoder, driven like the replay: actions
// dated T happen before the tick at T; passings queued at T are read by the
// first tick at or after T.
#include "support/fakes.h"
#include "timing/heat_run.h"

#include <cstdio>
#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ksy::test {

class FakeHeatDecoder : public HeatDecoder {
public:
    explicit FakeHeatDecoder(const FakeClock& clock)
        : clock_(clock)
    {
    }
    bool isRc2() const override { return rc2; }
    void discardReceived() override { queued_.clear(); }
    std::optional<std::int64_t> startHeat(std::vector<Passing>& early) override
    {
        ++startClockCalls;
        if (rc2) {
            // What came before the StartAck is not the heat's.
            early = std::exchange(queued_, {});
            if (acksAfter > 1) {
                --acksAfter;
                return std::nullopt;
            }
        }
        return clock_.counter();
    }
    std::vector<Passing> readPassings() override { return std::exchange(queued_, {}); }
    // A passing arriving now (RC2: with the decoder's time).
    void queue(int number, std::int64_t decoderMs = 0)
    {
        Passing p = makePassing(number, 0);
        p.arrivalCounter = clock_.counter();
        if (rc2)
            p.timeMs = *(p.decoderMs = decoderMs);
        queued_.push_back(p);
    }

    bool rc2 = false;
    int acksAfter = 1; // StartClock answered at this attempt
    int startClockCalls = 0;

private:
    const FakeClock& clock_;
    std::vector<Passing> queued_;
};

// Sounds with the host time at which they were played.
class TimedSoundPlayer : public SoundPlayer {
public:
    explicit TimedSoundPlayer(const FakeClock& clock)
        : clock_(clock)
    {
    }
    void playAsync(const std::string& f) override
    {
        played.push_back({clock_.milliseconds(), f, false});
    }
    void playAndWait(const std::string& f) override
    {
        played.push_back({clock_.milliseconds(), f, true});
    }
    // The alert is heard until the test ends it (alertMs after it started).
    void startAlert(const std::string& f) override
    {
        played.push_back({clock_.milliseconds(), f, true});
        alertEndsAt = clock_.milliseconds() + alertMs;
    }
    bool alertPlaying() const override { return clock_.milliseconds() < alertEndsAt; }
    std::int64_t alertMs = 0;
    std::int64_t alertEndsAt = 0;
    struct Played {
        std::int64_t ms;
        std::string file;
        bool waited;
    };
    std::vector<std::string> files() const
    {
        std::vector<std::string> out;
        for (const auto& p : played)
            out.push_back(p.file);
        return out;
    }
    // When the file was first played, or -1.
    std::int64_t when(const std::string& f) const
    {
        for (const auto& p : played)
            if (p.file == f)
                return p.ms;
        return -1;
    }
    int count(const std::string& f) const
    {
        int n = 0;
        for (const auto& p : played)
            n += p.file == f;
        return n;
    }
    std::vector<Played> played;

private:
    const FakeClock& clock_;
};

inline int transponderOf(int slot)
{
    return 1000 + slot;
}

struct HeatBench {
    explicit HeatBench(const RaceOptions& options, int pilots = 3, bool rc2 = false)
    {
        decoder.rc2 = rc2;
        run.setLocalTime([] { return LocalDateTime {2024, 5, 4, 14, 7}; });
        run.setOptions(options);
        RunEntryTable t;
        clearToEmptySlots(t);
        for (int k = 1; k <= pilots; ++k) {
            t.slot(k).pilotName = "Pilote " + std::to_string(k);
            t.slot(k).transponder = transponderText(transponderOf(k));
        }
        run.loadHeat(t);
    }

    // Ticks every 10 ms before T, then sets the clock to T.
    void runTo(std::int64_t t)
    {
        while (next < t) {
            clock.set(next);
            run.tick(next);
            next += 10;
        }
        clock.set(t);
    }
    // Also runs the tick at T.
    void runThrough(std::int64_t t) { runTo(t + 1); }
    void depart(std::int64_t t)
    {
        runTo(t);
        run.depart();
    }
    // Slot k's car crosses at T (RC2: with the decoder's time).
    void pass(std::int64_t t, int slot, std::optional<std::int64_t> decoderMs = std::nullopt)
    {
        runTo(t);
        decoder.queue(transponderOf(slot), decoderMs.value_or(0));
    }
    const RunEntry& slot(int k) const { return run.entries().slot(k); }
    // The start tick of a heat whose "Départ" was at 0: the countdown step
    // that reads 0 s ends its tick and the start comes at the next one.
    std::int64_t startAt() const { return run.options().countdownSeconds * 1000LL + 20; }

    FakeClock clock;
    FakeHeatDecoder decoder {clock};
    TimedSoundPlayer sounds {clock};
    FakePrompts prompts;
    TempDir dir;
    HeatRun run {clock, decoder, sounds, prompts, WorkFolder(dir.path())};
    std::int64_t next = 0;
};

inline RaceOptions timedOptions(int minutes, TimedEnd end, StartType start = StartType::SoundSignal)
{
    RaceOptions o;
    o.minutes = minutes;
    o.timedEnd = end;
    o.start = start;
    o.countdownSeconds = 3;
    return o;
}

inline RaceOptions lapsOptions(int laps, LapsEnd end, StartType start = StartType::SoundSignal)
{
    RaceOptions o;
    o.durationMode = DurationMode::Laps;
    o.laps = laps;
    o.lapsEnd = end;
    o.start = start;
    o.countdownSeconds = 3;
    return o;
}

} // namespace ksy::test
