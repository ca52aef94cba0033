// The program killed during a heat (a real process kill) and started again:
// the race and every passing of the heat come back.
#include "app/demo_race.h"
#include "app/recovery.h"
#include "e2e_support.h"
#include "results/heat_result_section.h"
#include "storage/race_file.h"
#include "support/fakes.h"
#include "timing/heat_journal.h"
#include "timing/heat_journal_replay.h"
#include "timing/heat_journal_scenario.h"

#include <QElapsedTimer>
#include <QProcess>
#include <gtest/gtest.h>

namespace ksy {
namespace {

using test::readFile;

RaceSpec trio()
{
    RaceSpec spec;
    spec.raceName = "Qualifs";
    spec.trackName = "Plage Sud";
    spec.trackPlace = "Le Touquet";
    RaceCategorySpec c {"Seniors", {"ALPHA", "BRAVO", "CHARLIE"}, 3, 1, {}};
    spec.pilots = {{"ALPHA", "000701"}, {"BRAVO", "000702"}, {"CHARLIE", "000703"}};
    spec.categories = {c};
    return spec;
}

int passingLines(const std::string& journal)
{
    int n = 0;
    for (std::size_t at = journal.find("\tpassing\t"); at != std::string::npos;
         at = journal.find("\tpassing\t", at + 1))
        ++n;
    return n;
}

TEST(Recovery, AHeatKilledMidwayComesBackWithEveryPassing)
{
    test::TempDir dir;
    const auto raceFile = test::buildRaceFile(dir.path(), trio());
    ASSERT_FALSE(raceFile.empty());
    const WorkFolder work(dir.path() / "work");
    const auto simPtr = test::startScenarioSim(
        dir.path(), work, test::staggeredPassings(700, 3, 3, 1000, 200, 2500));
    test::SimProcess& sim = *simPtr;
    ASSERT_TRUE(sim.started());

    // First run: the heat is started and the program killed once the nine
    // passings are in the journal, the heat still running.
    const auto script = dir.path() / "first.txt";
    test::writeFile(script,
        "file " + raceFile.string() +
            "\ncommand 1002\nwait 300\nselect 13101\nwait 300\n"
            "command 2001\nwait 120000\n");
    QProcess app;
    auto env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    app.setProcessEnvironment(env);
    app.start(KSY_APP_PATH,
        {"--workdir", QString::fromStdString(work.root().string()), "--unattended", "--script",
            QString::fromStdString(script.string())});
    ASSERT_TRUE(app.waitForStarted(10000));
    QElapsedTimer t;
    t.start();
    while (passingLines(readFile(work.file(kHeatJournalFile))) < 9 && t.elapsed() < 60000) {
        app.waitForFinished(20);
        sim.pump(5);
    }
    app.kill();
    app.waitForFinished();
    const std::string journal = readFile(work.file(kHeatJournalFile));
    ASSERT_EQ(passingLines(journal), 9) << journal;
    EXPECT_TRUE(unfinishedJournal(work));

    // Second run: recovery is accepted, the heat is left and the race saved.
    const auto saved = dir.path() / "Recovered.race";
    const test::ScriptedRun second = test::runScripted(work,
        {"wait 300", "select 10000", "wait 300", "file " + saved.string(), "command 1004",
            "wait 300", "quit"},
        &sim);
    ASSERT_TRUE(second.finished) << second.errors;
    EXPECT_NE(second.errors.find("Récupération"), std::string::npos) << second.errors;
    EXPECT_EQ(second.errors.find("Erreur"), std::string::npos) << second.errors;
    EXPECT_FALSE(std::filesystem::exists(work.file(kRunningMarkFile)));

    auto parsed = parseHeatScenario(journal);
    ASSERT_TRUE(parsed.scenario) << parsed.error;
    RunEntryTable replayed;
    HeatResultTexts texts;
    replayHeat(*parsed.scenario, WorkFolder(dir.path() / "scratch"), [&](const HeatRun& r) {
        replayed = r.entries();
        texts.description = r.texts().title;
    });
    const std::string body = formatHeatResultBody(replayed, texts);
    const std::string file = readFile(saved);
    EXPECT_EQ(test::sectionBody(file, "Cat\xE9gorie1M1S1", body.size()), body);
    for (const char* name : {"ALPHA\t3\t", "BRAVO\t3\t", "CHARLIE\t3\t"})
        EXPECT_NE(body.find(name), std::string::npos) << journal;
}

} // namespace
} // namespace ksy
