#include "databases/database_loaders.h"
#include "databases/database_writers.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

using namespace ksy;
using ksy::test::readFile;
using ksy::test::TempDir;
using ksy::test::writeFile;

namespace {
std::string repeat(char c, std::size_t n)
{
    return std::string(n, c);
}
} // namespace

TEST(DatabaseLoaders, CourseLineLoadsIntoItsEightFieldsAndWritesBackIdentically)
{
    TempDir dir;
    const auto file = dir.path() / "c.bd";
    const std::string bytes = "Berck\t1200\t1:02.345\t62345\tJean Dupont\t20\tPlage du Nord\t"
                              "images/berck.bmp\t\n"
                              "Cherrueix\t\t\t0\t\t3\t\t\t\n";
    writeFile(file, bytes);

    const auto t = loadCourses(file);
    ASSERT_TRUE(t.opened);
    ASSERT_EQ(t.records.size(), 2u);
    const Course& c = t.records[0];
    EXPECT_EQ(c.name, "Berck");
    EXPECT_EQ(c.length, "1200");
    EXPECT_EQ(c.lapRecordText, "1:02.345");
    EXPECT_EQ(c.lapRecordMs, 62345);
    EXPECT_EQ(c.recordHolder, "Jean Dupont");
    EXPECT_EQ(c.lapProtectionTime, "20");
    EXPECT_EQ(c.place, "Plage du Nord");
    EXPECT_EQ(c.imagePath, "images/berck.bmp");
    EXPECT_EQ(splitLapRecord(c.lapRecordMs), (LapRecordParts {0, 1, 2, 345}));
    EXPECT_EQ(splitLapRecord(3723004), (LapRecordParts {1, 2, 3, 4}));

    ASSERT_TRUE(writeCourses(file, t.records));
    EXPECT_EQ(readFile(file), bytes);
}

TEST(DatabaseLoaders, AccentsAndByteFFAreOrdinaryText)
{
    TempDir dir;
    const auto file = dir.path() / "p.bd";
    // "Jérôme Lefèvre" and a name holding 0xFF, which is text and not the end.
    const std::string pilots =
        "J\xE9r\xF4me Lef\xE8vre\t1 rue de l'\xC9glise\t\t62600\tBerck\tFrance\t0321\t"
        "j@x.fr\t01/02/1970\tL123\t012345\tCLV Berck\tphotos/j.bmp\t\n"
        "Ha\xFFk\xFF\t\t\t\t\t\t\t\t\t\t\t\t\t\n"
        "Zo\xEB\t\t\t\t\t\t\t\t\t\t\t\t\t\n";
    writeFile(file, pilots);

    const auto t = loadPilots(file);
    ASSERT_EQ(t.records.size(), 3u);
    EXPECT_EQ(t.records[0].name, "J\xE9r\xF4me Lef\xE8vre");
    EXPECT_EQ(t.records[0].address, "1 rue de l'\xC9glise");
    EXPECT_EQ(t.records[0].transponder, "012345");
    EXPECT_EQ(t.records[0].club, "CLV Berck");
    EXPECT_EQ(t.records[0].photoPath, "photos/j.bmp");
    EXPECT_EQ(t.records[1].name, "Ha\xFFk\xFF");
    EXPECT_EQ(t.records[2].name, "Zo\xEB");
    ASSERT_TRUE(writePilots(file, t.records));
    EXPECT_EQ(readFile(file), pilots);
}

TEST(DatabaseLoaders, EmptyFileIsAnEmptyTableAndMissingFileAFailure)
{
    TempDir dir;
    writeFile(dir.path() / "clubs.bd", "");
    const auto empty = loadClubs(dir.path() / "clubs.bd");
    EXPECT_TRUE(empty.opened);
    EXPECT_TRUE(empty.records.empty());

    EXPECT_FALSE(loadClubs(dir.path() / "none.bd").opened);
    EXPECT_FALSE(loadCountries(dir.path() / "none.bd").opened);
    EXPECT_FALSE(loadFrequencies(dir.path()).opened); // a folder is not a file

    const auto packs = loadTransponderPacks(dir.path() / "none.bd");
    EXPECT_FALSE(packs.opened);
    EXPECT_EQ(packs.records.size(), 20u); // 20 packs with empty labels
}

TEST(DatabaseLoaders, EveryFieldIsBoundedByItsWidth)
{
    TempDir dir;
    const auto file = dir.path() / "clubs.bd";
    writeFile(file,
        repeat('n', 60) + "\t" + repeat('s', 20) + "\tA\tB\tC\tD\t" + repeat('p', 40) +
            "\tT\tE\t\n");
    const auto t = loadClubs(file);
    ASSERT_EQ(t.records.size(), 1u);
    EXPECT_EQ(t.records[0].name, repeat('n', 49));
    EXPECT_EQ(t.records[0].acronym, repeat('s', 14));
    EXPECT_EQ(t.records[0].address, "A");
    EXPECT_EQ(t.records[0].country, repeat('p', 34));
    EXPECT_EQ(t.records[0].email, "E");

    // The writer bounds what a caller put into a record the same way.
    Club big;
    big.name = repeat('x', 80);
    EXPECT_EQ(formatClubs({big}), repeat('x', 49) + std::string(9, '\t') + "\n");
}

