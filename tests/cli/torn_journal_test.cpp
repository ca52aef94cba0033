// A journal torn by a full disk or a crash: every record but the damaged
// lines is replayed, by the recovery's reader and by kestrametrix-cli
// replay, and the span of the heat that may lack passings is named.
#include "timing/heat_journal_replay.h"
#include "timing/heat_journal_scenario.h"

#include "support/fakes.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace ksy;
using namespace ksy::test;

namespace {

const std::string kHead = "# Kestrametrix passing journal: kestrametrix-cli replay <this file>\n"
                          "slot\t1\tAnne\t000101\n"
                          "slot\t2\tBruno\t000102\n"
                          "at\t20\tdepart\n";

std::string passings(int from, int to)
{
    std::string out;
    for (int n = from; n < to; ++n)
        out += "at\t" + std::to_string(10000 + 1000 * n) + "\tpassing\t" +
            std::to_string(101 + n % 2) + "\n";
    return out;
}

int passingCount(const HeatScenario& s)
{
    return static_cast<int>(std::count_if(s.events.begin(), s.events.end(),
        [](const ScenarioEvent& e) { return e.kind == ScenarioEvent::Kind::Passing; }));
}

} // namespace

TEST(TornJournal, EveryWholeRecordIsReadAndTheMissingSpanNamed)
{
    // A record cut short and the next one glued behind it, as a full disk
    // left it, then a line of garbage.
    const std::string torn = kHead + passings(0, 6) + "at\t16000\tpassing\t1" +
        "at\t17000\tpassing\t102\n" + passings(8, 12) + "\x01\x02garbage\n" + passings(13, 20);
    const ScenarioParse parsed = parseHeatJournal(torn);
    ASSERT_TRUE(parsed.scenario);
    // 20 passings written, the one torn and the one the garbage replaced lost.
    EXPECT_EQ(passingCount(*parsed.scenario), 18);
    ASSERT_EQ(parsed.damaged.size(), 2u);
    EXPECT_EQ(parsed.damaged[0].firstLine, 11);
    EXPECT_EQ(parsed.damaged[0].afterMs, 15000);
    EXPECT_EQ(parsed.damaged[0].beforeMs, 17000);
    EXPECT_EQ(parsed.damaged[1].afterMs, 21000);
    EXPECT_EQ(parsed.damaged[1].beforeMs, 23000);
    const std::string said = journalDamageText(parsed.damaged);
    EXPECT_NE(said.find("2 lignes illisibles"), std::string::npos) << said;
    EXPECT_NE(said.find("entre 0:15,0 et 0:17,0"), std::string::npos) << said;
    EXPECT_NE(said.find("entre 0:21,0 et 0:23,0"), std::string::npos) << said;
    EXPECT_EQ(said.find('\n'), std::string::npos);

    // A scenario written by hand is still refused at its first bad line.
    EXPECT_FALSE(parseHeatScenario(torn).scenario);
    EXPECT_EQ(journalDamageText(parseHeatJournal(kHead + passings(0, 3)).damaged), "");
}

TEST(TornJournal, DamageAtEitherEndAndSeveralLinesInARow)
{
    const ScenarioParse atEnd = parseHeatJournal(kHead + passings(0, 4) + "at\t140");
    ASSERT_TRUE(atEnd.scenario);
    EXPECT_EQ(passingCount(*atEnd.scenario), 4);
    ASSERT_EQ(atEnd.damaged.size(), 1u);
    EXPECT_FALSE(atEnd.damaged[0].beforeMs);
    EXPECT_NE(journalDamageText(atEnd.damaged).find("après 0:13,0"), std::string::npos);

    const ScenarioParse rows = parseHeatJournal(kHead + "zz\nyy\nxx\n" + passings(0, 2));
    ASSERT_EQ(rows.damaged.size(), 1u);
    EXPECT_EQ(rows.damaged[0].firstLine, 5);
    EXPECT_EQ(rows.damaged[0].lastLine, 7);
    EXPECT_NE(journalDamageText(rows.damaged).find("lignes 5 à 7"), std::string::npos);
}

TEST(TornJournal, TheCommandLineReplayGoesOnAndSaysWhatIsMissing)
{
    TempDir dir;
    const auto journal = dir.path() / "JournalPassages.txt";
    writeFile(journal, kHead + passings(0, 6) + "at\t16000\tpassing\t1" + passings(7, 12));
    const auto out = dir.path() / "out";
    const auto err = dir.path() / "err";
    const std::string command = std::string(KSY_CLI_PATH) + " replay " + journal.string() +
        " > " + out.string() + " 2> " + err.string();
    const int raw = std::system(command.c_str());
    EXPECT_EQ((raw >> 8) & 0xFF, 0) << readFile(err);
    const std::string said = readFile(err);
    EXPECT_NE(said.find("1 ligne illisible ignorée (ligne 11"), std::string::npos) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1);
    // Anne and Bruno keep the laps of every passing but the one torn.
    const ScenarioParse parsed = parseHeatJournal(readFile(journal));
    ASSERT_TRUE(parsed.scenario);
    TempDir scratch;
    EXPECT_EQ(readFile(out), replayHeat(*parsed.scenario, WorkFolder(scratch.path())));
    EXPECT_EQ(passingCount(*parsed.scenario), 11);
}
