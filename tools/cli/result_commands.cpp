// kestrametrix-cli detail DETAILFILE --view passages|tours|positions
//   One line per lap: the lap number, then each pilot's passing time, lap
//   time or position at that lap.
// kestrametrix-cli analysis PILOTFILE [--laps F-L] [--pdf FILE]
//   The summary of laps F..L of a pilot's run; with --pdf also its print.
// kestrametrix-cli sheet RACE --category C --round R --heat H [--pdf FILE] [--xlsx FILE]
//                                                              [--csv FILE]
//   The result sheet of a stored heat, as PDF and/or as a spreadsheet.
#include "result_commands.h"

#include "planning/race_track.h"
#include "reports/ui/report_printer.h"
#include "results/heat_results_view.h"
#include "results/heat_sheet.h"
#include "results/pilot_result_file.h"
#include "results/ranking_sheets.h"
#include "results/run_analysis.h"
#include "results/run_analysis_layout.h"
#include "results/text_fields.h"
#include "session/heat_session.h"
#include "session/shown_heat_sheet.h"
#include "storage/race_file.h"
#include "storage/race_tree.h"
#include "timing/heat_decoder.h"
#include "timing/heat_result_files.h"
#include "timing/heat_run.h"
#include "tools/cli/exchange_check.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <string_view>

namespace ksycli {
namespace {

using namespace std::string_view_literals;

// A bad input: its line on standard error and status 2.
struct Refusal {
    std::string message;
};

int refuse(const std::string& message)
{
    std::cerr << "kestrametrix-cli: " << message << "\n";
    return 2;
}

std::filesystem::path fromUtf8(std::string_view utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

// The options after the file argument: "--name value" pairs, each once.
std::optional<std::map<std::string, std::string>> options(
    int argc, char** argv, std::initializer_list<std::string_view> allowed)
{
    std::map<std::string, std::string> out;
    for (int i = 3; i < argc; i += 2) {
        const std::string name = argv[i];
        if (i + 1 >= argc || std::find(allowed.begin(), allowed.end(), name) == allowed.end() ||
            out.count(name))
            return std::nullopt;
        out[name] = argv[i + 1];
    }
    return out;
}

std::optional<int> positiveNumber(std::string_view text)
{
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < 1)
        return std::nullopt;
    return value;
}

int print(const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

// Printing needs fonts: a GUI application without a display server.
void prepareGuiEnvironment()
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
        const auto runtime = std::filesystem::temp_directory_path() / "ksy-cli-runtime";
        std::error_code ec;
        std::filesystem::create_directory(runtime, ec);
        std::filesystem::permissions(runtime, std::filesystem::perms::owner_all, ec);
        qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime.string()));
    }
}

// The shipped images (the logo of the prints).
ksy::WorkFolder dataFolder()
{
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/data");
    if (QDir(beside).exists())
        return ksy::WorkFolder(fromUtf8(beside.toUtf8().toStdString()));
    return ksy::WorkFolder(std::filesystem::path(KSY_DATA_DIR));
}

int writePdf(const ksy::ReportDocument& doc, const std::string& file, int& argc, char** argv)
{
    prepareGuiEnvironment();
    const QGuiApplication app(argc, argv);
    if (!ksy::writeReportPdf(doc, dataFolder(), QString::fromStdString(file))) {
        std::cerr << "kestrametrix-cli: impossible d'\xC3\xA9"
                     "crire "
                  << file << "\n";
        return 1;
    }
    return 0;
}

std::string readInput(const std::string& file)
{
    const std::optional<std::string> bytes = ksy::readFileBytes(fromUtf8(file));
    if (!bytes)
        throw Refusal {"impossible de lire le fichier " + file};
    return *bytes;
}

