#pragma once
// kestrametrix-cli run on a race of three pilots with one heat stored, its
// standard output and error kept apart.
#include "results/ranking_race.h"
#include "support/fakes.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace ksy::test {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

class RankingRaceCli : public ::testing::Test {
protected:
    RankingRaceCli()
        : race(dir.path() / "Course.race", {"Ang\xE8le", "Bruno", "Chloe"}, 3, 2)
    {
        race.storeHeat(1, 1, {{"Bruno", 5, 300000, 58000}, {"Ang\xE8le", 5, 290000, 59000}});
    }

    CliRun cli(const std::string& arguments)
    {
        const auto out = dir.path() / "out";
        const auto err = dir.path() / "err";
        const std::string command = std::string(KSY_CLI_PATH) + " " + arguments + " > " +
            out.string() + " 2> " + err.string();
        const int raw = std::system(command.c_str());
        return {(raw >> 8) & 0xFF, readFile(out), readFile(err)};
    }
    std::string racePath() const { return race.file().string(); }
    std::string at(const std::string& name) const { return (dir.path() / name).string(); }

    TempDir dir;
    RankingRace race;
};

} // namespace ksy::test
