#pragma once
// A heat of 20 cars run tick by tick on a fake clock, each car crossing the
// line every `lapSeconds` seconds, for the tests and the benchmark that time
// the tick while the live results are being served.
#include "display/board_sources.h"
#include "timing/heat_run.h"

#include <filesystem>

namespace ksy::test {

class SteppedHeat {
public:
    explicit SteppedHeat(int minutes, int lapSeconds = 20)
        : decoder_(clock_)
        , run_(clock_, decoder_, sounds_, prompts_,
              WorkFolder(std::filesystem::temp_directory_path()))
        , lapMs_(lapSeconds * 1000)
    {
        RaceOptions o;
        o.minutes = minutes;
        o.countdownSeconds = 0;
        run_.setOptions(o);
        run_.setLapProtectionSeconds(1);
        RunEntryTable t;
        clearToEmptySlots(t);
        for (int k = 1; k <= kSlotCount; ++k) {
            t.slot(k).pilotName = "Pilote " + std::to_string(k);
            t.slot(k).transponder = transponderText(100 + k);
        }
        run_.loadHeat(t);
        run_.depart();
    }

    // One 10 ms tick; a car crosses the line on every 1/20 of a lap.
    void tick()
    {
        clock_.ms += 10;
        const std::int64_t slice = lapMs_ / kSlotCount;
        if (clock_.ms % slice == 0)
            decoder_.pending = 101 + static_cast<int>((clock_.ms / slice) % kSlotCount);
        run_.tick(clock_.ms);
    }
    bool running() const { return run_.state().running || run_.state().armed; }
    const HeatRun& run() const { return run_; }
    BoardInputs board() const
    {
        return boardInputs(run_.texts(), run_.standings(), "Essai - Manche1 - Série1", false);
    }

private:
    struct StepClock : Clock {
        std::int64_t milliseconds() const override { return ms; }
        std::int64_t counter() const override { return ms * 1000; }
        std::int64_t counterFrequency() const override { return 1000000; }
        std::int64_t ms = 0;
    };
    struct OnePassingDecoder : HeatDecoder {
        explicit OnePassingDecoder(const StepClock& c)
            : clock(c)
        {
        }
        bool isRc2() const override { return false; }
        void discardReceived() override { pending = -1; }
        std::optional<std::int64_t> startHeat(std::vector<Passing>&) override
        {
            return clock.counter();
        }
        std::vector<Passing> readPassings() override
        {
            if (pending < 0)
                return {};
            Passing p = makePassing(pending, 0);
            p.arrivalCounter = clock.counter();
            pending = -1;
            return {p};
        }
        const StepClock& clock;
        int pending = -1;
    };
    struct Silent : SoundPlayer {
        void playAsync(const std::string&) override { }
        void playAndWait(const std::string&) override { }
    };
    struct Quiet : Prompts {
        void message(const std::string&, const std::string&, PromptIcon) override { }
        Answer askYesNoCancel(const std::string&, const std::string&) override
        {
            return Answer::Yes;
        }
        Answer askYesNo(const std::string&, const std::string&) override { return Answer::Yes; }
    };

    StepClock clock_;
    OnePassingDecoder decoder_;
    Silent sounds_;
    Quiet prompts_;
    HeatRun run_;
    std::int64_t lapMs_;
};

} // namespace ksy::test
