#include "results/ranking_sections.h"
#include "storage/race_file.h"
#include "storage/section_file.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

namespace ksy {
namespace {

// The stored sections, byte for byte, appended to a new race file, then
// rewritten in place; and read back as the global ranking and the live page
// read them.
TEST(RankingSections, AreStoredByteForByteWithTheirReservesAndReadBack)
{
    test::TempDir dir;
    const auto file = dir.path() / "Course.race";
    Race race;
    createNewRaceFile(file, race);
    const std::string fresh = newRaceFileBytes();

    const RoundRankingRows rows = {{"Anne", 5, 300000, 58000, 0}, {"Bruno", 0, 0, 0, 2},
        {"", 0, kNoResultTime, kNoResultTime, 2}, {"Hors", 1, 1, 1, 1}};
    PointsScale scale;
    scale.values = {10, 5, 4, 3, 2, 1};
    ASSERT_EQ(storeRoundRanking(file, 1, 2, RankingMode::BestLap, scale, rows, 3),
        RewriteResult::Written);
    const std::string roundBody = "CLASSEMENTMeilleurTour\t10\t5\t4\t3\t2\t1\t\n"
                                  "Anne\t5\t300000\t58000\t0\t\n"
                                  "Bruno\t0\t0\t0\t2\t\n"
                                  "\t0\t1500000000\t1500000000\t2\t\n";
    const std::string roundArea = roundBody + sectionFiller(35 * 3 + 24).substr(roundBody.size());
    const std::string roundSection = "\nCat\xE9gorie1M2Classement\t\n" + roundArea;
    EXPECT_EQ(test::readFile(file), fresh + roundSection);

    ASSERT_EQ(storeGlobalRanking(file, 1, {RankingMode::LapsThenTime, 3, {"Bruno", "Anne", ""}}, 3),
        RewriteResult::Written);
    const std::string globalBody = "CLASSEMENTToursTemps\t3\t\nBruno\t\nAnne\t\n\t\n";
    const std::string globalSection = "\nCat\xE9gorie1ClassementFinalQualifs\t\n" + globalBody +
        sectionFiller(22 * 3 + 15).substr(globalBody.size());
    EXPECT_EQ(test::readFile(file), fresh + roundSection + globalSection);

    // Read back: the settings, the rows and the names.
    StoredRoundRanking round;
    ASSERT_EQ(readRoundRankingSection(file, 1, 2, 3, round), StoredRankingRead::Ok);
    EXPECT_EQ(round.criterion, RankingMode::BestLap);
    EXPECT_EQ(round.scale, scale);
    EXPECT_EQ(round.rows, RoundRankingRows(rows.begin(), rows.begin() + 3));
    StoredGlobalRanking global;
    ASSERT_EQ(readGlobalRankingSection(file, 1, 3, global), StoredRankingRead::Ok);
    EXPECT_EQ(global.names, (std::vector<std::string> {"Bruno", "Anne", ""}));
    EXPECT_EQ(global.bestRounds, 3);
    EXPECT_EQ(readGlobalRankingSection(file, 2, 3, global), StoredRankingRead::Absent);

    // A rewrite with fewer rows refills the area it has, leaves the next
    // section where it was; a first row without pilot is read as one.
    const RoundRankingRows none = {{"", 0, kNoResultTime, kNoResultTime, 1000}};
    ASSERT_EQ(storeRoundRanking(file, 1, 2, RankingMode::LapsThenTime, PointsScale {}, none, 1),
        RewriteResult::Written);
    const std::string shortBody = "CLASSEMENTToursTemps\t0\t2\t1\t1\t1\t1\t\n"
                                  "\t0\t1500000000\t1500000000\t1000\t\n";
    EXPECT_EQ(test::readFile(file),
        fresh + "\nCat\xE9gorie1M2Classement\t\n" + shortBody +
            sectionFiller(35 * 3 + 24).substr(shortBody.size()) + globalSection);
    ASSERT_EQ(readRoundRankingSection(file, 1, 2, 1, round), StoredRankingRead::Ok);
    EXPECT_EQ(round.rows, none);

    // Out-of-range stored settings are kept within their edits.
    test::writeFile(file, "\nCat\xE9gorie1M1Classement\t\nAUTRE\t1234\t-5\t100\t\n");
    RankingMode mode = RankingMode::BestLap;
    readRoundRankingSettings(file, 1, 1, mode, scale);
    EXPECT_EQ(mode, RankingMode::LapsThenTime);
    EXPECT_EQ(scale.values, (std::array<int, 6> {999, 0, 99, 0, 0, 0}));
}

} // namespace
} // namespace ksy
