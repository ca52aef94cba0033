#include "support/fakes.h"
#include "timing/heat_result_files.h"

#include <gtest/gtest.h>

namespace ksy {
namespace {

RunEntryTable twoPilots()
{
    RunEntryTable table;
    clearToEmptySlots(table);
    table.slot(1).pilotName = "Dupont";
    table.slot(3).pilotName = "L\xE9on"; // Windows-1252 byte kept as is
    resetRunData(table);
    RunEntry& a = table.slot(1);
    a.passingCount = a.laps = 3;
    a.lapTotals[1] = 61000;
    a.lapTotals[2] = 122500;
    a.lapTotals[3] = 180250;
    return table;
}

TEST(HeatDetailFile, WritesTheExactBytesAndReadsThemBackZeroBased)
{
    test::TempDir dir;
    const WorkFolder wf(dir.path());
    const RunEntryTable table = twoPilots();
    ASSERT_TRUE(writeHeatDetail(wf, table, "CLASSEMENTToursTemps"));

    std::string expected = "CLASSEMENTToursTemps\t\nDupont\t3\t61000\t122500\t180250\t\n"
                           "(NA)\t0\t\nL\xE9on\t0\t\n";
    for (int k = 4; k <= 20; ++k)
        expected += "(NA)\t0\t\n";
    EXPECT_EQ(test::readFile(wf.file("DetailResultats.res")), expected);

    HeatDetail back;
    ASSERT_TRUE(readHeatDetail(wf, back));
    EXPECT_EQ(back.rankingMode, "CLASSEMENTToursTemps");
    EXPECT_EQ(back.slots[0].name, "Dupont");
    EXPECT_EQ(back.slots[0].passingCount, 3);
    // The view's lap 1 time is the first stored passing.
    EXPECT_EQ(back.slots[0].passingTimes[0], 61000);
    EXPECT_EQ(back.slots[0].passingTimes[2], 180250);
    EXPECT_EQ(back.slots[2].name, "L\xE9on");
    EXPECT_EQ(back.slots[19].name, "(NA)");
}

TEST(HeatDetailFile, EmptyAtExitAndBoundedOnHostileInput)
{
    test::TempDir dir;
    const WorkFolder wf(dir.path());
    RunEntryTable table = twoPilots();
    ASSERT_TRUE(writeEmptyHeatDetail(wf, table, "CLASSEMENTMeilleurTour"));
    std::string expected = "CLASSEMENTMeilleurTour\t\n";
    for (int k = 1; k <= 20; ++k)
        expected += "(NA)\t0\t\n";
    EXPECT_EQ(test::readFile(wf.file("DetailResultats.res")), expected);

    // A hand-edited file must not overrun the 150-lap table or the name field.
    const std::string hostile =
        "CLASSEMENTToursTempsCLASSEMENTToursTemps\t\n" + std::string(60, 'x') + "\t999\t1\t2\t\n";
    const HeatDetail d = parseHeatDetail(hostile);
    EXPECT_EQ(d.rankingMode.size(), 23u);
    EXPECT_EQ(d.slots[0].name.size(), 39u);
    EXPECT_EQ(d.slots[0].passingCount, 150);
    EXPECT_EQ(d.slots[0].passingTimes[1], 2);
    EXPECT_EQ(d.slots[0].passingTimes[2], 0);

    HeatDetail untouched;
    untouched.rankingMode = "keep";
    EXPECT_FALSE(readHeatDetail(WorkFolder(dir.path() / "missing"), untouched));
    EXPECT_EQ(untouched.rankingMode, "keep");
    EXPECT_FALSE(writeHeatDetail(WorkFolder(dir.path() / "missing"), table, "x"));
}

} // namespace
} // namespace ksy
