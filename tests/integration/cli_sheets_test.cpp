// kestrametrix-cli sheet --xlsx: the result sheet of a stored heat as a
// workbook, both groups of columns, read back cell by cell.
#include "e2e_support.h"
#include "results/heat_result_section.h"
#include "storage/section_titles.h"
#include "storage/sheets/sheet_table.h"
#include "support/fakes.h"
#include "timing/heat_result_files.h"

#include <gtest/gtest.h>

namespace ksy {
namespace {

QString path(const std::filesystem::path& p)
{
    return QString::fromStdString(p.string());
}

TEST(CliSheets, HeatSheetAsWorkbookKeepsTheCorrectedAndTheRecordedLaps)
{
    test::TempDir dir;
    const auto race = test::buildRaceFile(dir.path(), test::threeJuniors());
    ASSERT_FALSE(race.empty());
    RunEntryTable t;
    clearToEmptySlots(t);
    for (int k = 1; k <= 3; ++k) {
        RunEntry& e = t.slot(k);
        e.pilotName = "PILOTE " + std::string(1, static_cast<char>('A' + k - 1));
        e.passingCount = e.laps = 2;
        e.lapTotals[1] = 60000 + k;
        e.lapTotals[2] = 120000 + 3 * k;
        e.totalTime = e.lapTotals[2];
        e.bestLap = e.lapTotals[2] - e.lapTotals[1];
    }
    t.slot(2).passingCount = 3; // corrected by hand
    HeatResultTexts texts;
    texts.comment = "Sable mou";
    ASSERT_EQ(storeHeatResult(race, heatResultTitle(1, 1, 1), 3, t, texts), RewriteResult::Written);

    const auto xlsx = dir.path() / "feuille.xlsx";
    const test::CliRun r = test::runCli({"sheet", path(race), "--category", "1", "--round", "1",
        "--heat", "1", "--xlsx", path(xlsx)});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const SheetRead read = readSheetFile(xlsx);
    ASSERT_TRUE(read.table) << read.error;
    const SheetRow* b = nullptr;
    for (const auto& row : read.table->rows)
        if (row.cells.size() > 2 && row.cells[2] == "PILOTE B")
            b = &row;
    ASSERT_NE(b, nullptr);
    ASSERT_EQ(b->cells.size(), 13u);
    EXPECT_EQ(b->cells[3], "3"); // taken into account
    EXPECT_EQ(b->cells[8], "2"); // recorded by the transponder
    EXPECT_EQ(b->cells[4], "2:00.006");
    EXPECT_EQ(b->cells[5], "120.006");
    EXPECT_EQ(read.table->rows.back().cells,
        (std::vector<std::string> {"Commentaire:", "Sable mou"}));
}

} // namespace
} // namespace ksy
