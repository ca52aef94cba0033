// The race-file paths an official waits for, on the largest race there can
// be: 9 categories x 9 rounds x 20 heats x 20 pilots x 150 laps (about 43 MB),
// written by the program's own writers. Writes are flushed to the disk as
// in the program.
#include "platform/posix_durable_io.h"
#include "race/heat_plan.h"
#include "race/participants.h"
#include "results/heat_result_section.h"
#include "session/heat_session.h"
#include "storage/durable_io.h"
#include "storage/file_stream.h"
#include "storage/race_file.h"
#include "storage/race_lifecycle.h"
#include "storage/section_index.h"
#include "storage/section_titles.h"
#include "steady.h"

#include <algorithm>
#include <array>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

using namespace ksy;

class SilentPrompts : public Prompts {
public:
    void message(const std::string&, const std::string&, PromptIcon) override { }
    Answer askYesNoCancel(const std::string&, const std::string&) override { return Answer::Yes; }
    Answer askYesNo(const std::string&, const std::string&) override { return Answer::Yes; }
};

std::string pilotName(int category, int j)
{
    char name[40];
    std::snprintf(name, sizeof name, "PILOTE %d-%03d", category, j);
    return name;
}

RunEntryTable heatWithLaps(int category, int first)
{
    RunEntryTable t;
    clearToEmptySlots(t);
    for (int k = 1; k <= kSlotCount; ++k) {
        RunEntry& e = t.slot(k);
        e.number = k;
        e.pilotName = pilotName(category, first + k - 1);
        char transponder[8];
        std::snprintf(transponder, sizeof transponder, "%06d", 1000 * category + first + k);
        e.transponder = transponder;
        e.laps = 150;
        e.passingCount = 151;
        for (int n = 1; n <= 150; ++n) {
            e.lapTimes[static_cast<std::size_t>(n)] = 61000 + 37 * k + n;
            e.lapTotals[static_cast<std::size_t>(n)] =
                e.lapTotals[static_cast<std::size_t>(n - 1)] +
                e.lapTimes[static_cast<std::size_t>(n)];
            e.lapPositions[static_cast<std::size_t>(n)] = k;
        }
        e.totalTime = e.lapTotals[150];
        e.bestLap = 61000 + 37 * k + 1;
        e.recomputedBestLap = e.bestLap;
    }
    return t;
}

int lastHeatCode()
{
    return 10000 * kMaxCategories + 3000 + 100 * kMaxRounds + kMaxHeatsPerRound;
}

// The worst-case race, made once per run in a folder of its own.
struct LargestRace {
    std::filesystem::path root;
    WorkFolder folder;
    std::filesystem::path saved; // the race as the official keeps it

    LargestRace()
    {
        root = std::filesystem::temp_directory_path() / "ksy-bench-race";
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root);
        folder = WorkFolder(root);
        const auto file = workingRaceFile(folder);
        Race race;
        createNewRaceFile(file, race);
        while (race.addCategory()) { }
        for (int c = 1; c <= kMaxCategories; ++c) {
            auto& record = race.category(c);
            record.participants = kMaxParticipants;
            record.resultsStored = 1;
            record.rounds = kMaxRounds;
            record.heatsPerRound = kMaxHeatsPerRound;
        }
        for (int c = 1; c <= kMaxCategories; ++c) {
            ParticipantList list;
            HeatPlan plan;
            plan.pilotsPerHeat = kSlotCount;
            plan.rounds = kMaxRounds;
            plan.resultsStored = 1;
            for (int j = 0; j < kMaxParticipants; ++j) {
                list.at(j).name = pilotName(c, j);
                plan.at(j) = pilotName(c, j);
            }
            writeParticipantList(file, c, list, true);
            writeHeatPlan(file, c, plan, true);
        }
        for (int c = 1; c <= kMaxCategories; ++c)
            for (int r = 1; r <= kMaxRounds; ++r)
                for (int h = 1; h <= kMaxHeatsPerRound; ++h) {
                    const HeatResultTexts texts;
                    storeHeatResult(file, heatResultTitle(c, r, h), kSlotCount,
                        heatWithLaps(c, (h - 1) % 10 * 20), texts);
                    race.heatFlags.set(c, r, h, true);
                }
        race.header.selection = lastHeatCode();
        writeRaceHeader(file, race.header);
        writeHeatFlags(file, race.heatFlags);
        saved = root / "Championnat.race";
        copyRaceFile(file, saved);
    }
};

// Drops the file's pages from the page cache (the file must be clean).
bool dropFromPageCache(const std::filesystem::path& file)
{
    const int fd = ::open(file.c_str(), O_RDONLY);
    if (fd < 0)
        return false;
    const bool dropped = ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED) == 0;
    ::close(fd);
    return dropped;
}

