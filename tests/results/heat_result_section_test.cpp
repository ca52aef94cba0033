#include "results/heat_result_section.h"
#include "storage/race_file.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

namespace ksy {
namespace {

RunEntryTable onePilot(int laps, std::int32_t lapMs)
{
    RunEntryTable t;
    clearToEmptySlots(t);
    RunEntry& e = t.slot(1);
    e.pilotName = "Arnaud";
    e.passingCount = e.laps = laps;
    for (int k = 1; k <= laps; ++k) {
        e.lapTotals[static_cast<std::size_t>(k)] = k * lapMs;
        e.lapTimes[static_cast<std::size_t>(k)] = lapMs;
    }
    e.totalTime = laps * lapMs;
    e.bestLap = laps > 0 ? lapMs : 0;
    return t;
}

TEST(HeatResultSection, ReadsBackWhatItWritesAndBoundsWhatItReads)
{
    RunEntryTable table = onePilot(3, 61000);
    table.slot(1).laps = 2; // edited by hand: laps no longer equal the passing count
    table.slot(1).transponder = "000101";
    const HeatResultTexts texts {"Dur\xE9"
                                 "e 5 tours",
        "Vent", "Glace"};
    const std::string body = formatHeatResultBody(table, texts);
    EXPECT_EQ(body.substr(0, body.find('\n')),
        "Arnaud\t3\t2\t183000\t61000\t61000\t0\t61000\t122000\t183000\t");

    RunEntryTable back;
    clearToEmptySlots(back);
    back.slot(1).transponder = "000101"; // not stored: kept from the loaded heat
    HeatResultTexts backTexts;
    StringSource in(body);
    readHeatResultFields(in, back, backTexts);
    EXPECT_EQ(backTexts, texts);
    EXPECT_EQ(formatHeatResultBody(back, backTexts), body);
    EXPECT_EQ(back.slot(1).transponder, "000101");
    EXPECT_EQ(
        back.slot(1).lapTimes, table.slot(1).lapTimes); // the earlier laps follow from the totals
    EXPECT_EQ(back.slot(20).number, 20);

    // A trailer written before the condition existed keeps the condition;
    // blank lines between slot lines are skipped.
    std::string old = "Arnaud\t1\t1\t5\t5\t5\t0\t5\t\n\n\n";
    for (int k = 2; k <= 20; ++k)
        old += "(NA)\t0\t0\t0\t0\t0\t0\t\n";
    old += "desc\tcomment\t\n1\t1\t1\t";
    HeatResultTexts kept {"x", "y", "Pluie"};
    StringSource oldIn(old);
    readHeatResultFields(oldIn, back, kept);
    EXPECT_EQ(kept, (HeatResultTexts {"desc", "comment", "Pluie"}));
    EXPECT_EQ(back.slot(1).totalTime, 5);

    // Hostile: an overlong name, a count beyond the tables, an empty name.
    std::string hostile =
        std::string(60, 'x') + "\t999\t1\t2\t3\t4\t5\t6\t\n\t0\t0\t0\t0\t0\t0\t\n";
    for (int k = 3; k <= 20; ++k)
        hostile += "(NA)\t0\t0\t0\t0\t0\t0\t\n";
    hostile += std::string(200, 'd') + "\t" + std::string(200, 'c') + "\tHumide\t\n";
    StringSource hostileIn(hostile);
    readHeatResultFields(hostileIn, back, kept);
    EXPECT_EQ(back.slot(1).pilotName.size(), 39u);
    EXPECT_EQ(back.slot(1).passingCount, 150);
    EXPECT_EQ(back.slot(2).pilotName, "(NA)");
    EXPECT_EQ(kept.description.size(), 104u);
    EXPECT_EQ(kept.comment.size(), 99u);
    EXPECT_EQ(kept.condition, "Humid");
}

TEST(HeatResultSection, AFullHeatFitsItsReserveAndAnAbsentSectionChangesNothing)
{
    test::TempDir dir;
    const auto file = dir.path() / "Course.race";
    Race race;
    ASSERT_TRUE(createNewRaceFile(file, race));
    const std::size_t newSize = test::readFile(file).size();

    // One pilot a heat with 150 laps of 40 s: the 1182 pairs hold it.
    const std::string title = "Cat\xE9gorie1M1S1";
    const HeatResultTexts texts {"Dur\xE9"
                                 "e 2:00:00",
        "", "Sec"};
    ASSERT_EQ(storeHeatResult(file, title, 1, onePilot(150, 40000), texts), RewriteResult::Written);
    EXPECT_EQ(test::readFile(file).size(), newSize + title.size() + 3 + 2 * 1182 + 1);

    RunEntryTable back;
    clearToEmptySlots(back);
    HeatResultTexts backTexts;
    ASSERT_EQ(loadHeatResult(file, title, back, backTexts), HeatResultRead::Ok);
    EXPECT_EQ(back.slot(1).lapTotals[150], 6000000);
    EXPECT_EQ(backTexts, texts);

    HeatResultTexts untouched {"d", "c", "Glace"};
    EXPECT_EQ(loadHeatResult(file, "Cat\xE9gorie1M1S2", back, untouched), HeatResultRead::Absent);
    EXPECT_EQ(untouched.condition, "Glace");
    EXPECT_EQ(back.slot(1).laps, 150);
    EXPECT_EQ(loadHeatResult(dir.path() / "none.race", title, back, untouched),
        HeatResultRead::CannotOpen);
}

} // namespace
} // namespace ksy