int detail(int argc, char** argv)
{
    const auto opts = options(argc, argv, {"--view"});
    if (!opts || !opts->count("--view"))
        return refuse("usage: kestrametrix-cli detail DETAILFILE --view passages|tours|positions");
    const std::string& view = opts->at("--view");
    const ksy::HeatResultsMode mode = view == "passages" ? ksy::HeatResultsMode::Passings
        : view == "tours"                                ? ksy::HeatResultsMode::LapTimes
                                                         : ksy::HeatResultsMode::Positions;
    if (view != "passages" && view != "tours" && view != "positions")
        return refuse("vue inconnue \"" + view + "\" (passages, tours ou positions)");
    const std::string bytes = readInput(argv[2]);
    if (const auto bad = badHeatDetail(bytes))
        return refuse(std::string(argv[2]) + " : " + *bad);
    const ksy::HeatDetail parsed = ksy::parseHeatDetail(bytes);
    return print(ksy::heatResultsText(ksy::buildHeatResults(parsed), mode));
}

int analysis(int argc, char** argv)
{
    const auto opts = options(argc, argv, {"--laps", "--pdf"});
    if (!opts)
        return refuse("usage: kestrametrix-cli analysis PILOTFILE [--laps F-L] [--pdf FILE]");
    std::optional<std::pair<int, int>> range;
    if (opts->count("--laps")) {
        range = ksy::parseLapRange(opts->at("--laps"));
        if (!range)
            return refuse("intervalle de tours mal form\xC3\xA9 \"" + opts->at("--laps") +
                "\" (attendu F-L)");
    }
    const std::string bytes = readInput(argv[2]);
    if (const auto bad = badPilotResult(bytes))
        return refuse(std::string(argv[2]) + " : " + *bad);
    const ksy::PilotResult run = ksy::parsePilotResult(bytes);
    const int n = run.passingCount;
    const auto [first, last] =
        range ? ksy::clampLapRange(range->first, range->second, n) : ksy::clampLapRange(1, n, n);
    const std::string text = ksy::runAnalysisText(run, first, last);
    if (opts->count("--pdf")) {
        const int status =
            writePdf(ksy::runAnalysisReport(run, first, last), opts->at("--pdf"), argc, argv);
        if (status != 0)
            return status;
    }
    return print(text);
}

// Prompts of the loading: the first box ends the command as bad input.
class RefusingPrompts : public ksy::Prompts {
public:
    void message(const std::string&, const std::string& text, ksy::PromptIcon) override
    {
        if (first.empty())
            first = text;
    }
    ksy::Answer askYesNoCancel(const std::string&, const std::string&) override
    {
        return ksy::Answer::No;
    }
    ksy::Answer askYesNo(const std::string&, const std::string&) override
    {
        return ksy::Answer::No;
    }
    std::string first;
};

class StillClock : public ksy::Clock {
public:
    std::int64_t milliseconds() const override { return 0; }
    std::int64_t counter() const override { return 0; }
    std::int64_t counterFrequency() const override { return 1000; }
};

class Silence : public ksy::SoundPlayer {
public:
    void playAsync(const std::string&) override { }
    void playAndWait(const std::string&) override { }
};

// A scratch working folder that holds the race as the working race file.
class Scratch {
public:
    Scratch()
    {
        std::random_device random;
        const auto base = std::filesystem::temp_directory_path();
        for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
            const auto dir = base / ("ksy-sheet-" + std::to_string(random()));
            std::error_code ec;
            if (std::filesystem::create_directory(dir, ec))
                path_ = dir;
        }
    }
    ~Scratch()
    {
        std::error_code ec;
        if (!path_.empty())
            std::filesystem::remove_all(path_, ec);
    }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