LargestRace& largestRace()
{
    static PosixDurableIo durable;
    static LargestRace race;
    installDurableIo(&durable);
    return race;
}

void storeLastHeat(benchmark::State& state)
{
    LargestRace& lr = largestRace();
    Race race;
    loadRace(workingRaceFile(lr.folder), race);
    HeatSession session(lr.folder);
    SilentPrompts prompts;
    RunEntryTable shown =
        session.load(race, lastHeatCode(), TransponderMode::Personal, {}, prompts).slots;
    const auto file = workingRaceFile(lr.folder);
    const auto sizeBefore = std::filesystem::file_size(file);
    const std::int32_t total = shown.slot(1).totalTime;
    int edit = 0;
    for (auto _ : state) {
        // A corrected total time, as after an edit of the results: new bytes
        // in the section each time.
        shown.slot(1).totalTime = total + (++edit % 100) + 1;
        const HeatStoreOutcome out = session.storeShownHeat(race, shown, true, prompts);
        if (!out.written)
            state.SkipWithError("the heat was not stored");
    }
    RunEntryTable stored;
    HeatResultTexts texts;
    loadHeatResult(file, heatResultTitle(kMaxCategories, kMaxRounds, kMaxHeatsPerRound), stored,
        texts);
    if (stored.slot(1).totalTime != shown.slot(1).totalTime ||
        std::filesystem::file_size(file) != sizeBefore)
        state.SkipWithError("the stored heat is not the one shown");
}

void loadLastHeat(benchmark::State& state)
{
    LargestRace& lr = largestRace();
    Race race;
    loadRace(workingRaceFile(lr.folder), race);
    HeatSession session(lr.folder);
    SilentPrompts prompts;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            session.load(race, lastHeatCode(), TransponderMode::Personal, {}, prompts));
}

void openRace(benchmark::State& state)
{
    LargestRace& lr = largestRace();
    SilentPrompts prompts;
    for (auto _ : state) {
        // The copy of the previous round reaches the disk on its own thread
        // in about a second; an official does not open races faster.
        state.PauseTiming();
        awaitFlush(workingRaceFile(lr.folder));
        state.ResumeTiming();
        // As "Charger une course": the chosen file checked, copied over the
        // working race, the race loaded, then the heat selected last.
        benchmark::DoNotOptimize(checkRaceFile(lr.saved));
        loadIntoWorkingRace(lr.folder, lr.saved);
        Race race;
        loadRace(workingRaceFile(lr.folder), race);
        HeatSession session(lr.folder);
        benchmark::DoNotOptimize(
            session.load(race, race.header.selection, TransponderMode::Personal, {}, prompts));
    }
}

// The same with the chosen file as a program that has just started finds it:
// none of its bytes in the page cache (dropped for that file alone, which is
// clean on the disk), and no index of its titles.
void openRaceCold(benchmark::State& state)
{
    LargestRace& lr = largestRace();
    SilentPrompts prompts;
    for (auto _ : state) {
        state.PauseTiming();
        awaitFlush(workingRaceFile(lr.folder));
        indexForget(lr.saved);
        if (!dropFromPageCache(lr.saved))
            state.SkipWithError("the page cache cannot be dropped for the file");
        state.ResumeTiming();
        benchmark::DoNotOptimize(checkRaceFile(lr.saved));
        loadIntoWorkingRace(lr.folder, lr.saved);
        Race race;
        loadRace(workingRaceFile(lr.folder), race);
        HeatSession session(lr.folder);
        benchmark::DoNotOptimize(
            session.load(race, race.header.selection, TransponderMode::Personal, {}, prompts));
    }
}

// The start-up's part of the race file with that race as the previous
// working race: the crash copy "PcCrashRace.race", then a new working race.
void startUp(benchmark::State& state)
{
    LargestRace& lr = largestRace();
    const auto working = workingRaceFile(lr.folder);
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::copy_file(
            lr.saved, working, std::filesystem::copy_options::overwrite_existing);
        indexForget(working);
        // The previous run's race has long been on the disk.
        durableIo().syncFile(working);
        state.ResumeTiming();
        benchmark::DoNotOptimize(keepCrashCopy(lr.folder));
        Race race;
        benchmark::DoNotOptimize(createNewRaceFile(working, race));
    }
}

