// The program killed (a real process kill) during a heat whose decoder bytes
// come at the line's real speed, or after the heat stopped but before its
// result was stored, then started again: the race comes back under its file
// name, the heat with exactly the times it ran with, and the next start does
// not ask again.
#include "app/demo_race.h"
#include "app/recovery.h"
#include "e2e_support.h"
#include "results/heat_result_section.h"
#include "storage/race_file.h"
#include "support/fakes.h"
#include "timing/heat_journal.h"
#include "timing/heat_journal_replay.h"
#include "timing/heat_journal_scenario.h"
#include "trio_race.h"

#include <QElapsedTimer>
#include <QProcess>
#include <gtest/gtest.h>

namespace ksy {
namespace {

using test::passingLines;
using test::readFile;
using test::trio;

// The "script: laps" lines written after `from` in `errors`, when a whole
// block of the three pilots is there.
std::vector<std::string> lapsBlock(const std::string& errors, std::size_t from)
{
    std::vector<std::string> lines;
    for (std::size_t at = errors.find("script: laps ", from); at != std::string::npos;
         at = errors.find("script: laps ", at + 1)) {
        const auto eol = errors.find('\n', at);
        if (eol == std::string::npos)
            break;
        lines.push_back(errors.substr(at, eol - at));
        if (lines.size() == 3)
            return lines;
    }
    return {};
}

// The first run: the race file loaded, its heat started, the nine passings
// of the simulator journalled; `then` runs after the heat was started. The
// program is killed once the laps it printed after the ninth passing (and
// the end of the heat, untilEnd) are in.
struct KilledRun {
    std::string journal;
    std::vector<std::string> laps; // the heat as it ran, at the kill
};

KilledRun runAndKill(const test::TempDir& dir, const WorkFolder& work,
    const std::filesystem::path& raceFile, test::SimProcess& sim, const std::string& then,
    bool untilEnd)
{
    const auto script = dir.path() / "first.txt";
    std::string lines = "file " + raceFile.string() +
        "\ncommand 1002\nwait 300\nselect 13101\nwait 300\ncommand 2001\n" + then;
    for (int i = 0; i < 120; ++i)
        lines += "wait 500\nlaps\n";
    test::writeFile(script, lines);
    QProcess app;
    auto env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    app.setProcessEnvironment(env);
    app.start(KSY_APP_PATH,
        {"--workdir", QString::fromStdString(work.root().string()), "--unattended", "--script",
            QString::fromStdString(script.string())});
    KilledRun out;
    if (!app.waitForStarted(10000))
        return out;
    std::string errors;
    std::size_t afterNinth = std::string::npos;
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 60000) {
        app.waitForFinished(20);
        sim.pump(5);
        errors += app.readAllStandardError().toStdString();
        const std::string journal = readFile(work.file(kHeatJournalFile));
        if (afterNinth == std::string::npos && passingLines(journal) >= 9 &&
            (!untilEnd || journal.find("\nend\t") != std::string::npos))
            afterNinth = errors.size();
        if (afterNinth != std::string::npos) {
            out.laps = lapsBlock(errors, afterNinth);
            if (!out.laps.empty())
                break;
        }
    }
    app.kill();
    app.waitForFinished();
    out.journal = readFile(work.file(kHeatJournalFile));
    return out;
}

// The race file's heat section compared with the journal replayed.
void expectStoredAsReplayed(const std::string& raceFileBytes, const std::string& journal)
{
    auto parsed = parseHeatScenario(journal);
    ASSERT_TRUE(parsed.scenario) << parsed.error;
    test::TempDir scratch;
    RunEntryTable replayed;
    HeatResultTexts texts;
    replayHeat(*parsed.scenario, WorkFolder(scratch.path()), [&](const HeatRun& r) {
        replayed = r.entries();
        texts.description = r.texts().title;
    });
    const std::string body = formatHeatResultBody(replayed, texts);
    EXPECT_EQ(test::sectionBody(raceFileBytes, "Cat\xE9gorie1M1S1", body.size()), body);
    for (const char* name : {"ALPHA\t3\t", "BRAVO\t3\t", "CHARLIE\t3\t"})
        EXPECT_NE(body.find(name), std::string::npos) << journal;
}

TEST(Recovery, AHeatKilledMidwayComesBackWithItsExactTimesUnderItsFileName)
{
    test::TempDir dir;
    const auto raceFile = test::buildRaceFile(dir.path(), trio());
    ASSERT_FALSE(raceFile.empty());
    const std::string before = readFile(raceFile);
    const WorkFolder work(dir.path() / "work");
    const auto sim = test::startScenarioSim(
        dir.path(), work, test::staggeredPassings(700, 3, 3, 1000, 200, 2500), {"--pace"});
    ASSERT_TRUE(sim->started());

    const KilledRun first = runAndKill(dir, work, raceFile, *sim, "", false);
    ASSERT_EQ(passingLines(first.journal), 9) << first.journal;
    ASSERT_EQ(first.laps.size(), 3u) << first.journal;
    EXPECT_TRUE(unfinishedJournal(work));
    EXPECT_EQ(readJournalState(work).heatCode, 13101);

    // Second run: recovery accepted; the heat shows the times it ran with,
    // and "Enregistrer" writes the race back to the file it was loaded from.
    const test::ScriptedRun second = test::runScripted(
        work, {"wait 300", "laps", "command 1003", "wait 300", "quit"}, sim.get());
    ASSERT_TRUE(second.finished) << second.errors;
    EXPECT_NE(second.errors.find("Récupération"), std::string::npos) << second.errors;
    EXPECT_EQ(second.errors.find("Erreur"), std::string::npos) << second.errors;
    EXPECT_EQ(second.errors.find("script: refused"), std::string::npos) << second.errors;
    EXPECT_EQ(lapsBlock(second.errors, 0), first.laps) << second.errors;
    EXPECT_FALSE(std::filesystem::exists(work.file(kRunningMarkFile)));
    const std::string saved = readFile(raceFile);
    EXPECT_NE(saved, before);
    expectStoredAsReplayed(saved, first.journal);

    // Third run, a normal one: nothing is asked again.
    const test::ScriptedRun third = test::runScripted(work, {"wait 300", "quit"}, sim.get());
    ASSERT_TRUE(third.finished) << third.errors;
    EXPECT_EQ(third.errors.find("Récupération"), std::string::npos) << third.errors;
}

TEST(Recovery, AHeatStoppedButNotYetStoredComesBackToo)
{
    test::TempDir dir;
    const auto raceFile = test::buildRaceFile(dir.path(), trio());
    ASSERT_FALSE(raceFile.empty());
    const WorkFolder work(dir.path() / "work");
    const auto sim = test::startScenarioSim(
        dir.path(), work, test::staggeredPassings(700, 3, 3, 1000, 200, 2500));
    ASSERT_TRUE(sim->started());

    // "Arret" once the passings are in; the heat stays shown, not stored.
    const KilledRun first =
        runAndKill(dir, work, raceFile, *sim, "wait 16000\ncommand 2002\n", true);
    ASSERT_EQ(passingLines(first.journal), 9) << first.journal;
    ASSERT_NE(first.journal.find("\nend\t"), std::string::npos) << first.journal;
    EXPECT_FALSE(unfinishedJournal(work));

    const test::ScriptedRun second = test::runScripted(
        work, {"wait 300", "laps", "command 1003", "wait 300", "quit"}, sim.get());
    ASSERT_TRUE(second.finished) << second.errors;
    EXPECT_NE(second.errors.find("Récupération"), std::string::npos) << second.errors;
    EXPECT_EQ(second.errors.find("Erreur"), std::string::npos) << second.errors;
    EXPECT_EQ(lapsBlock(second.errors, 0), first.laps) << second.errors;
    expectStoredAsReplayed(readFile(raceFile), first.journal);
}

TEST(Recovery, AHeatWhoseJournalWasSetAsideComesBackAfterAKill)
{
    test::TempDir dir;
    const auto raceFile = test::buildRaceFile(dir.path(), trio());
    ASSERT_FALSE(raceFile.empty());
    const WorkFolder work(dir.path() / "work");
    const auto sim = test::startScenarioSim(
        dir.path(), work, test::staggeredPassings(700, 3, 3, 1000, 200, 2500));
    ASSERT_TRUE(sim->started());
    const KilledRun first =
        runAndKill(dir, work, raceFile, *sim, "wait 16000\ncommand 2002\n", true);
    ASSERT_EQ(passingLines(first.journal), 9) << first.journal;

    // As a store the disk refused leaves it once another heat is shown:
    // the journal under the heat's code, and a later heat's journal.
    const auto aside = work.file("Private/JournalPassages-13101.txt");
    std::filesystem::rename(work.file(kHeatJournalFile), aside);
    test::writeFile(work.file(kHeatJournalFile), "# heat\t13102\n");

    const test::ScriptedRun second = test::runScripted(work,
        {"wait 300", "select 13101", "wait 300", "laps", "command 1003", "wait 300", "quit"},
        sim.get());
    ASSERT_TRUE(second.finished) << second.errors;
    EXPECT_NE(second.errors.find("Récupération"), std::string::npos) << second.errors;
    EXPECT_EQ(second.errors.find("Erreur"), std::string::npos) << second.errors;
    EXPECT_EQ(lapsBlock(second.errors, 0), first.laps) << second.errors;
    expectStoredAsReplayed(readFile(raceFile), first.journal);
    EXPECT_TRUE(readJournalState(aside).recovered);

    const test::ScriptedRun third = test::runScripted(work, {"wait 300", "quit"}, sim.get());
    ASSERT_TRUE(third.finished) << third.errors;
    EXPECT_EQ(third.errors.find("Récupération"), std::string::npos) << third.errors;
}

} // namespace
} // namespace ksy
