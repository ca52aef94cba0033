#include "ranking_commands.h"

#include "reports/ui/report_printer.h"
#include "results/global_ranking_form.h"
#include "results/ranking_sheets.h"
#include "results/round_ranking_form.h"
#include "storage/encoding.h"
#include "storage/file_stream.h"
#include "storage/race_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace ksy::cli {
namespace {

// A problem that ends the command: its line on standard error, status 2.
struct Failure {
    std::string text;
};

std::filesystem::path fromUtf8(std::string_view utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

// Boxes the opening would show go to standard error; the command goes on,
// as the dialog does.
class StderrPrompts : public Prompts {
public:
    void message(const std::string&, const std::string& text, PromptIcon) override
    {
        std::cerr << "kestrametrix-cli: " << text << "\n";
    }
    Answer askYesNoCancel(const std::string&, const std::string&) override { return Answer::Yes; }
    Answer askYesNo(const std::string&, const std::string&) override { return Answer::Yes; }
};

struct Options {
    bool global = false;
    std::string race;
    std::map<std::string, std::string> values; // option -> value
    bool store = false;
};

const std::vector<std::string>& valueOptions(bool global)
{
    static const std::vector<std::string> round {
        "--category", "--round", "--criterion", "--scale", "--export", "--pdf", "--xlsx", "--csv"};
    static const std::vector<std::string> all {
        "--category", "--best", "--tie", "--export", "--pdf", "--xlsx", "--csv"};
    return global ? all : round;
}

Options parse(int argc, char** argv)
{
    Options o;
    o.global = std::string_view(argv[1]) == "global";
    const char* usage = o.global
        ? "usage: kestrametrix-cli global RACE --category C [--best N] [--tie KEYWORD] "
          "[--export FILE] [--pdf FILE] [--xlsx FILE] [--csv FILE] [--store]"
        : "usage: kestrametrix-cli ranking RACE --category C --round R [--criterion KEYWORD] "
          "[--scale P1,G2,G3,G4,G5,G6] [--export FILE] [--pdf FILE] [--xlsx FILE] [--csv FILE] "
          "[--store]";
    if (argc < 3 || std::string_view(argv[2]).starts_with("--"))
        throw Failure {usage};
    o.race = argv[2];
    const auto& known = valueOptions(o.global);
    for (int i = 3; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--store" && !o.store) {
            o.store = true;
            continue;
        }
        if (std::find(known.begin(), known.end(), option) == known.end() ||
            o.values.count(option) != 0)
            throw Failure {"unknown or repeated option \"" + option + "\"; " + usage};
        if (i + 1 >= argc)
            throw Failure {"option " + option + " needs a value"};
        o.values[option] = argv[++i];
    }
    if (o.values.count("--category") == 0 || (!o.global && o.values.count("--round") == 0))
        throw Failure {usage};
    return o;
}

// Digits only, at most maxDigits of them.
std::optional<int> digits(std::string_view text, std::size_t maxDigits)
{
    if (text.empty() || text.size() > maxDigits)
        return std::nullopt;
    int value = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || ptr != text.data() + text.size() || text[0] == '-' || text[0] == '+')
        return std::nullopt;
    return value;
}

int number(const Options& o, const std::string& option, std::size_t maxDigits, const char* what)
{
    const auto v = digits(o.values.at(option), maxDigits);
    if (!v)
        throw Failure {std::string(what) + " \"" + o.values.at(option) + "\" is not a number of " +
            "at most " + std::to_string(maxDigits) + " digit" + (maxDigits > 1 ? "s" : "")};
    return *v;
}

RankingMode keywordOption(const Options& o, const std::string& option)
{
    const auto mode = rankingModeFromKeyword(o.values.at(option));
    if (!mode)
        throw Failure {option + " \"" + o.values.at(option) +
            "\" is neither CLASSEMENTToursTemps nor CLASSEMENTMeilleurTour"};
    return *mode;
}

