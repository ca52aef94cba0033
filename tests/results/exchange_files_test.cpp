#include "results/heat_comment_file.h"
#include "results/pilot_result_file.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

namespace ksy {
namespace {

TEST(PilotResultFile, HoldsTheStartReferenceAndEveryLapAndIsReadBackBounded)
{
    test::TempDir dir;
    const WorkFolder wf(dir.path());
    RunEntryTable table;
    clearToEmptySlots(table);
    RunEntry& e = table.slot(3);
    e.pilotName = "Denis";
    e.passingCount = 3;
    e.lapTotals = {};
    e.lapTotals[0] = 1500; // a staggered start's own start
    e.lapTotals[1] = 61500;
    e.lapTotals[2] = 122000;
    e.lapTotals[3] = 180000;
    const std::string heading = " Espoirs - Manche1 - S\xE9rie2 ";
    ASSERT_TRUE(writePilotResult(wf, table, 2, heading, "Berck",
        "Dur\xE9"
        "e 5 tours"));
    EXPECT_EQ(test::readFile(wf.file("ResultatPilote.res")),
        "Denis\t3\t1500\t61500\t122000\t180000\t\n"
        " Espoirs - Manche1 - S\xE9rie2 \tBerck\tDur\xE9"
        "e 5 tours\t\n");

    PilotResult back;
    ASSERT_TRUE(readPilotResult(wf, back));
    EXPECT_EQ(back.name, "Denis");
    EXPECT_EQ(back.passingCount, 3);
    EXPECT_EQ(back.lapTotals, e.lapTotals);
    EXPECT_EQ(back.heading, heading); // the blanks around it stay
    EXPECT_EQ(back.courseName, "Berck");
    EXPECT_EQ(back.description,
        "Dur\xE9"
        "e 5 tours");

    // Blank lines before line 2 are skipped; counts and texts are bounded.
    const PilotResult hostile = parsePilotResult(
        std::string(50, 'n') + "\t400\t1\t2\n\n\n" + std::string(120, 'h') + "\tBerck\n");
    EXPECT_EQ(hostile.name.size(), 39u);
    EXPECT_EQ(hostile.passingCount, 150);
    EXPECT_EQ(hostile.lapTotals[1], 2);
    EXPECT_EQ(hostile.heading.size(), 104u);
    EXPECT_EQ(hostile.courseName, "Berck");
    EXPECT_EQ(hostile.description, "");

    const WorkFolder missing(dir.path() / "missing");
    EXPECT_FALSE(writePilotResult(missing, table, 2, heading, "", ""));
    EXPECT_FALSE(writePilotResult(wf, table, 20, heading, "", ""));
    PilotResult untouched = back;
    EXPECT_FALSE(readPilotResult(missing, untouched));
    EXPECT_EQ(untouched, back);
}

TEST(HeatCommentFile, CarriesConditionAndCommentToTheDialogAndBack)
{
    test::TempDir dir;
    const WorkFolder wf(dir.path());
    ASSERT_TRUE(writeHeatComment(wf, "Pluie", "Vent fort\tet rafales"));
    // A TAB typed in the comment would split the line: it is written as a blank.
    EXPECT_EQ(test::readFile(wf.file("CommentaireSerie.res")), "Pluie\tVent fort et rafales\t\n");

    std::string condition = "Sec";
    std::string comment;
    ASSERT_TRUE(readHeatComment(wf, condition, comment));
    EXPECT_EQ(condition, "Pluie");
    EXPECT_EQ(comment, "Vent fort et rafales");

    // What the dialog wrote, too long for the buffers and without a final TAB.
    test::writeFile(wf.file("CommentaireSerie.res"), "Verglas\t" + std::string(150, 'c') + "\n");
    ASSERT_TRUE(readHeatComment(wf, condition, comment));
    EXPECT_EQ(condition, "Vergl");
    EXPECT_EQ(comment, std::string(99, 'c'));

    // A file gone while the dialog was open loses no comment.
    std::filesystem::remove(wf.file("CommentaireSerie.res"));
    EXPECT_FALSE(readHeatComment(wf, condition, comment));
    EXPECT_EQ(comment, std::string(99, 'c'));
    EXPECT_FALSE(writeHeatComment(WorkFolder(dir.path() / "missing"), "Sec", ""));
}

} // namespace
} // namespace ksy
