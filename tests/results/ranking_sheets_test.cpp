#include "results/ranking_sheets.h"
#include "storage/encoding.h"
#include "storage/sheets/sheet_table.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

namespace {

using namespace ksy;

TEST(RankingSheets, TimesAreReadInEveryFormTheyAreWritten)
{
    EXPECT_DOUBLE_EQ(*timeSeconds("1:02.345"), 62.345);
    EXPECT_DOUBLE_EQ(*timeSeconds("3.456"), 3.456);
    EXPECT_DOUBLE_EQ(*timeSeconds("1:02:03.004"), 3723.004);
    EXPECT_DOUBLE_EQ(*timeSeconds("0:03.456"), 3.456);
    EXPECT_DOUBLE_EQ(*timeSeconds("00:00.000"), 0);
    for (const char* text : {"", "12", "1:2.345", "1:02.34", "a:02.345", "1:02:03:04.005",
             "1.2.345", ".345", "1:02.3456"})
        EXPECT_FALSE(timeSeconds(text)) << text;
}

TEST(RankingSheets, ExportTextBecomesTypedColumnsWithSeconds)
{
    const std::string text = "Course : Grand Prix - Plage Nord\t\n"
                             "CATEGORIE : CATEGORIE 1\t\n"
                             "Classement Manche1\t\n\n"
                             "Place\tNom\tTours\tTemps total\tMeilleur tour\tPoints\t\n\n"
                             "1\tAng\xE8le\t5\t4:50.000\t59.000\t10\t\n"
                             "2\t007\t0\t\t\t1000\t\n";
    const OutSheet sheet = exportTextSheet(text, "Classement manche");
    ASSERT_EQ(sheet.rows.size(), 8u);
    EXPECT_EQ(sheet.rows[0], (OutRow {OutCell::of(std::string("Course : Grand Prix - Plage Nord"))}));
    EXPECT_TRUE(sheet.rows[3].empty());
    const auto t = [](const char* s) { return OutCell::of(std::string(s)); };
    const auto n = [](double v) { return OutCell::of(v); };
    EXPECT_EQ(sheet.rows[4], (OutRow {t("Place"), t("Nom"), t("Tours"), t("Temps total"),
                                 t("Temps total (s)"), t("Meilleur tour"), t("Meilleur tour (s)"),
                                 t("Points")}));
    EXPECT_EQ(sheet.rows[6], (OutRow {n(1), t("Angèle"), n(5), t("4:50.000"), n(290), t("59.000"),
                                 n(59), n(10)}));
    // A name of digits stays a name; a pilot without time has empty seconds.
    EXPECT_EQ(sheet.rows[7], (OutRow {n(2), t("007"), n(0), t(""), t(""), t(""), t(""), n(1000)}));
}

TEST(RankingSheets, CsvIsWhatFrenchExcelOpensAndXlsxReadsBackCellByCell)
{
    OutSheet sheet {"Essai", {{OutCell::of(std::string("Nom; \"dit\"")), OutCell::of(62.345)},
                                 {OutCell::of(std::string("a\nb")), OutCell::of(7.0)}}};
    EXPECT_EQ(csvBytes(sheet), "\xEF\xBB\xBF\"Nom; \"\"dit\"\"\";62,345\r\n\"a\nb\";7\r\n");

    test::TempDir dir;
    const auto file = dir.path() / "essai.xlsx";
    ASSERT_TRUE(writeSheetFile(file, sheet));
    const SheetRead read = readSheetFile(file);
    ASSERT_TRUE(read.table) << read.error;
    ASSERT_EQ(read.table->rows.size(), 2u);
    EXPECT_EQ(read.table->rows[0].cells, (std::vector<std::string> {"Nom; \"dit\"", "62.345"}));
    EXPECT_EQ(read.table->rows[1].cells, (std::vector<std::string> {"a\nb", "7"}));
    // Nothing is left behind when the file cannot be written.
    EXPECT_FALSE(writeSheetFile(dir.path() / "absent" / "x.xlsx", sheet));
    EXPECT_FALSE(writeSheetFile(dir.path() / "absent" / "x.csv", sheet));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                  std::filesystem::directory_iterator()),
        1);
}

TEST(RankingSheets, HeatSheetKeepsBothGroupsOfColumns)
{
    HeatSheet heat;
    heat.category = "CATEGORIE : Classe 5";
    heat.roundAndHeat = cp1252("Manche1 - Série2");
    heat.course = "Course : GP - Plage";
    heat.texts.description = "Finale";
    heat.texts.condition = "Sable dur";
    heat.texts.comment = "RAS";
    heat.standings.count = 1;
    BoardRow& r = heat.standings.board[0];
    r.place = "1";
    r.slotNumber = "4";
    r.name = "DUPONT Jean";
    r.passingCount = "6";
    r.totalTime = "6:10.500";
    r.bestLap = "59.900";
    r.laps = "5";
    r.totalAtLastLap = "5:05.000";
    r.recomputedBestLap = "1:00.100";
    const OutSheet sheet = heatSheetSheet(heat);
    ASSERT_EQ(sheet.rows.size(), 10u);
    EXPECT_EQ(sheet.rows[1][0].text, "Manche1 - Série2");
    EXPECT_EQ(sheet.rows[3][0].text, "Finale - Sable dur");
    // The group heads sit over their first column once the seconds are added.
    EXPECT_EQ(sheet.rows[5][3].text, "Résultat pris en compte");
    EXPECT_EQ(sheet.rows[5][8].text, "Relevés transpondeurs");
    EXPECT_EQ(sheet.rows[6][8].text, "Tours");
    EXPECT_EQ(sheet.rows[7][2].text, "DUPONT Jean");
    EXPECT_EQ(sheet.rows[7][4].text, "6:10.500");
    EXPECT_EQ(sheet.rows[7][5].number, 370.5);
    EXPECT_EQ(sheet.rows[7][8].number, 5);
    EXPECT_EQ(sheet.rows[7][12].number, 60.1);
    EXPECT_EQ(sheet.rows[9][1].text, "RAS");
}

} // namespace