std::array<std::string, PointsScale::kCount> scaleOption(const std::string& text)
{
    std::array<std::string, PointsScale::kCount> out;
    std::size_t start = 0;
    for (int i = 0; i < PointsScale::kCount; ++i) {
        const std::size_t comma = text.find(',', start);
        const bool last = i == PointsScale::kCount - 1;
        if ((comma == std::string::npos) != last)
            throw Failure {"--scale \"" + text + "\" is not six values P1,G2,G3,G4,G5,G6"};
        out[static_cast<std::size_t>(i)] =
            text.substr(start, last ? std::string::npos : comma - start);
        const std::size_t limit = static_cast<std::size_t>(PointsScale::digits(i));
        if (!digits(out[static_cast<std::size_t>(i)], limit))
            throw Failure {"--scale value " + std::to_string(i + 1) + " \"" +
                out[static_cast<std::size_t>(i)] + "\" is not a number of at most " +
                std::to_string(limit) + " digits"};
        start = comma + 1;
    }
    return out;
}

// The category (and round) must exist in the race header.
RaceHeader checkedHeader(const Options& o, int category, std::optional<int> round)
{
    const auto file = fromUtf8(o.race);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec) || !FileStream::open(file, OpenMode::Read))
        throw Failure {"cannot read the race file " + o.race};
    RaceHeader header;
    readRaceHeader(file, header);
    const int count = header.categories.count;
    if (category < 1 || category > std::min(count, kMaxCategories))
        throw Failure {"category " + std::to_string(category) + " does not exist in " + o.race +
            " (it has " + std::to_string(count) + ")"};
    const int rounds = header.categories.category(category).rounds;
    if (round && (*round < 1 || *round > std::min(rounds, kMaxRounds)))
        throw Failure {"round " + std::to_string(*round) + " does not exist in category " +
            std::to_string(category) + " (it has " + std::to_string(rounds) + ")"};
    return header;
}

std::filesystem::path scratchCopy(const std::filesystem::path& race)
{
    std::random_device random;
    const auto base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const auto dir = base / ("ksy-ranking-" + std::to_string(random()));
        std::error_code ec;
        if (std::filesystem::create_directory(dir, ec)) {
            std::filesystem::copy_file(race, dir / "Course.race", ec);
            if (ec)
                break;
            return dir;
        }
    }
    throw Failure {"cannot copy the race file to a scratch folder"};
}

ReportDate localDate()
{
    const std::time_t now = std::time(nullptr);
    std::tm t {};
    localtime_r(&now, &t);
    return {t.tm_mday, t.tm_mon + 1, t.tm_year + 1900, t.tm_hour, t.tm_min};
}

// The shipped images (the logo of the pages): beside the program, or the
// source tree's.
WorkFolder imageFolder()
{
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/data");
    if (QDir(beside).exists())
        return WorkFolder(fromUtf8(beside.toUtf8().toStdString()));
    return WorkFolder(std::filesystem::path(KSY_DATA_DIR));
}

struct Outcome {
    std::string exportBytes;
    ReportDocument report;
};

// Writes what was asked; a failure removes what this run wrote.
void writeOutputs(const Options& o, const Outcome& out, const std::filesystem::path& scratch,
    int& argc, char** argv)
{
    std::vector<std::filesystem::path> written;
    const auto fail = [&](const std::string& text) {
        std::error_code ec;
        for (const auto& f : written)
            std::filesystem::remove(f, ec);
        throw Failure {text};
    };
    if (o.values.count("--export")) {
        const auto file = fromUtf8(o.values.at("--export"));
        auto f = FileStream::open(file, OpenMode::Create);
        if (!f || !f->write(out.exportBytes) || !f->close())
            fail("cannot write the export file " + o.values.at("--export"));
        written.push_back(file);
    }
    for (const char* option : {"--xlsx", "--csv"}) {
        if (!o.values.count(option))
            continue;
        const auto file = fromUtf8(o.values.at(option));
        const OutSheet sheet = exportTextSheet(
            out.exportBytes, o.global ? "Classement global" : "Classement manche");
        if (!(option == std::string_view("--xlsx") ? writeXlsxFile(file, sheet)
                                                   : writeCsvFile(file, sheet)))
            fail("cannot write the spreadsheet " + o.values.at(option));
        written.push_back(file);
    }
    if (o.values.count("--pdf")) {
        if (out.report.pages.empty())
            fail("nothing to print: the category has no participant");
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
            const auto runtime = scratch / "runtime";
            std::error_code ec;
            std::filesystem::create_directory(runtime, ec);
            std::filesystem::permissions(runtime, std::filesystem::perms::owner_all, ec);
            qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime.string()));
        }
        // Qt's own warnings would add lines to the one this command reports.
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        QGuiApplication app(argc, argv);
        const auto file = fromUtf8(o.values.at("--pdf"));
        if (!writeReportPdf(out.report, imageFolder(), QString::fromStdString(file.string())))
            fail("cannot write the PDF file " + o.values.at("--pdf"));
        written.push_back(file);
    }
}

