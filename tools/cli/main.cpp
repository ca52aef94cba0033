// kestrametrix-cli replay SCENARIO
//   Runs one heat from a scenario file (or a passing journal) on a fake clock
//   and a fake decoder and prints its sounds, stops, standings and entries.
//   Exit status: 0 done, 2 bad usage or bad input (nothing printed on stdout).
#include "storage/work_folder.h"
#include "timing/heat_journal_replay.h"
#include "timing/heat_journal_scenario.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <string>

namespace {

int usage()
{
    std::cerr << "usage: kestrametrix-cli replay SCENARIO\n";
    return 2;
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

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3 || std::string(argv[1]) != "replay")
        return usage();
    std::ifstream in(argv[2], std::ios::binary);
    if (!in) {
        std::cerr << "kestrametrix-cli: cannot read " << argv[2] << "\n";
        return 2;
    }
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const ksy::ScenarioParse parsed = ksy::parseHeatScenario(text);
    if (!parsed.scenario) {
        std::cerr << "kestrametrix-cli: " << argv[2] << ": " << parsed.error << "\n";
        return 2;
    }
    const std::filesystem::path scratch = makeScratchFolder();
    if (scratch.empty()) {
        std::cerr << "kestrametrix-cli: cannot create a scratch folder\n";
        return 2;
    }
    const std::string out = ksy::replayHeat(*parsed.scenario, ksy::WorkFolder(scratch));
    std::error_code ec;
    std::filesystem::remove_all(scratch, ec);
    std::fwrite(out.data(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
