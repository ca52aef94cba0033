// Cost of the heat run's 10 ms tick, with and without the passing journal on
// the disk, of putting a journal record on the disk, and of replaying a whole
// heat.
#include "platform/background_journal_writer.h"
#include "timing/heat_journal.h"
#include "timing/heat_journal_replay.h"
#include "timing/heat_journal_scenario.h"
#include "timing/heat_run.h"
#include "steady.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <sys/resource.h>
#include <time.h>
#include <thread>
#include <unistd.h>
#include <vector>

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
BENCHMARK(BM_RunningTickWithOnePassing)->Unit(benchmark::kMicrosecond)->Apply(ksy::bench::steady);

// The journal as it was written before its worker thread: each record
// written and forced to the disk inside the tick (for comparison only).
class ForcedOnTickWriter : public JournalWriter {
public:
    ~ForcedOnTickWriter() override { finish(); }
    bool begin(const std::filesystem::path& file, bool append = false) override
    {
        finish();
        file_ = std::fopen(file.c_str(), append ? "ab" : "wb");
        return file_ != nullptr;
    }
    void append(std::string record) override
    {
        if (!file_ || std::fwrite(record.data(), 1, record.size(), file_) != record.size() ||
            std::fflush(file_) != 0 || ::fdatasync(fileno(file_)) != 0)
            failed_ = true;
    }
    void finish() override
    {
        if (file_)
            std::fclose(file_);
        file_ = nullptr;
    }
    bool failed() const override { return failed_; }

private:
    std::FILE* file_ = nullptr;
    bool failed_ = false;
};

// Percentiles of the timed ticks, in microseconds.
void reportPercentiles(benchmark::State& state, std::vector<double>& micros)
{
    if (micros.empty())
        return;
    std::sort(micros.begin(), micros.end());
    const auto at = [&](double q) {
        return micros[static_cast<std::size_t>(q * static_cast<double>(micros.size() - 1))];
    };
    state.counters["p50_us"] = at(0.50);
    state.counters["p99_us"] = at(0.99);
    state.counters["max_us"] = micros.back();
}

// What the thread did besides running: its processor time, the times it
// gave the processor up (waiting on a lock or the disk), was taken off it (the
// machine's other work) and the page faults (memory first touched).
struct TickUsage {
    double cpuUs = 0;
    long waits = 0;
    long preempted = 0;
    long faults = 0;

    static TickUsage now()
    {
        TickUsage u;
        timespec cpu {};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpu);
        u.cpuUs = static_cast<double>(cpu.tv_sec) * 1e6 + static_cast<double>(cpu.tv_nsec) / 1e3;
        rusage r {};
        getrusage(RUSAGE_THREAD, &r);
        u.waits = r.ru_nvcsw;
        u.preempted = r.ru_nivcsw;
        u.faults = r.ru_minflt + r.ru_majflt;
        return u;
    }
};

// The slowest tick and what it spent its time on: a slow tick whose time is
// not processor time and that gave nothing up was taken off the processor by
// the machine; one that waited or faulted points at the program's own work.
class SlowestTick {
public:
    void note(double us, const TickUsage& before, const TickUsage& after)
    {
        if (us > 2000)
            ++over2ms_;
        if (us <= us_)
            return;
        us_ = us;
        cpuUs_ = after.cpuUs - before.cpuUs;
        waits_ = after.waits - before.waits;
        preempted_ = after.preempted - before.preempted;
        faults_ = after.faults - before.faults;
    }
    void report(benchmark::State& state) const
    {
        state.counters["slowest_cpu_us"] = cpuUs_;
        state.counters["slowest_waits"] = static_cast<double>(waits_);
        state.counters["slowest_preempted"] = static_cast<double>(preempted_);
        state.counters["slowest_faults"] = static_cast<double>(faults_);
        state.counters["ticks_over_2ms"] = static_cast<double>(over2ms_);
    }

private:
    double us_ = -1;
    double cpuUs_ = 0;
    long waits_ = 0;
    long preempted_ = 0;
    long faults_ = 0;
    long over2ms_ = 0;
};

