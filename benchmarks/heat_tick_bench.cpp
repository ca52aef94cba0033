// Cost of the heat run's 10 ms tick and of replaying a whole heat.
#include "timing/heat_journal_replay.h"
#include "timing/heat_journal_scenario.h"
#include "timing/heat_run.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

using namespace ksy;

class BenchClock : public Clock {
public:
    std::int64_t milliseconds() const override { return ms; }
    std::int64_t counter() const override { return ms * 1000; }
    std::int64_t counterFrequency() const override { return 1000000; }
    std::int64_t ms = 0;
};

// Hands the heat one passing per read when one is pending.
class OnePassingDecoder : public HeatDecoder {
public:
    explicit OnePassingDecoder(const BenchClock& clock) : clock_(clock) {}
    bool isRc2() const override { return false; }
    void discardReceived() override { pending = -1; }
    std::optional<std::int64_t> startHeat(std::vector<Passing>&) override
    {
        return clock_.counter();
    }
    std::vector<Passing> readPassings() override
    {
        if (pending < 0)
            return {};
        Passing p = makePassing(pending, 0);
        p.arrivalCounter = clock_.counter();
        pending = -1;
        return {p};
    }
    int pending = -1;

private:
    const BenchClock& clock_;
};

class SilentSounds : public SoundPlayer {
public:
    void playAsync(const std::string&) override {}
    void playAndWait(const std::string&) override {}
};

class SilentPrompts : public Prompts {
public:
    void message(const std::string&, const std::string&, PromptIcon) override {}
    Answer askYesNoCancel(const std::string&, const std::string&) override { return Answer::Yes; }
    Answer askYesNo(const std::string&, const std::string&) override { return Answer::Yes; }
};

RunEntryTable twentyPilots()
{
    RunEntryTable t;
    clearToEmptySlots(t);
    for (int k = 1; k <= kSlotCount; ++k) {
        t.slot(k).pilotName = "Pilote " + std::to_string(k);
        t.slot(k).transponder = transponderText(100 + k);
    }
    return t;
}

// One running tick of a 20-car heat in which one car crosses the line: the
// passing is read, accepted, the lap recorded, the standings and the board
// texts rebuilt.
void BM_RunningTickWithOnePassing(benchmark::State& state)
{
    BenchClock clock;
    OnePassingDecoder decoder(clock);
    SilentSounds sounds;
    SilentPrompts prompts;
    HeatRun run(clock, decoder, sounds, prompts, WorkFolder(std::filesystem::temp_directory_path()));
    RaceOptions o = RaceOptions{};
    o.minutes = 60;
    o.countdownSeconds = 0;
    run.setOptions(o);
    run.setLapProtectionSeconds(0);
    const RunEntryTable pilots = twentyPilots();
    std::int64_t tickCount = 0;
    auto restart = [&] {
        run.loadHeat(pilots);
        run.depart();
        for (int i = 0; i < 3; ++i) {
            clock.ms += 10;
            run.tick(clock.ms);
        }
        tickCount = 0;
    };
    restart();
    for (auto _ : state) {
        // Every car does at most 149 laps before the heat is set up again.
        if (tickCount == 20 * 149) {
            state.PauseTiming();
            run.arret();
            run.effacer();
            restart();
            state.ResumeTiming();
        }
        decoder.pending = 101 + static_cast<int>(tickCount % 20);
        clock.ms += 10;
        run.tick(clock.ms);
        ++tickCount;
    }
    if (!run.state().running)
        state.SkipWithError("the heat stopped");
}
BENCHMARK(BM_RunningTickWithOnePassing);

// A whole 60-minute heat of 20 cars, each lapping in about 62 s, replayed
// tick by tick (360 000 ticks, about 1 160 passings).
void BM_Replay60MinuteHeatOf20Cars(benchmark::State& state)
{
    HeatScenario s;
    s.options = RaceOptions{};
    s.options.minutes = 60;
    s.options.countdownSeconds = 5;
    for (int k = 1; k <= kSlotCount; ++k)
        s.slots[static_cast<std::size_t>(k - 1)] = {"Pilote " + std::to_string(k),
                                                    transponderText(100 + k)};
    s.events.push_back({0, ScenarioEvent::Kind::Depart, 0, std::nullopt});
    for (std::int64_t t = 10000; t < 3700000; t += 1000) {
        const int car = static_cast<int>((t / 1000) % 62);
        if (car < kSlotCount)
            s.events.push_back({t, ScenarioEvent::Kind::Passing, 101 + car, std::nullopt});
    }
    s.endMs = 3700000;
    const auto scratch = std::filesystem::temp_directory_path() / "ksy-bench-replay";
    std::filesystem::create_directories(scratch);
    std::size_t size = 0;
    for (auto _ : state)
        size += replayHeat(s, WorkFolder(scratch)).size();
    benchmark::DoNotOptimize(size);
    std::filesystem::remove_all(scratch);
}
BENCHMARK(BM_Replay60MinuteHeatOf20Cars)->Unit(benchmark::kMillisecond);

} // namespace
