// The decoder's line at its real speed on a pseudo-terminal, read through the
// program's serial port and decoder link as the window's 10 ms tick does:
//  - BM_Rc1StampError: how long after its last byte was written an RC1
//    passing is stamped (goal: under 2 ms at the 99th percentile);
//  - BM_HeatTickWhilePacedStreamArrives: the duration of the heat run's tick
//    with 20 cars while their passings arrive (goal: under 50 µs).
// Each runs a few seconds once and reports percentiles as counters
// (microseconds); the reported time is the mean of the measured values.
#include "platform/qt_clock.h"
#include "platform/serial_port.h"
#include "timing/decoder_link.h"
#include "timing/heat_run.h"
#include "steady.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace ksy;
using Steady = std::chrono::steady_clock;

// One byte of 8N1 at 9600 baud.
constexpr auto kByteTime = std::chrono::nanoseconds(1041667);
constexpr auto kFrameGap = std::chrono::milliseconds(5);

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

// An RC1 on the master side of a pseudo-terminal, the program's decoder link
// on its slave side.
class PacedRc1Line {
public:
    explicit PacedRc1Line(int frames)
        : sentAt_(static_cast<std::size_t>(frames))
    {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0)
            return;
        std::filesystem::create_directories(folder_.root());
        std::ofstream(folder_.file(kInterfaceSettingsFile))
            << ptsname(master_) << "\t0\tKestrametrix\n";
        link_.startUp();
    }
    ~PacedRc1Line()
    {
        if (writer_.joinable())
            writer_.join();
        port_.close();
        if (master_ >= 0)
            ::close(master_);
        std::error_code ec;
        std::filesystem::remove_all(folder_.root(), ec);
    }
    bool ready() const { return master_ >= 0 && port_.isOpen() && !link_.isRc2(); }

    // Frames of transponders 101 to 120 in turn, their two bytes 1.04 ms
    // apart, a frame every 5 ms; the counter reading after each last byte.
    void startWriting()
    {
        writer_ = std::thread([this] {
            auto next = Steady::now();
            for (std::size_t n = 0; n < sentAt_.size(); ++n) {
                const int number = 101 + static_cast<int>(n % 20);
                const std::uint8_t bytes[2] = {static_cast<std::uint8_t>(number >> 8),
                    static_cast<std::uint8_t>(number & 0xFF)};
                for (std::uint8_t b : bytes) {
                    std::this_thread::sleep_until(next);
                    (void)!::write(master_, &b, 1);
                    next += kByteTime;
                }
                sentAt_[n] = clock_.counter();
                written_.store(n + 1, std::memory_order_release);
                next += kFrameGap - 2 * kByteTime;
            }
        });
    }
    bool done() const { return written_.load(std::memory_order_acquire) == sentAt_.size(); }
    std::int64_t sentAt(std::size_t n) const { return sentAt_[n]; }

    QtClock& clock() { return clock_; }
    DecoderLink& link() { return link_; }
    const WorkFolder& folder() const { return folder_; }

private:
    QtClock clock_;
    SystemSerialLink port_ {&clock_};
    SilentPrompts prompts_;
    WorkFolder folder_ {std::filesystem::temp_directory_path() /
        ("ksy-stamp-bench-" + std::to_string(getpid()))};
    DecoderLink link_ {port_, clock_, prompts_, folder_};
    int master_ = -1;
    std::vector<std::int64_t> sentAt_;
    std::atomic<std::size_t> written_ {0};
    std::thread writer_;
};

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1));
    return values[at];
}

void report(benchmark::State& state, const std::vector<double>& us, const char* name)
{
    state.counters[std::string(name) + "_p50_us"] = percentile(us, 0.50);
    state.counters[std::string(name) + "_p99_us"] = percentile(us, 0.99);
    state.counters[std::string(name) + "_max_us"] = percentile(us, 1.0);
    state.counters["samples"] = static_cast<double>(us.size());
}

