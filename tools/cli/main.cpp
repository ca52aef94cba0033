// kestrametrix-cli replay SCENARIO [--png FILE [--size WxH] [--workdir DIR]]
//   Runs one heat from a scenario file (or a passing journal) on a fake clock
//   and a fake decoder and prints its sounds, stops, standings and entries.
//   With --png, also renders the live board as it stands at the end of the
//   heat on a screen of W x H pixels (default 1600x900), with the display
//   settings of the working folder DIR ("Private/RéglagesAffichage.rgsc" and
//   its images), or the shipped theme without --workdir.
//   Exit status: 0 done, 1 output not written, 2 bad usage or bad input
//   (nothing printed on stdout).
// kestrametrix-cli ranking | global RACE ...: see ranking_commands.h.
// kestrametrix-cli help, or COMMAND --help: see cli_help.h.
// --lang fr|en, anywhere: the language it speaks (see cli_language.h).
#include "board_png.h"
#include "cli_help.h"
#include "cli_language.h"
#include "display/board_sources.h"
#include "display/display_settings.h"
#include "participant_commands.h"
#include "pilot_commands.h"
#include "platform/shipped_data.h"
#include "publish.h"
#include "ranking_commands.h"
#include "result_commands.h"
#include "services/translate.h"
#include "storage/encoding.h"
#include "storage/work_folder.h"
#include "timing/heat_journal_replay.h"
#include "timing/heat_journal_scenario.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <string_view>

