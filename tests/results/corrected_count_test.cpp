// A lap count corrected by hand ("Tours" on the board raises or lowers the
// passing count, the laps field keeps the transponder readings) must reach
// every result the same way: the board and the signed sheet, the round
// ranking with its export and print, and the global ranking built on it.
#include "results/corrected_heat.h"
#include "results/global_ranking_report.h"
#include "results/heat_sheet.h"
#include "results/ranking_race.h"
#include "results/ranking_sections.h"
#include "results/round_ranking_report.h"
#include "support/fakes.h"
#include "timing/lap_recording.h"

#include <gtest/gtest.h>

namespace ksy {
namespace {

const std::vector<std::string> kOrder = {"Alpha", "Bravo", "Charlie", "Delta"};

class CorrectedCount : public ::testing::Test {
protected:
    CorrectedCount()
        : race(dir.path() / "Course.race", {"Alpha", "Bravo", "Charlie", "Delta"}, 4, 1)
    {
        storeHeatResult(
            race.file(), heatResultTitle(1, 1, 1), 4, test::correctedHeat(), HeatResultTexts {});
    }

    // The texts a drawing puts at x (right-aligned columns), top to bottom.
    static std::vector<std::string> column(const Drawing& d, int x, int fromY)
    {
        std::vector<std::string> out;
        for (const Primitive& p : d)
            if (const auto* t = std::get_if<TextOp>(&p.op); t && t->x == x && t->y >= fromY)
                out.push_back(t->text);
        return out;
    }

    test::TempDir dir;
    test::RankingRace race;
    test::FakePrompts prompts;
};

TEST_F(CorrectedCount, StoredBytesKeepTheSlotLayoutWithBothCounts)
{
    const std::string file = test::readFile(race.file());
    // Raised: n = 7 totals after the start reference, the last one unread.
    EXPECT_NE(file.find("Bravo\t7\t6\t430000\t0\t61000\t0\t61000\t122000\t183000\t244000\t"
                        "305000\t366000\t0\t\n"),
        std::string::npos);
    // Lowered: the totals of the laps it keeps.
    EXPECT_NE(file.find("Delta\t5\t7\t406000\t58000\t58000\t0\t58000\t116000\t174000\t"
                        "232000\t290000\t\n"),
        std::string::npos);
    RunEntryTable back;
    HeatResultTexts texts;
    ASSERT_EQ(
        loadHeatResult(race.file(), heatResultTitle(1, 1, 1), back, texts), HeatResultRead::Ok);
    EXPECT_EQ(back.slot(1).passingCount, 5);
    EXPECT_EQ(back.slot(1).laps, 7);
    EXPECT_EQ(back.slot(2).passingCount, 7);
    EXPECT_EQ(back.slot(2).laps, 6);
}

TEST_F(CorrectedCount, BoardAndSheetRankTheStoredHeatOnTheCorrectedCount)
{
    RunEntryTable table;
    clearToEmptySlots(table);
    HeatResultTexts texts;
    loadHeatResult(race.file(), heatResultTitle(1, 1, 1), table, texts);
    prepareLoadedHeat(table, StartType::SoundSignal);
    Standings board;
    computeStandings(table, RankingMode::LapsThenTime, board);
    ASSERT_EQ(board.count, 4);
    const char* counts[] = {"7", "7", "6", "5"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(
            board.board[static_cast<std::size_t>(i)].name, kOrder[static_cast<std::size_t>(i)]);
        EXPECT_EQ(board.board[static_cast<std::size_t>(i)].passingCount, counts[i]);
    }

    RaceOptions options;
    const Standings sheet = sheetStandings(table, board, false, options);
    HeatSheet printed;
    printed.standings = sheet;
    const Drawing page = heatSheetReport(printed).pages.at(0);
    // "Résultat pris en compte" against "Relevés transpondeurs".
    EXPECT_EQ(column(page, 715, 335), (std::vector<std::string> {"7", "7", "6", "5"}));
    EXPECT_EQ(column(page, 1105, 335), (std::vector<std::string> {"7", "6", "6", "7"}));
    // Best laps worked out from the totals read: laps without a total never
    // give a lap time, and a lowered count's lost last total is shown as such.
    EXPECT_EQ(column(page, 1417, 335),
        (std::vector<std::string> {"1:00.000", "1:01.000", "59.000", "58.000"}));
    EXPECT_EQ(column(page, 1261, 335),
        (std::vector<std::string> {"7:00.000", "6:06.000", "5:54.000", "\xE2\x80\x94"}));
}

TEST_F(CorrectedCount, RoundRankingItsExportAndItsPrintTakeTheCorrectedCount)
{
    const OpenedRoundRanking round = openRoundRanking(race.file(), 1, 1, prompts);
    EXPECT_TRUE(prompts.boxes.empty());
    std::vector<std::string> names;
    std::vector<int> laps;
    std::vector<int> points;
    for (int i = 0; i < 4; ++i) {
        names.push_back(round.rows[static_cast<std::size_t>(i)].name);
        laps.push_back(round.rows[static_cast<std::size_t>(i)].laps);
        points.push_back(round.rows[static_cast<std::size_t>(i)].points);
    }
    EXPECT_EQ(names, kOrder);
    EXPECT_EQ(laps, (std::vector<int> {7, 7, 6, 5}));
    EXPECT_EQ(points, (std::vector<int> {0, 2, 3, 4}));

    const std::string text = roundRankingExport(round);
    EXPECT_NE(text.find("2\tBravo\t7\t7:10.000\t1:01.000\t2\t\n"), std::string::npos) << text;
    EXPECT_NE(text.find("4\tDelta\t5\t6:46.000\t58.000\t4\t\n"), std::string::npos) << text;

    const Drawing page = roundRankingReport(round, ReportDate {}).pages.at(0);
    EXPECT_EQ(column(page, 580, 310), (std::vector<std::string> {"7", "7", "6", "5"}));
}

TEST_F(CorrectedCount, GlobalRankingBuiltOnTheValidatedRoundFollowsIt)
{
    const OpenedRoundRanking round = openRoundRanking(race.file(), 1, 1, prompts);
    ASSERT_EQ(
        storeRoundRanking(race.file(), 1, 1, round.criterion, round.scale, round.rows, 4, &prompts),
        RewriteResult::Written);
    const OpenedGlobalRanking global = openGlobalRanking(race.file(), 1, prompts);
    std::vector<std::string> names;
    for (int i = 0; i < 4; ++i)
        names.push_back(global.entries[static_cast<std::size_t>(i)].name);
    EXPECT_EQ(names, kOrder);
    EXPECT_EQ(global.entries[1].runs[0].laps, 7);
    EXPECT_EQ(global.entries[3].runs[0].laps, 5);
    const std::string text = globalRankingExport(global);
    EXPECT_NE(
        text.find("2\tBravo\t2\t2\t\t\t\t\t\t\t\t\t7\t7:10.000\t1:01.000\t\n"), std::string::npos)
        << text;
    const Drawing page = globalRankingReport(global, ReportDate {}).pages.at(0);
    EXPECT_EQ(column(page, 800, 310), (std::vector<std::string> {"7", "7", "6", "5"}));
}

} // namespace
} // namespace ksy