int run(const Options& o, int& argc, char** argv)
{
    const int category = number(o, "--category", 1, "--category");
    std::optional<int> round;
    if (!o.global)
        round = number(o, "--round", 1, "--round");
    std::optional<RankingMode> mode;
    if (o.values.count(o.global ? "--tie" : "--criterion"))
        mode = keywordOption(o, o.global ? "--tie" : "--criterion");
    std::optional<std::array<std::string, PointsScale::kCount>> scale;
    if (!o.global && o.values.count("--scale"))
        scale = scaleOption(o.values.at("--scale"));
    std::optional<int> best;
    if (o.global && o.values.count("--best"))
        best = number(o, "--best", 1, "--best");
    const RaceHeader header = checkedHeader(o, category, round);
    const auto race = fromUtf8(o.race);
    if (o.store && !FileStream::open(race, OpenMode::Update))
        throw Failure {"cannot write the race file " + o.race};

    // Without --store the race is read from a copy, so that a read-only
    // file can be ranked and nothing can touch it.
    const std::filesystem::path scratch = scratchCopy(race);
    struct Cleanup {
        std::filesystem::path dir;
        ~Cleanup()
        {
            std::error_code ec;
            std::filesystem::remove_all(dir, ec);
        }
    } cleanup {scratch};
    const auto source = o.store ? race : scratch / "Course.race";

    StderrPrompts prompts;
    Outcome out;
    std::optional<RoundRankingForm> roundForm;
    std::optional<GlobalRankingForm> globalForm;
    if (o.global) {
        globalForm.emplace(source, category, prompts);
        if (best)
            globalForm->typeBestRounds(std::to_string(*best));
        if (mode)
            globalForm->chooseTie(*mode);
        out = {globalForm->exportText(), globalForm->report(localDate())};
    } else {
        roundForm.emplace(source, category, *round, prompts);
        if (mode)
            roundForm->chooseCriterion(*mode);
        if (scale)
            for (int i = 0; i < PointsScale::kCount; ++i)
                roundForm->typeScale(
                    RoundRankingForm::FirstPlaceEdit + i, (*scale)[static_cast<std::size_t>(i)]);
        out = {roundForm->exportText(), roundForm->report(localDate())};
    }
    writeOutputs(o, out, scratch, argc, argv);
    if (o.store) {
        if (header.categories.category(category).resultsStored != 1)
            std::cerr << "kestrametrix-cli: nothing stored: category " << category
                      << " has no stored heat result yet\n";
        else if (!(o.global ? globalForm->validate() : roundForm->validate()))
            throw Failure {"cannot store the ranking in " + o.race};
    }
    const std::string text = cp1252ToUtf8(out.exportBytes);
    std::fwrite(text.data(), 1, text.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 2;
}

} // namespace

bool isRankingCommand(std::string_view command)
{
    return command == "ranking" || command == "global";
}

int runRankingCommand(int argc, char** argv)
{
    try {
        return run(parse(argc, argv), argc, argv);
    } catch (const Failure& f) {
        std::cerr << "kestrametrix-cli: " << f.text << "\n";
        return 2;
    }
}

} // namespace ksy::cli
