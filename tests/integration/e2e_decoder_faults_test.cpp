// The real program, headless, times a heat on the simulated RC2 whose clock
// restarts 12 s into the heat and whose cable is out for a second at 25 s:
// the official is told of both, every lap stored is the true one, and the
// stored heat is what its journal replays to.
#include "e2e_support.h"
#include "results/heat_result_section.h"
#include "storage/race_file.h"
#include "support/fakes.h"
#include "timing/heat_journal.h"
#include "timing/heat_journal_replay.h"
#include "timing/heat_journal_scenario.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace ksy {
namespace {

int countOf(const std::string& text, const std::string& part)
{
    int n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

TEST(EndToEnd, AHeatThroughADecoderRestartAndAPulledCableKeepsItsTrueLaps)
{
    test::TempDir dir;
    const auto raceFile = test::buildRaceFile(dir.path(), test::threeJuniors());
    ASSERT_FALSE(raceFile.empty());
    const WorkFolder work(dir.path() / "work");
    // Car k (transponder 50k) crosses at 1 s + 0.3 s k, then every 10 s.
    constexpr std::int64_t kLap = 10000;
    std::vector<std::pair<std::int64_t, int>> crossings;
    for (std::int64_t t = 0; t < 36000; t += kLap)
        for (int k = 1; k <= 3; ++k)
            crossings.push_back({1000 + 300 * k + t, 500 + k});
    // The simulator reads "<ms> <what>"; faults and passings in time order.
    std::vector<std::pair<std::int64_t, std::string>> lines = {
        {12000, "restart"}, {25000, "pull 1000"}};
    for (const auto& [t, transponder] : crossings)
        lines.push_back({t, std::to_string(transponder)});
    std::sort(lines.begin(), lines.end());
    std::string text;
    for (const auto& [t, what] : lines)
        text += std::to_string(t) + " " + what + "\n";
    const auto simPtr = test::startScenarioSim(dir.path(), work, text);
    test::SimProcess& sim = *simPtr;
    ASSERT_TRUE(sim.started());

    const test::ScriptedRun run = test::runScripted(work,
        {"file " + raceFile.string(), "command 1002", "wait 300", "select 13101", "wait 300",
            // "Départ": the countdown, then 37 s of heat; "Arret"; leaving stores it.
            "command 2001", "wait 43000", "command 2002", "wait 300", "select 10000", "wait 300",
            "quit"},
        &sim, 110000);
    ASSERT_TRUE(run.finished) << run.errors;
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(sim.count("clock restarted"), 1);
    EXPECT_EQ(sim.count("unplugged"), 1);
    EXPECT_EQ(countOf(run.errors, "L'horloge du décodeur RC2 est revenue en arrière"), 1)
        << run.errors;
    EXPECT_EQ(countOf(run.errors, "Perte connexion du décodeur RC2 à "), 1) << run.errors;
    EXPECT_EQ(countOf(run.errors, "Liaison coupée pendant "), 1) << run.errors;

    // The heat as its journal replays it: every crossing a lap, each within
    // the line's error of the truth (host stamps after the restart).
    const auto journal = parseHeatScenario(test::readFile(work.file(kHeatJournalFile)));
    ASSERT_TRUE(journal.scenario) << journal.error;
    RunEntryTable replayed;
    TrackRecord track;
    HeatResultTexts texts;
    replayHeat(*journal.scenario, WorkFolder(dir.path() / "scratch"), [&](const HeatRun& r) {
        replayed = r.entries();
        track = r.track();
        texts.description = r.texts().title;
    });
    int pilots = 0;
    for (const RunEntry& e : replayed.slots) {
        if (e.isEmptySlot())
            continue;
        ++pilots;
        const int k = std::stoi(e.transponder) - 500;
        SCOPED_TRACE(e.pilotName);
        ASSERT_EQ(e.laps, 4);
        for (int n = 1; n <= 4; ++n)
            EXPECT_NEAR(e.lapTotals[static_cast<std::size_t>(n)], 1000 + 300 * k + (n - 1) * kLap,
                1000)
                << n;
        EXPECT_GE(e.bestLap, kLap - 1000);
    }
    EXPECT_EQ(pilots, 3);
    EXPECT_TRUE(track.recordMs == 0 || track.recordMs >= kLap - 1000) << track.recordMs;

    // What the program stored is that heat.
    const std::string body = formatHeatResultBody(replayed, texts);
    const std::string file = test::readFile(workingRaceFile(work));
    EXPECT_EQ(test::sectionBody(file, "Cat\xE9gorie1M1S1", body.size()), body);
}

} // namespace
} // namespace ksy
