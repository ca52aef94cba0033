#include "fuzz/fuzz_entries.h"

#include "databases/database_loaders.h"
#include "databases/pilot_import.h"
#include "display/display_settings_check.h"
#include "planning/race_track.h"
#include "planning/starting_grid.h"
#include "race/heat_plan.h"
#include "race/participants.h"
#include "race/race_options.h"
#include "results/heat_comment_file.h"
#include "results/heat_result_section.h"
#include "results/pilot_result_file.h"
#include "results/ranking_open.h"
#include "results/ranking_sections.h"
#include "services/prompts.h"
#include "storage/char_source.h"
#include "storage/field_reader.h"
#include "storage/race_file.h"
#include "storage/section_file.h"
#include "storage/section_titles.h"
#include "storage/sheets/sheet_table.h"
#include "timing/decoder_protocol.h"
#include "timing/decoder_stream.h"
#include "timing/heat_journal_replay.h"
#include "timing/heat_journal_scenario.h"
#include "timing/heat_result_files.h"
#include "timing/interface_settings.h"
#include "timing/sound_settings.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace ksy::fuzz {
namespace {

std::string_view bytesOf(const std::uint8_t* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

// A working folder of this process, made once: the readers of files take paths.
const WorkFolder& scratchFolder()
{
    static const WorkFolder folder = [] {
        const auto root = std::filesystem::temp_directory_path() /
            ("ksy-fuzz-" + std::to_string(std::random_device {}()));
        std::filesystem::create_directories(root / "Private");
        return WorkFolder(root);
    }();
    return folder;
}

std::filesystem::path put(std::string_view relative, std::string_view bytes)
{
    const auto file = scratchFolder().file(relative);
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file;
}

// The first byte chooses among `count` readers; the rest is their input.
std::size_t choose(const std::uint8_t*& data, std::size_t& size, std::size_t count)
{
    if (size == 0)
        return 0;
    const std::size_t which = data[0] % count;
    ++data;
    --size;
    return which;
}

// The boxes a reader shows are of no interest here.
class SilentPrompts : public Prompts {
public:
    void message(const std::string&, const std::string&, PromptIcon) override { }
    Answer askYesNoCancel(const std::string&, const std::string&) override { return Answer::No; }
    Answer askYesNo(const std::string&, const std::string&) override { return Answer::No; }
};

// A replay runs a 10 ms tick over the heat's whole span: only short heats
// are replayed, so that each input takes milliseconds.
bool shortHeat(const HeatScenario& s)
{
    constexpr std::int64_t kLimitMs = 2 * 60 * 1000;
    if (s.endMs && (*s.endMs < 0 || *s.endMs > kLimitMs))
        return false;
    for (const ScenarioEvent& e : s.events)
        if (e.atMs < 0 || e.atMs > kLimitMs ||
            (e.decoderMs && (*e.decoderMs < 0 || *e.decoderMs > kLimitMs)))
            return false;
    return s.events.size() < 2000;
}

} // namespace

void raceFile(const std::uint8_t* data, std::size_t size)
{
    const auto file = put("Private/Course.race", bytesOf(data, size));
    Race race;
    loadRace(file, race);
    RaceTrack track;
    readRaceTrack(file, track);
    // Every category section is read by the same code: category 1 stands
    // for all, so that each input stays cheap.
    ParticipantList list;
    readParticipantList(file, 1, list);
    HeatPlan plan;
    readHeatPlan(file, 1, plan);
    StartingGrids grids;
    readStartingGrids(file, 1, grids);
    RaceOptions options;
    readRaceOptions(scratchFolder(), 1, options);
    readHeatSeating(file, 1, 1, 1);
    RunEntryTable table;
    HeatResultTexts texts;
    loadHeatResult(file, heatResultTitle(1, 1, 1), table, texts);
    RaceHeader header;
    const bool headerRead = readRaceHeader(file, header);
    const int n = headerRead && header.categories.count >= 1
        ? std::clamp(header.categories.category(1).participants, 0, kMaxParticipants)
        : 0;
    StoredRoundRanking round;
    readRoundRankingSection(file, 1, 1, n, round);
    StoredGlobalRanking global;
    readGlobalRankingSection(file, 1, n, global);
    SilentPrompts prompts;
    openRoundRanking(file, 1, 1, prompts);
    openGlobalRanking(file, 1, prompts);
    // The program rewrites sections of the files it loaded.
    if (headerRead)
        writeRaceHeader(file, header);
    storeHeatResult(file, heatResultTitle(1, 1, 1), 10, table, texts);
}

void sectionBodies(const std::uint8_t* data, std::size_t size)
{
    const std::size_t which = choose(data, size, 8);
    StringSource source(bytesOf(data, size));
    FieldReader in(source);
    switch (which) {
    case 0: {
        RaceHeader header;
        readRaceHeader(source, header);
        break;
    }
    case 1: {
        ParticipantList list;
        readParticipantListFields(in, list);
        break;
    }
    case 2: {
        HeatPlan plan;
        readHeatPlanFields(in, plan);
        break;
    }
    case 3: {
        StartingGrids grids;
        readStartingGridsFields(in, grids);
        break;
    }
    case 4: {
        RaceOptions options;
        readRaceOptionsFields(in, options);
        parseRaceOptionsLine(bytesOf(data, size), options);
        break;
    }
    case 5: {
        RaceTrack track;
        readRaceTrackFields(in, track);
        break;
    }
    case 6: {
        RunEntryTable table;
        HeatResultTexts texts;
        readHeatResultFields(source, table, texts);
        break;
    }
    default:
        sectionLookup(source, heatResultTitle(1, 1, 1));
        findSectionBody(source, trackSectionTitle());
        break;
    }
}

void databases(const std::uint8_t* data, std::size_t size)
{
    const std::size_t which = choose(data, size, 6);
    const auto file = put("base.bd", bytesOf(data, size));
    switch (which) {
    case 0:
        loadCourses(file);
        break;
    case 1:
        loadClubs(file);
        break;
    case 2:
        loadPilots(file);
        break;
    case 3:
        loadTransponderPacks(file);
        break;
    case 4:
        loadFrequencies(file);
        break;
    default:
        loadCountries(file);
        break;
    }
}

void settings(const std::uint8_t* data, std::size_t size)
{
    const std::size_t which = choose(data, size, 3);
    const std::string_view bytes = bytesOf(data, size);
    switch (which) {
    case 0: {
        DisplaySettings display;
        parseDisplaySettings(bytes, display);
        displaySettingsProblem(bytes);
        loadDisplaySettings(put("theme.scrn", bytes), display);
        break;
    }
    case 1: {
        SoundSettings sounds;
        parseSoundSettings(bytes, sounds);
        break;
    }
    default:
        put(kInterfaceSettingsFile, bytes);
        readInterfaceSettings(scratchFolder());
        break;
    }
}

void decoderBytes(const std::uint8_t* data, std::size_t size)
{
    cutRc1Frames(data, size);
    for (const Rc2Frame& f : cutRc2Frames(data, size))
        makePassing(f.transponder, f.decoderMs);
    // The same bytes as they come off the port, in reads of a few bytes.
    std::vector<std::int64_t> arrivals(size);
    for (std::size_t i = 0; i < size; ++i)
        arrivals[i] = static_cast<std::int64_t>(i) * 1040;
    for (const StreamCut cut : {StreamCut::Rc1, StreamCut::Rc2, StreamCut::Rc2WithReplies}) {
        DecoderStream stream;
        std::vector<ReceivedFrame> frames;
        for (std::size_t at = 0; at < size;) {
            const std::size_t n = std::min<std::size_t>(size - at, 1 + data[at] % 13);
            stream.feed(data + at, arrivals.data() + at, n, cut, 1'000'000, frames);
            at += n;
        }
    }
    decoderModelOf(bytesOf(data, size));
}

void heatScenario(const std::uint8_t* data, std::size_t size)
{
    // The recovery's reader passes over damaged lines instead.
    journalDamageText(parseHeatJournal(bytesOf(data, size)).damaged);
    const ScenarioParse parsed = parseHeatScenario(bytesOf(data, size));
    if (!parsed.scenario || !shortHeat(*parsed.scenario))
        return;
    formatScenarioSetUp(*parsed.scenario);
    replayHeat(*parsed.scenario, scratchFolder());
}

void exchangeFiles(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes = bytesOf(data, size);
    parseHeatDetail(bytes);
    parsePilotResult(bytes);
    put(kHeatCommentFile, bytes);
    std::string condition;
    std::string comment;
    readHeatComment(scratchFolder(), condition, comment);
}

namespace {

// An entry list goes on into the column match and the merge, as an import does.
void importSheet(const SheetRead& read)
{
    if (!read.table)
        return;
    const ColumnChoice columns = matchColumns(*read.table);
    if (columns.hasName())
        importPilots(*read.table, columns, {});
}

} // namespace

void csvSheet(const std::uint8_t* data, std::size_t size)
{
    importSheet(readCsv(bytesOf(data, size)));
}

void xlsxSheet(const std::uint8_t* data, std::size_t size)
{
    importSheet(readXlsx(bytesOf(data, size)));
}

void odsSheet(const std::uint8_t* data, std::size_t size)
{
    importSheet(readOds(bytesOf(data, size)));
}

} // namespace ksy::fuzz