namespace {

struct Arguments {
    std::string scenario;
    std::optional<std::string> png;
    int width = 1600;
    int height = 900;
    bool sizeGiven = false;
    std::optional<std::string> workdir;
};

int usage()
{
    std::cerr << "usage: kestrametrix-cli replay SCENARIO [--png FILE [--size WxH] "
                 "[--workdir DIR]]\n";
    return 2;
}

bool parseInt(std::string_view text, int& value)
{
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

// "1920x1080", within what a screen can be.
bool parseSize(std::string_view text, int& width, int& height)
{
    const std::size_t x = text.find('x');
    if (x == std::string_view::npos || !parseInt(text.substr(0, x), width) ||
        !parseInt(text.substr(x + 1), height))
        return false;
    return width >= 320 && width <= 7680 && height >= 200 && height <= 4320;
}

std::optional<Arguments> parseArguments(int argc, char** argv)
{
    if (argc < 3 || std::string_view(argv[1]) != "replay")
        return std::nullopt;
    Arguments a;
    a.scenario = argv[2];
    for (int i = 3; i < argc; i += 2) {
        const std::string_view option = argv[i];
        if (i + 1 >= argc)
            return std::nullopt;
        const std::string value = argv[i + 1];
        if (option == "--png" && !a.png)
            a.png = value;
        else if (option == "--workdir" && !a.workdir)
            a.workdir = value;
        else if (option == "--size" && !a.sizeGiven) {
            if (!parseSize(value, a.width, a.height)) {
                std::cerr << "kestrametrix-cli: size \"" << value
                          << "\" is not WxH within 320x200 to 7680x4320\n";
                return std::nullopt;
            }
            a.sizeGiven = true;
        } else
            return std::nullopt;
    }
    // The render options mean nothing without a render.
    if (!a.png && (a.workdir || a.sizeGiven))
        return std::nullopt;
    return a;
}

std::filesystem::path fromUtf8(std::string_view utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

// A scratch working folder for the files a heat writes on the way.
std::filesystem::path makeScratchFolder()
{
    std::random_device random;
    const auto base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const auto dir = base / ("ksy-replay-" + std::to_string(random()));
        std::error_code ec;
        if (std::filesystem::create_directory(dir, ec))
            return dir;
    }
    return {};
}

// The working folder whose settings and images the render uses.
std::optional<ksy::WorkFolder> renderFolder(const Arguments& a, ksy::DisplaySettings& settings)
{
    const ksy::WorkFolder folder(
        a.workdir ? fromUtf8(*a.workdir) : ksy::shippedDataFolder(KSY_DATA_DIR));
    if (!ksy::readDisplaySettings(folder.file(ksy::kDisplaySettingsFile), settings)) {
        std::cerr << "kestrametrix-cli: cannot read the display settings of "
                  << folder.root().string() << "\n";
        return std::nullopt;
    }
    return folder;
}

// The replay, and the render when asked for; `scratch` takes what the heat
// writes on the way.
int run(const Arguments& args, const ksy::HeatScenario& scenario,
    const std::filesystem::path& scratch, int& argc, char** argv)
{
    // Fonts and images need a GUI application; the plain replay does not.
    std::optional<QGuiApplication> app;
    ksy::DisplaySettings settings;
    std::optional<ksy::WorkFolder> folder;
    if (args.png) {
        // Nothing is shown on a screen: render without a display server, and
        // keep Qt's runtime files in the scratch folder when none is set.
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
            const std::filesystem::path runtime = scratch / "runtime";
            std::error_code ec;
            std::filesystem::create_directory(runtime, ec);
            std::filesystem::permissions(runtime, std::filesystem::perms::owner_all, ec);
            qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime.string()));
        }
        app.emplace(argc, argv);
        folder = renderFolder(args, settings);
        if (!folder)
            return 2;
    }

    ksy::BoardInputs board;
    const std::string out =
        ksy::replayHeat(scenario, ksy::WorkFolder(scratch), [&](const ksy::HeatRun& heat) {
            // The run keeps its title in Windows-1252, as the result file stores it.
            board = ksy::boardInputs(
                heat.texts(), heat.standings(), ksy::cp1252ToUtf8(heat.texts().title), false);
        });
    if (args.png &&
        !ksy::writeBoardPng(
            board, settings, *folder, args.width, args.height, fromUtf8(*args.png))) {
        std::cerr << "kestrametrix-cli: cannot write " << *args.png << "\n";
        return 1;
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    std::string badLanguage;
    const std::optional<ksy::InterfaceLanguage> language =
        ksycli::takeLanguageOption(argc, argv, badLanguage);
    if (!language) {
        std::cerr << "kestrametrix-cli: "
                  << ksy::fillText(ksy::translate("CliMain", "langue inconnue : %1 (fr ou en)"),
                         {badLanguage})
                  << "\n";
        return 2;
    }
    ksycli::installCliLanguage(*language);
    if (const std::optional<int> status = ksycli::answerHelp(argc, argv))
        return *status;
    if (argc >= 2 && ksy::cli::isRankingCommand(argv[1]))
        return ksy::cli::runRankingCommand(argc, argv);
    if (argc >= 2 && std::string_view(argv[1]) == "pilots")
        return ksycli::runPilotCommand(argc, argv);
    if (argc >= 2 && std::string_view(argv[1]) == "participants")
        return ksycli::runParticipantsCommand(argc, argv);
    if (argc >= 2 && std::string_view(argv[1]) == "publish")
        return runPublish(argc, argv);
    if (argc >= 2 && ksycli::isResultCommand(argv[1]))
        return ksycli::runResultCommand(argc, argv);
    const std::optional<Arguments> args = parseArguments(argc, argv);
    if (!args)
        return usage();
    std::ifstream in(fromUtf8(args->scenario), std::ios::binary);
    if (!in) {
        std::cerr << "kestrametrix-cli: cannot read " << args->scenario << "\n";
        return 2;
    }
    const std::string text {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    // A journal torn by a full disk or a crash is replayed without its
    // damaged lines, which are named.
    const ksy::ScenarioParse parsed =
        ksy::isHeatJournal(text) ? ksy::parseHeatJournal(text) : ksy::parseHeatScenario(text);
    if (!parsed.scenario) {
        std::cerr << "kestrametrix-cli: " << args->scenario << ": " << parsed.error << "\n";
        return 2;
    }
    if (!parsed.damaged.empty())
        std::cerr << "kestrametrix-cli: " << args->scenario << ": "
                  << ksy::journalDamageText(parsed.damaged) << "\n";

    const std::filesystem::path scratch = makeScratchFolder();
    if (scratch.empty()) {
        std::cerr << "kestrametrix-cli: cannot create a scratch folder\n";
        return 2;
    }
    const int status = run(*args, *parsed.scenario, scratch, argc, argv);
    std::error_code ec;
    std::filesystem::remove_all(scratch, ec);
    return status;
}
