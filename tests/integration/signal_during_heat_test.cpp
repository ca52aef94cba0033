// A logout, a service stop or Ctrl-C while a heat is armed, running or
// stopped but not stored: the program ends as after "Quitter" answered
// "Oui" (the heat stopped as by "Arret", stored with its description, the
// race saved to its own file), and the next start asks nothing.
#include "app/recovery.h"
#include "e2e_support.h"
#include "results/heat_result_section.h"
#include "support/fakes.h"
#include "timing/heat_journal.h"
#include "timing/heat_journal_replay.h"
#include "timing/heat_journal_scenario.h"
#include "trio_race.h"

#include <QElapsedTimer>
#include <QProcess>
#include <signal.h>
#include <gtest/gtest.h>

namespace ksy {
namespace {

using test::passingLines;
using test::readFile;
using test::trio;

struct SignalledRun {
    bool ended = false;
    int exitCode = -1;
    std::string errors;
};

// Loads the race, selects its heat, presses "Départ" and runs `then`; the
// signal comes once the journal holds `passings` passings (and its end, when
// `afterEnd`).
SignalledRun runAndSignal(const test::TempDir& dir, const WorkFolder& work,
    const std::filesystem::path& raceFile, test::SimProcess& sim, const std::string& then,
    int passings, bool afterEnd, int signal)
{
    const auto script = dir.path() / "first.txt";
    test::writeFile(script,
        "file " + raceFile.string() +
            "\ncommand 1002\nwait 300\nselect 13101\nwait 300\ncommand 2001\n" + then +
            "wait 60000\n");
    QProcess app;
    auto env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    app.setProcessEnvironment(env);
    app.start(KSY_APP_PATH,
        {"--workdir", QString::fromStdString(work.root().string()), "--unattended", "--script",
            QString::fromStdString(script.string())});
    SignalledRun out;
    if (!app.waitForStarted(10000))
        return out;
    QElapsedTimer t;
    t.start();
    bool sent = false;
    while (t.elapsed() < 90000 && app.state() != QProcess::NotRunning) {
        app.waitForFinished(20);
        sim.pump(5);
        out.errors += app.readAllStandardError().toStdString();
        const std::string journal = readFile(work.file(kHeatJournalFile));
        if (!sent && journal.find("\tdepart\n") != std::string::npos &&
            passingLines(journal) >= passings &&
            (!afterEnd || journal.find("\nend\t") != std::string::npos)) {
            sent = true;
            ::kill(static_cast<pid_t>(app.processId()), signal);
        }
    }
    if (app.state() != QProcess::NotRunning) {
        app.kill();
        app.waitForFinished();
        return out;
    }
    out.errors += app.readAllStandardError().toStdString();
    out.ended = sent && app.exitStatus() == QProcess::NormalExit;
    out.exitCode = app.exitCode();
    return out;
}

// The heat section of the race file holds what its journal replays to,
// with the heat's description.
void expectStoredAsReplayed(const std::string& raceFileBytes, const std::string& journal, int laps)
{
    auto parsed = parseHeatJournal(journal);
    ASSERT_TRUE(parsed.scenario) << parsed.error;
    test::TempDir scratch;
    RunEntryTable replayed;
    HeatResultTexts texts;
    replayHeat(*parsed.scenario, WorkFolder(scratch.path()), [&](const HeatRun& r) {
        replayed = r.entries();
        texts.description = r.texts().title;
    });
    EXPECT_NE(texts.description, "");
    const std::string body = formatHeatResultBody(replayed, texts);
    EXPECT_EQ(test::sectionBody(raceFileBytes, "Cat\xE9gorie1M1S1", body.size()), body);
    for (const char* name : {"ALPHA\t", "BRAVO\t", "CHARLIE\t"})
        EXPECT_NE(body.find(name + std::to_string(laps) + "\t"), std::string::npos) << body;
}

struct Case {
    const char* state;
    std::string then; // script lines after "Départ"
    int passings; // in the journal when the signal comes
    bool afterEnd;
    int signal;
    int laps; // each pilot's, stored
};

} // namespace

TEST(SignalDuringHeat, TheHeatIsStoppedStoredAndSavedAndTheNextStartAsksNothing)
{
    const std::vector<Case> cases = {
        {"running", "", 6, false, SIGTERM, 2},
        {"stopped, not stored", "wait 16000\ncommand 2002\n", 9, true, SIGINT, 3},
        {"armed", "", 0, false, SIGHUP, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.state);
        test::TempDir dir;
        const auto raceFile = test::buildRaceFile(dir.path(), trio());
        ASSERT_FALSE(raceFile.empty());
        const WorkFolder work(dir.path() / "work");
        const auto sim = test::startScenarioSim(
            dir.path(), work, test::staggeredPassings(700, 3, 3, 1000, 200, 2500), {"--pace"});
        ASSERT_TRUE(sim->started());

        const SignalledRun first =
            runAndSignal(dir, work, raceFile, *sim, c.then, c.passings, c.afterEnd, c.signal);
        ASSERT_TRUE(first.ended) << first.errors;
        EXPECT_EQ(first.exitCode, 0);
        EXPECT_EQ(first.errors.find("Erreur"), std::string::npos) << first.errors;
        EXPECT_FALSE(std::filesystem::exists(work.file(kRunningMarkFile)));
        const std::string journal = readFile(work.file(kHeatJournalFile));
        EXPECT_NE(journal.find("\nend\t"), std::string::npos) << journal;
        EXPECT_FALSE(unfinishedJournal(work));
        if (c.laps > 0)
            expectStoredAsReplayed(readFile(raceFile), journal, c.laps);

        const test::ScriptedRun next = test::runScripted(work, {"wait 300", "quit"}, sim.get());
        ASSERT_TRUE(next.finished) << next.errors;
        EXPECT_EQ(next.errors.find("Récupération"), std::string::npos) << next.errors;
        EXPECT_EQ(next.errors.find("Erreur"), std::string::npos) << next.errors;
    }
}

} // namespace ksy