// The window's timer: every 10 ms, whatever the tick costs.
template <typename Tick>
void tickEvery10Ms(PacedRc1Line& line, Tick tick)
{
    auto next = Steady::now();
    const auto tail = std::chrono::milliseconds(100);
    auto end = Steady::time_point::max();
    while (Steady::now() < end) {
        next += std::chrono::milliseconds(10);
        std::this_thread::sleep_until(next);
        tick();
        if (line.done() && end == Steady::time_point::max())
            end = Steady::now() + tail;
    }
}

void BM_Rc1StampError(benchmark::State& state)
{
    const int frames = 600; // 3 s of line
    for (auto _ : state) {
        PacedRc1Line line(frames);
        if (!line.ready()) {
            state.SkipWithError("no pseudo-terminal");
            return;
        }
        std::vector<double> errorsUs;
        std::size_t read = 0;
        line.startWriting();
        tickEvery10Ms(line, [&] {
            for (const Passing& p : line.link().readPassings()) {
                if (read < static_cast<std::size_t>(frames))
                    errorsUs.push_back(
                        static_cast<double>(p.arrivalCounter - line.sentAt(read)) / 1000.0);
                ++read;
            }
        });
        report(state, errorsUs, "stamp");
        // A writer thread held off the processor for more than 100 ms between
        // the two bytes of a frame makes its first byte noise (a real line
        // never pauses inside a frame): counted, not hidden.
        state.counters["lost"] = static_cast<double>(frames) - static_cast<double>(read);
        state.SetIterationTime(
            std::accumulate(errorsUs.begin(), errorsUs.end(), 0.0) / 1e6 /
            static_cast<double>(std::max<std::size_t>(errorsUs.size(), 1)));
    }
}
// One iteration is 3 s of line in real time: repeated, not lengthened.
BENCHMARK(BM_Rc1StampError)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Apply(ksy::bench::repeated);

void BM_HeatTickWhilePacedStreamArrives(benchmark::State& state)
{
    const int frames = 600;
    for (auto _ : state) {
        PacedRc1Line line(frames);
        if (!line.ready()) {
            state.SkipWithError("no pseudo-terminal");
            return;
        }
        LinkedHeatDecoder decoder(line.link());
        SilentSounds sounds;
        SilentPrompts prompts;
        HeatRun run(line.clock(), decoder, sounds, prompts, line.folder());
        RaceOptions options;
        options.minutes = 60;
        options.countdownSeconds = 0;
        run.setOptions(options);
        SoundChoices quiet;
        quiet.countdownVoice = false;
        run.setSoundChoices(quiet);
        run.setLapProtectionSeconds(0);
        RunEntryTable slots;
        clearToEmptySlots(slots);
        for (int k = 1; k <= kSlotCount; ++k) {
            slots.slot(k).pilotName = "Pilote " + std::to_string(k);
            slots.slot(k).transponder = transponderText(100 + k);
        }
        run.loadHeat(slots);
        run.depart();
        for (int i = 0; i < 3 && !run.state().running; ++i)
            run.tick(line.clock().milliseconds());
        if (!run.state().running) {
            state.SkipWithError("the heat did not start");
            return;
        }
        std::vector<double> ticksUs;
        std::vector<double> quietTicksUs; // no passing read
        line.startWriting();
        tickEvery10Ms(line, [&] {
            const std::uint64_t changes = run.changeCount();
            const std::int64_t before = line.clock().counter();
            run.tick(line.clock().milliseconds());
            const double us = static_cast<double>(line.clock().counter() - before) / 1000.0;
            ticksUs.push_back(us);
            if (run.changeCount() == changes)
                quietTicksUs.push_back(us);
        });
        int laps = 0;
        for (const RunEntry& e : run.entries().slots)
            laps += e.laps;
        report(state, ticksUs, "tick");
        state.counters["lost"] = frames - laps;
        state.counters["quiet_tick_p50_us"] = percentile(quietTicksUs, 0.50);
        state.counters["laps"] = laps;
        state.SetIterationTime(std::accumulate(ticksUs.begin(), ticksUs.end(), 0.0) / 1e6 /
            static_cast<double>(std::max<std::size_t>(ticksUs.size(), 1)));
    }
}
BENCHMARK(BM_HeatTickWhilePacedStreamArrives)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Apply(ksy::bench::repeated);

} // namespace
