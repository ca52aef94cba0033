#include "storage/sheets/sheet_cells.h"
#include "storage/sheets/sheet_table.h"
#include "storage/sheets/xml_reader.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

namespace {

using namespace ksy;

const std::filesystem::path kSheets = std::filesystem::path(KSY_TEST_DATA_DIR) / "sheets";

std::vector<std::vector<std::string>> cellsOf(const SheetRead& read)
{
    std::vector<std::vector<std::string>> out;
    if (read.table)
        for (const auto& row : read.table->rows)
            out.push_back(row.cells);
    return out;
}

std::vector<std::size_t> linesOf(const SheetRead& read)
{
    std::vector<std::size_t> out;
    for (const auto& row : read.table->rows)
        out.push_back(row.line);
    return out;
}

TEST(SheetCsv, FrenchExcelFileIsWindows1252WithSemicolons)
{
    const SheetRead read = readSheetFile(kSheets / "federation_fr.csv");
    ASSERT_TRUE(read.table) << read.error;
    const auto cells = cellsOf(read);
    ASSERT_EQ(cells.size(), 5u); // the row of empty cells is left out
    EXPECT_EQ(cells[0][1], "Prénom");
    EXPECT_EQ(cells[0][2], "N° licence");
    EXPECT_EQ(cells[2][0], "LEFÈVRE");
    EXPECT_EQ(cells[2][1], "Éloïse");
    EXPECT_EQ(cells[2][3], "");
    EXPECT_EQ(cells[3][6], "");
    EXPECT_EQ(linesOf(read), (std::vector<std::size_t> {1, 2, 3, 5, 6}));
}

TEST(SheetCsv, Utf8WithMarkCommasAndQuotedLineBreaks)
{
    const SheetRead read = readSheetFile(kSheets / "entries_utf8.csv");
    ASSERT_TRUE(read.table) << read.error;
    const auto cells = cellsOf(read);
    ASSERT_EQ(cells.size(), 4u);
    EXPECT_EQ(cells[0][0], "Full name"); // the byte order mark is not part of it
    EXPECT_EQ(cells[1][0], "SØRENSEN Åsa");
    EXPECT_EQ(cells[1][3], "Strandvej 4\nDK-6857 Blåvand");
    EXPECT_EQ(cells[2][0], "O'BRIEN \"Paddy\"");
    EXPECT_EQ(cells[2][2], "000042");
    // A record that spans two lines of the file is one row of the sheet.
    EXPECT_EQ(linesOf(read), (std::vector<std::size_t> {1, 2, 3, 4}));
}

TEST(SheetCsv, SeparatorAndEncodingAreFoundFromTheBytes)
{
    EXPECT_EQ(cellsOf(readCsv("a\tb\tc;d\r\n1\t2\t3;4")),
        (std::vector<std::vector<std::string>> {{"a", "b", "c;d"}, {"1", "2", "3;4"}}));
    // On a tie the French separator wins.
    EXPECT_EQ(cellsOf(readCsv("a,b;c")), (std::vector<std::vector<std::string>> {{"a,b", "c"}}));
    // A comma inside quotes does not count for the separator.
    EXPECT_EQ(cellsOf(readCsv("\"x,y,z\";b\n")),
        (std::vector<std::vector<std::string>> {{"x,y,z", "b"}}));
    // UTF-16 with its mark ("Unicode text" of a spreadsheet program).
    const std::string utf16("\xFF\xFEN\0o\0m\0\t\0\xE9\0\n\0", 14);
    EXPECT_EQ(cellsOf(readCsv(utf16)), (std::vector<std::vector<std::string>> {{"Nom", "é"}}));
    // A lone CR ends a line too; an unclosed quote keeps the rest of the file.
    EXPECT_EQ(cellsOf(readCsv("a\rb\r\"c\nd")),
        (std::vector<std::vector<std::string>> {{"a"}, {"b"}, {"c\nd"}}));
}

TEST(SheetCsv, TooManyColumnsIsRefused)
{
    const SheetRead read = readCsv(std::string(kSheetMaxColumns + 5, ';'));
    EXPECT_FALSE(read.table);
    EXPECT_NE(read.error.find("trop de colonnes"), std::string::npos);
}

TEST(SheetXlsx, FirstSheetWithSharedStringsNumbersAndDates)
{
    const SheetRead read = readSheetFile(kSheets / "engagements.xlsx");
    ASSERT_TRUE(read.table) << read.error;
    const auto cells = cellsOf(read);
    ASSERT_EQ(cells.size(), 4u);
    EXPECT_EQ(cells[0], (std::vector<std::string> {"Engagements 2026"}));
    EXPECT_EQ(cells[1][1], "Prénom");
    EXPECT_EQ(cells[2], (std::vector<std::string> {"DUPONT", "Jean", "4512", "1201",
                            "14/03/1986", "France", "CV & Char à voile"}));
    EXPECT_EQ(cells[3][0], "LEFÈVRE"); // rich text runs joined, phonetic part left out
    EXPECT_EQ(cells[3][2], "4513");
    EXPECT_EQ(cells[3][3], "2.5");
    EXPECT_EQ(linesOf(read), (std::vector<std::size_t> {1, 3, 4, 6}));
}

TEST(SheetOds, FirstTableWithRepeatsSpacesAndNoNotes)
{
    const SheetRead read = readSheetFile(kSheets / "pilotes.ods");
    ASSERT_TRUE(read.table) << read.error;
    const auto cells = cellsOf(read);
    ASSERT_EQ(cells.size(), 3u);
    EXPECT_EQ(cells[0].size(), 4u); // the 16380 empty cells at the end are not kept
    EXPECT_EQ(cells[1], (std::vector<std::string> {"GARNIER  Luc", "777", "27.195",
                            "06 12 34 56 78"}));
    EXPECT_EQ(cells[2], (std::vector<std::string> {"BIS & Co", "BIS & Co", "", "1000"}));
    EXPECT_EQ(linesOf(read), (std::vector<std::size_t> {1, 2, 5}));
}

TEST(SheetZip, BombAndOversizedFilesAreRefusedWithAReason)
{
    const SheetRead bomb = readSheetFile(kSheets / "bomb.xlsx");
    EXPECT_FALSE(bomb.table);
    EXPECT_NE(bomb.error.find("trop gros"), std::string::npos) << bomb.error;

    test::TempDir dir;
    const auto big = dir.path() / "big.csv";
    std::filesystem::resize_file((test::writeFile(big, "x"), big), kSheetMaxFileBytes + 1);
    const SheetRead oversized = readSheetFile(big);
    EXPECT_FALSE(oversized.table);
    EXPECT_NE(oversized.error.find("100 Mo"), std::string::npos) << oversized.error;

    EXPECT_FALSE(readSheetFile(dir.path() / "absent.csv").table);
    EXPECT_NE(readSheet("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1").error.find(".xls"), std::string::npos);
    // A zip cut short or holding neither workbook is refused, not read as CSV.
    EXPECT_FALSE(readSheet(std::string("PK\x03\x04garbage", 11)).table);
    const std::string xlsx = test::readFile(kSheets / "engagements.xlsx");
    EXPECT_FALSE(readXlsx(xlsx.substr(0, xlsx.size() / 2)).table);
}

TEST(SheetCells, OneLongTextPlacedInEveryCellIsRefusedNotMultiplied)
{
    SheetBuilder builder;
    const std::string text(1024 * 1024, 'x');
    std::optional<std::string> error;
    for (std::size_t row = 1; row <= 200 && !error; ++row) {
        builder.startRow(row);
        for (std::size_t c = 0; c < 10 && !error; ++c)
            error = builder.setCell(c, text);
        if (!error)
            error = builder.endRow();
    }
    ASSERT_TRUE(error);
    EXPECT_NE(error->find("100 Mo"), std::string::npos);
}

TEST(SheetXml, EntitiesAreNeverExpanded)
{
    const std::string xml = "<!DOCTYPE x [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;\">]>"
                            "<r k='&lt;&#233;&#x41;'>&b; &amp; &unknown; &#xZZ;<![CDATA[<t>]]></r>";
    XmlReader reader(xml);
    ASSERT_EQ(reader.next(), XmlReader::Event::Start);
    EXPECT_EQ(reader.name(), "r");
    EXPECT_EQ(reader.attribute("k"), "<éA");
    std::string text;
    for (auto e = reader.next(); e == XmlReader::Event::Text; e = reader.next())
        text += reader.text();
    EXPECT_EQ(text, "&b; & &unknown; &#xZZ;<t>");
    XmlReader broken("<a b=\"unclosed></a>");
    EXPECT_EQ(broken.next(), XmlReader::Event::Error);
}

TEST(SheetCells, NumbersAndDatesShowAsASpreadsheetShowsThem)
{
    EXPECT_EQ(numberText("4512"), "4512");
    EXPECT_EQ(numberText("4512.0"), "4512");
    EXPECT_EQ(numberText("1E3"), "1000");
    EXPECT_EQ(numberText("0.1"), "0.1");
    EXPECT_EQ(numberText("abc"), "abc");
    EXPECT_EQ(serialDateText("1"), "01/01/1900");
    EXPECT_EQ(serialDateText("59"), "28/02/1900");
    EXPECT_EQ(serialDateText("61"), "01/03/1900");
    EXPECT_EQ(serialDateText("45658.75"), "01/01/2025");
    EXPECT_FALSE(serialDateText("-3"));
    EXPECT_TRUE(isDateFormatCode("dd/mm/yyyy;@"));
    EXPECT_TRUE(isDateFormatCode("[$-40C]d mmmm yyyy"));
    EXPECT_FALSE(isDateFormatCode("0.00\" days\""));
    EXPECT_FALSE(isDateFormatCode("[Red]0"));
    EXPECT_TRUE(isBuiltinDateFormat(14));
    EXPECT_FALSE(isBuiltinDateFormat(2));
}

} // namespace