// A file of about `size` bytes cut from the largest race, searched for a
// title it does not hold, so the whole file is read.
std::filesystem::path prefixFile(std::int64_t size)
{
    LargestRace& lr = largestRace();
    const auto file = lr.root / ("prefix-" + std::to_string(size) + ".race");
    if (!std::filesystem::exists(file)) {
        auto in = FileStream::open(lr.saved, OpenMode::Read);
        std::string bytes = in->readRest();
        bytes.resize(std::min<std::size_t>(bytes.size(), static_cast<std::size_t>(size)));
        std::ofstream(file, std::ios::binary) << bytes;
    }
    return file;
}

void sectionLookupScan(benchmark::State& state)
{
    const auto file = prefixFile(state.range(0));
    const std::string absent = heatResultTitle(9, 9, 21);
    for (auto _ : state) {
        indexForget(file); // as after a change by another program
        auto f = FileStream::open(file, OpenMode::Read);
        benchmark::DoNotOptimize(sectionLookup(*f, absent));
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

// The lookup as the program did it before its block reader: one byte at a
// time through stdio and a virtual call, the first field of each line copied
// into a 105-byte buffer (for comparison only).
class StdioSource {
public:
    explicit StdioSource(const std::filesystem::path& file) : f_(std::fopen(file.c_str(), "rb")) {}
    virtual ~StdioSource() { std::fclose(f_); }
    virtual int get() { return std::fgetc(f_); }

private:
    std::FILE* f_;
};

bool byteByByteLookup(StdioSource& in, const std::string& title)
{
    std::array<char, 105> wanted {};
    std::copy(title.begin(), title.end(), wanted.begin());
    int c = in.get();
    while (c != EOF) {
        std::array<char, 105> field {};
        std::size_t n = 0;
        while (c != '\t' && c != '\n' && c != EOF) {
            if (n < 104)
                field[n++] = static_cast<char>(c);
            c = in.get();
        }
        while (c != '\n' && c != EOF)
            c = in.get();
        c = in.get();
        if (field == wanted)
            return true;
    }
    return false;
}

void sectionLookupByteByByte(benchmark::State& state)
{
    const auto file = prefixFile(state.range(0));
    const std::string absent = heatResultTitle(9, 9, 21);
    for (auto _ : state) {
        StdioSource in(file);
        benchmark::DoNotOptimize(byteByByteLookup(in, absent));
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void sectionLookupIndexed(benchmark::State& state)
{
    const auto file = prefixFile(state.range(0));
    const std::string absent = heatResultTitle(9, 9, 21);
    for (auto _ : state) {
        auto f = FileStream::open(file, OpenMode::Read);
        benchmark::DoNotOptimize(sectionLookup(*f, absent));
    }
}

constexpr std::int64_t kSizes[] = {1 << 10, 1 << 20, 10 << 20, 43 << 20};

} // namespace

BENCHMARK(storeLastHeat)
    ->Name("race/store last heat")
    ->Unit(benchmark::kMillisecond)
    ->Apply(ksy::bench::steady);
BENCHMARK(loadLastHeat)
    ->Name("race/load last heat")
    ->Unit(benchmark::kMillisecond)
    ->Apply(ksy::bench::steady);
BENCHMARK(openRace)
    ->Name("race/open race")
    ->Unit(benchmark::kMillisecond)
    ->Apply(ksy::bench::steadyShort);
BENCHMARK(openRaceCold)
    ->Name("race/open race, cold page cache")
    ->Unit(benchmark::kMillisecond)
    ->Apply(ksy::bench::steadyShort);
BENCHMARK(startUp)
    ->Name("race/start-up, crash copy and new race")
    ->Unit(benchmark::kMillisecond)
    ->Apply(ksy::bench::steadyShort);
BENCHMARK(sectionLookupByteByByte)
    ->Name("race/section lookup, byte by byte (before)")
    ->Arg(kSizes[0])
    ->Arg(kSizes[1])
    ->Arg(kSizes[2])
    ->Arg(kSizes[3])
    ->Unit(benchmark::kMillisecond)
    ->Apply(ksy::bench::steadyShort);
BENCHMARK(sectionLookupScan)
    ->Name("race/section lookup, full scan")
    ->Arg(kSizes[0])
    ->Arg(kSizes[1])
    ->Arg(kSizes[2])
    ->Arg(kSizes[3])
    ->Unit(benchmark::kMillisecond)
    ->Apply(ksy::bench::steadyShort);
BENCHMARK(sectionLookupIndexed)
    ->Name("race/section lookup, indexed")
    ->Arg(kSizes[0])
    ->Arg(kSizes[1])
    ->Arg(kSizes[2])
    ->Arg(kSizes[3])
    ->Unit(benchmark::kMicrosecond)
    ->Apply(ksy::bench::steadyShort);