int sheet(int argc, char** argv)
{
    const auto opts =
        options(argc, argv, {"--category", "--round", "--heat", "--pdf", "--xlsx", "--csv"});
    if (!opts || !opts->count("--category") || !opts->count("--round") || !opts->count("--heat") ||
        (!opts->count("--pdf") && !opts->count("--xlsx") && !opts->count("--csv")))
        return refuse("usage: kestrametrix-cli sheet RACE --category C --round R --heat H "
                      "[--pdf FILE] [--xlsx FILE] [--csv FILE]");
    const auto c = positiveNumber(opts->at("--category"));
    const auto r = positiveNumber(opts->at("--round"));
    const auto h = positiveNumber(opts->at("--heat"));
    if (!c || !r || !h || *c > 9 || *r > 9 || *h > 20)
        return refuse("cat\xC3\xA9gorie (1 \xC3\xA0 9), manche (1 \xC3\xA0 9) ou s\xC3\xA9rie (1 "
                      "\xC3\xA0 20) invalide");
    const std::string bytes = readInput(argv[2]);

    Scratch scratch;
    if (scratch.path().empty())
        return refuse("impossible de cr\xC3\xA9"
                      "er un dossier de travail temporaire");
    const ksy::WorkFolder folder(scratch.path());
    std::error_code ec;
    std::filesystem::create_directories(ksy::workingRaceFile(folder).parent_path(), ec);
    ksy::Race race;
    if (!ksy::replaceFileBytes(ksy::workingRaceFile(folder), bytes) ||
        !ksy::loadRace(ksy::workingRaceFile(folder), race))
        return refuse("impossible de lire la course " + std::string(argv[2]));

    // The heat must be an item of the race tree.
    const ksy::HeatId id {*c, *r, *h};
    const int code = ksy::heatSelectionCode(id);
    const auto items = ksy::buildRaceTree(race);
    if (std::none_of(items.begin(), items.end(),
            [code](const ksy::RaceTreeItem& item) { return item.code == code; }))
        return refuse("la s\xC3\xA9rie " + std::to_string(*h) + " de la manche " +
            std::to_string(*r) + " de la cat\xC3\xA9gorie " + std::to_string(*c) +
            " n'existe pas dans " + argv[2]);

    RefusingPrompts prompts;
    ksy::HeatSession session(folder);
    const ksy::LoadedHeat loaded =
        session.load(race, code, ksy::TransponderMode::Personal, {}, prompts);
    if (!prompts.first.empty())
        return refuse(prompts.first);
    StillClock clock;
    ksy::NoHeatDecoder decoder(clock);
    Silence sounds;
    ksy::HeatRun run(clock, decoder, sounds, prompts, folder);
    run.setOptions(loaded.options);
    run.loadHeat(loaded.slots);

    const ksy::HeatSheet sheet = ksy::shownHeatSheet(run, session, folder);
    if (sheet.standings.count == 0)
        return refuse("la s\xC3\xA9rie n'a aucun pilote");
    for (const char* option : {"--xlsx", "--csv"}) {
        if (!opts->count(option))
            continue;
        const std::filesystem::path file = fromUtf8(opts->at(option));
        const ksy::OutSheet out = ksy::heatSheetSheet(sheet);
        if (!(option == "--xlsx"sv ? ksy::writeXlsxFile(file, out)
                                   : ksy::writeCsvFile(file, out))) {
            std::cerr << "kestrametrix-cli: impossible d'\xC3\xA9"
                         "crire "
                      << opts->at(option) << "\n";
            return 1;
        }
    }
    if (!opts->count("--pdf"))
        return 0;
    return writePdf(ksy::heatSheetReport(sheet), opts->at("--pdf"), argc, argv);
}

} // namespace

bool isResultCommand(const char* verb)
{
    const std::string_view v = verb;
    return v == "detail" || v == "analysis" || v == "sheet";
}

int runResultCommand(int argc, char** argv)
{
    const std::string_view verb = argv[1];
    if (argc < 3)
        return refuse("usage: kestrametrix-cli " + std::string(verb) + " FILE ...");
    try {
        if (verb == "detail")
            return detail(argc, argv);
        if (verb == "analysis")
            return analysis(argc, argv);
        return sheet(argc, argv);
    } catch (const Refusal& r) {
        return refuse(r.message);
    }
}

} // namespace ksycli
