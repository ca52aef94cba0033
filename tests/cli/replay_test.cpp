#include "timing/heat_journal_replay.h"
#include "timing/heat_journal_scenario.h"

#include "support/fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace ksy;
using namespace ksy::test;

// Every scenario under tests/data/replay/ against its expected outcome. The
// key numbers of each expected file were worked out by hand from the rules;
// the scenario's first comment says what it exercises.
TEST(Replay, GoldenScenariosGiveTheirExpectedOutcome)
{
    const std::filesystem::path folder = std::filesystem::path(KSY_TEST_DATA_DIR) / "replay";
    std::vector<std::filesystem::path> scenarios;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().extension() == ".scn")
            scenarios.push_back(entry.path());
    std::sort(scenarios.begin(), scenarios.end());
    ASSERT_GE(scenarios.size(), 7u);
    for (const auto& file : scenarios) {
        const ScenarioParse parsed = parseHeatScenario(readFile(file));
        ASSERT_TRUE(parsed.scenario) << file << ": " << parsed.error;
        TempDir scratch;
        auto expected = file;
        expected.replace_extension(".out");
        EXPECT_EQ(replayHeat(*parsed.scenario, WorkFolder(scratch.path())), readFile(expected))
            << file.filename();
    }
}

TEST(Replay, BadInputNamesItsLine)
{
    const auto error = [](const std::string& text) { return parseHeatScenario(text).error; };
    EXPECT_EQ(error("# c\n\nslot\t21\tAnne\t000101\n"), "line 3: slot \"21\" is not between 1 and 20");
    EXPECT_EQ(error("lap\t3\n"), "line 1: unknown directive \"lap\"");
    EXPECT_EQ(error("at\t1o0\tdepart\n"), "line 1: malformed time \"1o0\"");
    EXPECT_EQ(error("at\t100\tpassing\t70000\n"), "line 1: malformed transponder number \"70000\"");
    EXPECT_EQ(error("at\t100\teffacer yes\n"),
              "line 1: unknown action \"effacer yes\" or wrong number of fields");
    EXPECT_EQ(error("protection\t1.5\n"), "line 1: malformed lap protection \"1.5\"");
    EXPECT_EQ(error("decoder\tRC3\n"), "line 1: decoder must be RC1 or RC2");
    EXPECT_EQ(error("date\t2024-13-01 10:00\n"), "line 1: malformed date \"2024-13-01 10:00\"");
    EXPECT_EQ(error("options\tCLASSEMENTToursTemps\tDUREESERIETemps\t61\t1\t5\t0\t"
                    "DEPARTSignalSonore\tORDREDEPARTFixe\tFINTEMPSFinirTour\tFINTOURFinirTour\n"),
              "line 1: malformed or out-of-range option \"61\"");
    EXPECT_EQ(error("options\tCLASSEMENTToursTemps\tDUREESERIETemps\t6\t1\t5\t0\t"
                    "DEPARTSignal\tORDREDEPARTFixe\tFINTEMPSFinirTour\tFINTOURFinirTour\n"),
              "line 1: unknown option keyword \"DEPARTSignal\"");

    // Without "end" the heat runs to its last action; CR LF line ends are read.
    const ScenarioParse good = parseHeatScenario("slot\t2\tZo\xC3\xA9\t000007\r\nat\t90\tdepart\r\n");
    ASSERT_TRUE(good.scenario) << good.error;
    EXPECT_EQ(*good.scenario->endMs, 90);
    EXPECT_EQ(good.scenario->slots[1].name, "Zo\xC3\xA9");
}