TEST(DatabaseLoaders, DamagedLinesNeverSpillIntoTheNextRecord)
{
    TempDir dir;
    const auto file = dir.path() / "c.bd";
    // A short line, a lap record field left empty, a blank line and a last
    // line without its line feed.
    writeFile(file, "Short\t1200\t\nNoRecord\t800\t\t\tHolder\t5\tPlage\t\t\n\nLast\t9\t");
    const auto t = loadCourses(file);
    ASSERT_EQ(t.records.size(), 3u);
    EXPECT_EQ(t.records[0].name, "Short");
    EXPECT_EQ(t.records[0].length, "1200");
    EXPECT_EQ(t.records[0].place, "");
    EXPECT_EQ(t.records[1].name, "NoRecord");
    EXPECT_EQ(t.records[1].lapRecordMs, 0);
    EXPECT_EQ(t.records[1].recordHolder, "Holder");
    EXPECT_EQ(t.records[1].lapProtectionTime, "5");
    EXPECT_EQ(t.records[2].name, "Last");
    EXPECT_EQ(t.records[2].length, "9");
}

TEST(DatabaseLoaders, TransponderPacksAreAlwaysTwentyLines)
{
    TempDir dir;
    const auto file = dir.path() / "t.bd";
    std::vector<TransponderPack> packs(20);
    ASSERT_TRUE(writeTransponderPacks(file, packs));
    std::string expected;
    for (int i = 0; i < 20; ++i)
        expected += std::string(21, '\t') + "\n";
    EXPECT_EQ(readFile(file), expected);

    // Three lines in the file still give 20 packs, and 20 lines on saving.
    std::string three = "Pack A\t001234\t\t000007\t" + std::string(17, '\t') + "\n";
    three += "Pack B\t" + std::string(20, '\t') + "\nPack C\t" + std::string(20, '\t') + "\n";
    writeFile(file, three);
    const auto t = loadTransponderPacks(file);
    ASSERT_EQ(t.records.size(), 20u);
    EXPECT_EQ(t.records[0].label, "Pack A");
    EXPECT_EQ(t.records[0].transponders[0], "001234");
    EXPECT_EQ(t.records[0].transponders[1], "");
    EXPECT_EQ(t.records[0].transponders[2], "000007");
    EXPECT_EQ(t.records[2].label, "Pack C");
    EXPECT_EQ(t.records[3].label, "");
    ASSERT_TRUE(writeTransponderPacks(file, t.records));
    std::string rewritten = three;
    for (int i = 3; i < 20; ++i)
        rewritten += std::string(21, '\t') + "\n";
    EXPECT_EQ(readFile(file), rewritten);
}

TEST(DatabaseLoaders, FrequenciesAndCountriesAreOneValueALine)
{
    TempDir dir;
    const auto file = dir.path() / "f.bd";
    writeFile(file, "27.125\n40.665\n\n41.0001\n");
    auto t = loadFrequencies(file);
    ASSERT_EQ(t.records.size(), 3u);
    EXPECT_EQ(t.records[2].value, "41.000"); // six characters at most
    t.records.push_back({}); // not in use: not written
    ASSERT_TRUE(writeFrequencies(file, t.records));
    EXPECT_EQ(readFile(file), "27.125\n40.665\n41.000\n");

    std::string countries;
    for (int i = 0; i < 208; ++i)
        countries += "Pays" + std::to_string(i) + "\n";
    writeFile(dir.path() / "pays.bd", "C\xF4te d'Ivoire\n" + countries);
    const auto c = loadCountries(dir.path() / "pays.bd");
    ASSERT_EQ(c.records.size(), 208u);
    EXPECT_EQ(c.records[0].name, "C\xF4te d'Ivoire");
    EXPECT_EQ(c.records[207].name, "Pays206");
    EXPECT_EQ(c.ignored, 1u);
}

TEST(DatabaseLoaders, RecordsBeyondTheCapacityAreCountedNotKept)
{
    TempDir dir;
    const auto file = dir.path() / "c.bd";
    std::string bytes;
    for (int i = 0; i < 53; ++i)
        bytes += "Course" + std::to_string(i) + "\t\t\t0\t\t\t\t\t\n";
    writeFile(file, bytes);
    const auto t = loadCourses(file);
    ASSERT_EQ(t.records.size(), 50u);
    EXPECT_EQ(t.records[49].name, "Course49");
    EXPECT_EQ(t.ignored, 3u);

    std::string pilots;
    for (int i = 0; i < 1000; ++i)
        pilots += "P" + std::to_string(i) + "\t\n";
    writeFile(file, pilots);
    const auto p = loadPilots(file);
    EXPECT_EQ(p.records.size(), 1000u);
    EXPECT_EQ(p.ignored, 0u);
}