// A running tick in which one car crosses the line, with the passing journal
// of the program: HeatJournal as the heat run's listener writing the working
// folder's "Private/JournalPassages.txt" through a writer (the program's
// BackgroundJournalWriter, or the old forced write on the tick).
template <class Writer>
void runningTickWithJournal(benchmark::State& state)
{
    const auto folder = std::filesystem::temp_directory_path() / "ksy-bench-journal";
    std::filesystem::create_directories(folder / "Private");
    BenchClock clock;
    OnePassingDecoder decoder(clock);
    SilentSounds sounds;
    SilentPrompts prompts;
    HeatRun run(clock, decoder, sounds, prompts, WorkFolder(folder));
    Writer writer;
    HeatJournal journal(WorkFolder(folder), run, decoder, writer);
    run.setListener(&journal);
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
    std::vector<double> micros;
    micros.reserve(1 << 16);
    SlowestTick slowest;
    for (auto _ : state) {
        if (tickCount == 20 * 149) {
            state.PauseTiming();
            run.arret();
            run.effacer();
            restart();
            state.ResumeTiming();
        }
        decoder.pending = 101 + static_cast<int>(tickCount % 20);
        clock.ms += 10;
        const TickUsage before = TickUsage::now();
        const auto start = std::chrono::steady_clock::now();
        run.tick(clock.ms);
        const double us =
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                .count();
        slowest.note(us, before, TickUsage::now());
        if (micros.size() == micros.capacity()) {
            // Grown outside the timed tick: a copy of the samples is no tick's.
            state.PauseTiming();
            micros.reserve(2 * micros.capacity());
            state.ResumeTiming();
        }
        micros.push_back(us);
        ++tickCount;
    }
    slowest.report(state);
    if (!run.state().running)
        state.SkipWithError("the heat stopped");
    if (journal.failed())
        state.SkipWithError("the journal could not be written");
    reportPercentiles(state, micros);
}

void BM_RunningTickWithJournalOnDisk(benchmark::State& state)
{
    runningTickWithJournal<BackgroundJournalWriter>(state);
}
BENCHMARK(BM_RunningTickWithJournalOnDisk)->Unit(benchmark::kMicrosecond)->Apply(ksy::bench::steady);

void BM_RunningTickWithJournalForcedOnTick(benchmark::State& state)
{
    runningTickWithJournal<ForcedOnTickWriter>(state);
}
BENCHMARK(BM_RunningTickWithJournalForcedOnTick)
    ->Unit(benchmark::kMicrosecond)
    ->Apply(ksy::bench::steadyShort);

// From the hand-over of a passing's record by the tick to the record forced
// to the disk by the program's writer: what a power cut may lose. Records
// arrive every 10 ms, as from a busy tick.
void BM_JournalRecordOnDisk(benchmark::State& state)
{
    const auto file =
        std::filesystem::temp_directory_path() / "ksy-bench-journal" / "record-on-disk.txt";
    std::filesystem::create_directories(file.parent_path());
    BackgroundJournalWriter writer;
    writer.begin(file);
    std::vector<double> micros;
    const std::string record = "12345 passing 101 0:01:02.345\n";
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        writer.append(record);
        writer.drain();
        const auto done = std::chrono::steady_clock::now();
        micros.push_back(std::chrono::duration<double, std::micro>(done - start).count());
        state.PauseTiming();
        std::this_thread::sleep_until(start + std::chrono::milliseconds(10));
        state.ResumeTiming();
    }
    writer.finish();
    if (writer.failed())
        state.SkipWithError("the journal could not be written");
    reportPercentiles(state, micros);
}
BENCHMARK(BM_JournalRecordOnDisk)->Unit(benchmark::kMillisecond)->Apply(ksy::bench::steadyShort);

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
BENCHMARK(BM_Replay60MinuteHeatOf20Cars)->Unit(benchmark::kMillisecond)->Apply(ksy::bench::steady);

} // namespace
