// A qualifying round run in the real program, headless, with the decoder
// simulator on a pseudo-terminal: the race is built through the dialogs'
// forms, loaded, two heats are run on decoder passings and left, the race is
// saved under a name and loaded back.
#include "app/demo_race.h"
#include "e2e_support.h"
#include "results/heat_result_section.h"
#include "storage/race_file.h"
#include "support/fakes.h"
#include "timing/heat_journal.h"
#include "timing/heat_journal_replay.h"
#include "timing/heat_journal_scenario.h"

#include <gtest/gtest.h>

namespace ksy {
namespace {

using test::readFile;

RaceSpec juniors()
{
    RaceSpec spec;
    spec.raceName = "Qualifs de printemps";
    spec.trackName = "Plage Nord";
    spec.trackPlace = "Berck";
    RaceCategorySpec c {"Juniors", {}, 3, 2, {"CBA"}};
    for (int k = 1; k <= 6; ++k) {
        const std::string name = "PILOTE " + std::string(1, static_cast<char>('A' + k - 1));
        spec.pilots.push_back({name, "00050" + std::to_string(k)});
        c.pilots.push_back(name);
    }
    spec.categories = {c};
    return spec;
}

std::string flagsLine(const HeatFlags& flags)
{
    std::string line;
    for (int i = 0; i < HeatFlags::kCount; ++i)
        line += std::to_string(flags.at(i)) + "\t";
    return line + "\n";
}

TEST(EndToEnd, TwoHeatsOnTheDecoderAreStoredSavedAndLoadedBack)
{
    test::TempDir dir;
    const auto raceFile = test::buildRaceFile(dir.path(), juniors());
    ASSERT_FALSE(raceFile.empty());
    const WorkFolder work(dir.path() / "work");
    // Each car crosses the line four times, the first at its start.
    const auto simPtr = test::startScenarioSim(
        dir.path(), work, test::staggeredPassings(500, 6, 4, 2000, 300, 2500));
    test::SimProcess& sim = *simPtr;
    ASSERT_TRUE(sim.started());

    const auto saved = dir.path() / "Saved.race";
    const test::ScriptedRun run = test::runScripted(work,
        {"file " + raceFile.string(), "command 1002", "wait 300",
            // Heat 1 of round 1, then heat 2: a 5 s countdown, passings over 13 s.
            "select 13101", "wait 300", "command 2001", "wait 19000", "command 2002", "wait 300",
            "select 13102", "wait 300", "command 2001", "wait 19000", "command 2002", "wait 300",
            // Leaving the heat stores it.
            "select 10000", "wait 300", "file " + saved.string(), "command 1004", "wait 300",
            "file " + saved.string(), "command 1002", "wait 300", "quit"},
        &sim);
    ASSERT_TRUE(run.finished) << run.errors;
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_GE(sim.count("recv StartClock"), 2);

    const std::string file = readFile(saved);
    // Loaded back and saved again at quitting: the same bytes.
    EXPECT_EQ(readFile(workingRaceFile(work)), file);

    HeatFlags expected;
    expected.set(1, 1, 1, true);
    expected.set(1, 1, 2, true);
    EXPECT_EQ(test::sectionBody(file, "Cat\xE9gorieDrapeauxTreeview", flagsLine(expected).size()),
        flagsLine(expected));
    Race loaded;
    ASSERT_TRUE(loadRace(saved, loaded));
    EXPECT_EQ(loaded.category(1).resultsStored, 1);

    // Heat 2 is exactly what its journal replays to.
    const auto journal = parseHeatScenario(readFile(work.file(kHeatJournalFile)));
    ASSERT_TRUE(journal.scenario) << journal.error;
    RunEntryTable replayed;
    HeatResultTexts texts;
    replayHeat(*journal.scenario, WorkFolder(dir.path() / "scratch"), [&](const HeatRun& r) {
        replayed = r.entries();
        texts.description = r.texts().title;
    });
    const std::string body = formatHeatResultBody(replayed, texts);
    EXPECT_EQ(test::sectionBody(file, "Cat\xE9gorie1M1S2", body.size()), body);
    for (const char* name : {"PILOTE D\t4\t", "PILOTE E\t4\t", "PILOTE F\t4\t"})
        EXPECT_NE(body.find(name), std::string::npos) << name << "\n" << body;

    // Heat 1: its three pilots in grid order, each with its four passings.
    const std::string heat1 = test::sectionBody(file, "Cat\xE9gorie1M1S1", body.size());
    EXPECT_EQ(heat1.substr(0, 11), "PILOTE A\t4\t") << heat1;
    EXPECT_NE(heat1.find("\nPILOTE B\t4\t"), std::string::npos);
    EXPECT_NE(heat1.find("\nPILOTE C\t4\t"), std::string::npos);
    EXPECT_NE(heat1.find("\n(NA)\t0\t0\t0\t0\t0\t0\t\n"), std::string::npos);
}

} // namespace
} // namespace ksy
