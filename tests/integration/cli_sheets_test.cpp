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
    RunEntryTable t = test::correctedJuniorsHeat();
    HeatResultTexts texts;
    texts.comment = "Sable mou";
    ASSERT_EQ(storeHeatResult(race, heatResultTitle(1, 1, 1), 3, t, texts), RewriteResult::Written);

    const auto xlsx = dir.path() / "feuille.xlsx";
    const auto csv = dir.path() / "feuille.csv";
    const test::CliRun r = test::runCli({"sheet", path(race), "--category", "1", "--round", "1",
        "--heat", "1", "--xlsx", path(xlsx), "--csv", path(csv)});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string csvText = test::readFile(csv);
    EXPECT_EQ(csvText.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_NE(csvText.find(";PILOTE B;3;2:00.006;120,006;"), std::string::npos) << csvText;
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

TEST(CliSheets, ParticipantsListTakesLicenceAndClubFromTheWorkingFolder)
{
    test::TempDir dir;
    const auto race = test::buildRaceFile(dir.path(), test::threeJuniors());
    ASSERT_FALSE(race.empty());
    const auto work = dir.path() / "work";
    std::filesystem::create_directories(work);
    test::writeFile(work / std::filesystem::path(u8"BaseDonnéesPilotes.bd"),
        "PILOTE B\t\t\t\t\t\t\t\t\t004512\t000502\tCV Berck\t\t\n");
    const auto xlsx = dir.path() / "participants.xlsx";
    const test::CliRun r = test::runCli({"participants", path(race), "--category", "1", "--workdir",
        path(work), "--xlsx", path(xlsx)});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const SheetRead read = readSheetFile(xlsx);
    ASSERT_TRUE(read.table) << read.error;
    const auto& rows = read.table->rows;
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[0].cells[0], "CATEGORIE : Juniors");
    EXPECT_EQ(rows[1].cells[0], "Liste des participants (3 inscrits)");
    EXPECT_EQ(rows[5].cells, (std::vector<std::string> {"2", "PILOTE B", "004512", "CV Berck"}));
    EXPECT_EQ(rows[6].cells, (std::vector<std::string> {"3", "PILOTE C"}));

    EXPECT_EQ(test::runCli({"participants", path(race), "--category", "4", "--xlsx", path(xlsx)})
                  .exitCode,
        2);
    EXPECT_EQ(test::runCli({"participants", path(race), "--category", "1"}).exitCode, 2);
}

} // namespace
} // namespace ksy
