#include "databases/editors/club_editor.h"
#include "databases/editors/course_editor.h"
#include "databases/editors/frequency_editor.h"
#include "databases/editors/transponder_pack_editor.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

using namespace ksy;
using ksy::test::FakePrompts;
using ksy::test::readFile;
using ksy::test::TempDir;
using ksy::test::writeFile;

namespace {
using Names = std::vector<std::string>;
}

TEST(ClubEditor, ExactDuplicatesOnlyAndCapacity)
{
    Club acv;
    acv.name = "ACV";
    ClubEditor e({acv}, {"France"});
    EXPECT_FALSE(e.add("ACV"));
    EXPECT_TRUE(e.add("acv")); // another case is another club here
    EXPECT_TRUE(e.add("(NA)")); // reserved only among pilots
    EXPECT_TRUE(e.add(std::string(48, 'x')));
    EXPECT_FALSE(e.add(std::string(49, 'y')));
    EXPECT_EQ(e.names().size(), 4u);

    std::vector<Club> many(100);
    for (int i = 0; i < 100; ++i)
        many[i].name = "C" + std::to_string(100 + i);
    ClubEditor full(many, {});
    EXPECT_FALSE(full.add("Zz"));
    EXPECT_EQ(full.records().size(), 100u);
}

TEST(ClubEditor, OkWritesTheSortedFileByteForByte)
{
    TempDir dir;
    WorkFolder folder(dir.path());
    writeFile(dir.path() / "BaseDonnéesPays.bd", "France\n");
    writeFile(dir.path() / "BaseDonnéesClubs.bd", "");
    FakePrompts prompts;
    ClubEditor e = ClubEditor::open(folder, prompts);
    EXPECT_TRUE(prompts.boxes.empty()); // an empty file is an empty table
    ASSERT_TRUE(e.add("Club \xC3\xBF")); // ÿ is 0xFF in the file
    ASSERT_TRUE(e.setText(ClubEditor::Acronym, "CY"));
    ASSERT_TRUE(e.setText(ClubEditor::CountryChoice, "France"));
    ASSERT_TRUE(e.add("Abc"));
    ASSERT_TRUE(e.setText(ClubEditor::Email, "a@b.fr"));
    ASSERT_TRUE(e.save(folder, prompts));
    EXPECT_EQ(readFile(dir.path() / "BaseDonnéesClubs.bd"),
        "Abc\t\t\t\t\t\t\t\ta@b.fr\t\n"
        "Club \xFF\tCY\t\t\t\t\tFrance\t\t\t\n");
}

TEST(CourseEditor, EffacerClearsTheRecordOnlyWhenConfirmed)
{
    TempDir dir;
    WorkFolder folder(dir.path());
    const std::string line =
        "Plage\t1200\t1:02.345\t62345\tDupont\t20\tBerck\timages/berck.bmp\t\n";
    writeFile(dir.path() / "BaseDonnéesParcours.bd", line);
    FakePrompts prompts;

    CourseEditor e = CourseEditor::open(folder, prompts);
    EXPECT_EQ(e.text(CourseEditor::LapRecord), "1:02.345");
    EXPECT_EQ(e.imagePath(), "images/berck.bmp");
    EXPECT_FALSE(e.setText(CourseEditor::LapRecord, "0:59.000"));
    EXPECT_FALSE(e.setText(CourseEditor::Length, "12a"));
    EXPECT_FALSE(e.setText(CourseEditor::LapProtection, "1000"));
    e.press(CourseEditor::ClearRecord);
    EXPECT_EQ(e.text(CourseEditor::RecordHolder), "");
    // "Echap": nothing is written.
    EXPECT_EQ(readFile(dir.path() / "BaseDonnéesParcours.bd"), line);

    ASSERT_TRUE(e.setText(CourseEditor::LapProtection, "15"));
    ASSERT_TRUE(e.save(folder, prompts));
    EXPECT_EQ(readFile(dir.path() / "BaseDonnéesParcours.bd"),
        "Plage\t1200\t\t0\t\t15\tBerck\timages/berck.bmp\t\n");

    // Removing the only course leaves an empty list, and "Ok" an empty file.
    ASSERT_TRUE(e.remove());
    EXPECT_TRUE(e.names().empty());
    e.press(CourseEditor::ClearRecord); // no selection: nothing happens
    ASSERT_TRUE(e.save(folder, prompts));
    EXPECT_EQ(readFile(dir.path() / "BaseDonnéesParcours.bd"), "");
    EXPECT_TRUE(prompts.boxes.empty());

    std::vector<Course> many(50);
    for (int i = 0; i < 50; ++i)
        many[i].name = "T" + std::to_string(10 + i);
    CourseEditor full(many);
    EXPECT_FALSE(full.add("Zz"));
}

TEST(FrequencyEditor, SixCharactersSortedOneALine)
{
    TempDir dir;
    WorkFolder folder(dir.path());
    FakePrompts prompts;
    FrequencyEditor e = FrequencyEditor::open(folder, prompts);
    EXPECT_EQ(
        prompts.texts(), (Names {"Erreur: impossible d'ouvrir la base de données Fréquences"}));
    EXPECT_FALSE(e.add("40.66"));
    EXPECT_FALSE(e.add("40.6650"));
    EXPECT_TRUE(e.add("40.685"));
    EXPECT_TRUE(e.add("27.195"));
    EXPECT_FALSE(e.add("27.195"));
    EXPECT_EQ(e.names(), (Names {"27.195", "40.685"}));
    EXPECT_EQ(e.idNumber(), 1u);
    EXPECT_TRUE(e.fields().empty());

    ASSERT_TRUE(e.save(folder, prompts));
    EXPECT_EQ(readFile(dir.path() / "BaseDonnéesFréquences.bd"), "27.195\n40.685\n");
    prompts.boxes.clear();
    EXPECT_FALSE(e.save(WorkFolder(dir.path() / "missing"), prompts));
    EXPECT_EQ(
        prompts.texts(), (Names {"Erreur: impossible d'ouvrir la base de données Frequences"}));

    std::vector<RadioFrequency> many(100);
    for (int i = 0; i < 100; ++i)
        many[i].value = "40." + std::to_string(100 + i);
    FrequencyEditor full(many);
    EXPECT_FALSE(full.add("41.000"));
}

TEST(TransponderPackEditor, TwentyPacksOfDigits)
{
    TempDir dir;
    WorkFolder folder(dir.path());
    writeFile(dir.path() / "BaseDonnéesTranspondeurs.bd", "Pack1\t000123\t\n");
    FakePrompts prompts;
    TransponderPackEditor e = TransponderPackEditor::open(folder, prompts);
    EXPECT_TRUE(prompts.boxes.empty());
    ASSERT_EQ(e.labels().size(), 20u);
    EXPECT_EQ(e.label(), "Pack1");
    EXPECT_EQ(e.transponder(0), "000123");

    EXPECT_FALSE(e.setTransponder(1, "1234567"));
    EXPECT_FALSE(e.setTransponder(1, "12-4"));
    EXPECT_FALSE(e.setTransponder(20, "1"));
    // A short number is kept in the six-digit form the passings carry.
    EXPECT_TRUE(e.setTransponder(19, "42"));
    EXPECT_EQ(e.transponder(19), "000042");
    EXPECT_TRUE(e.setTransponder(0, ""));
    e.select(1);
    EXPECT_EQ(e.transponder(19), "");
    EXPECT_TRUE(e.setTransponder(0, "7"));

    ASSERT_TRUE(e.save(folder, prompts));
    const std::string empty21(21, '\t');
    std::string expected =
        "Pack1" + std::string(20, '\t') + "000042\t\n" + "\t000007" + std::string(20, '\t') + "\n";
    for (int i = 2; i < 20; ++i)
        expected += empty21 + "\n";
    EXPECT_EQ(readFile(dir.path() / "BaseDonnéesTranspondeurs.bd"), expected);

    prompts.boxes.clear();
    TempDir none;
    TransponderPackEditor missing = TransponderPackEditor::open(WorkFolder(none.path()), prompts);
    EXPECT_EQ(
        prompts.texts(), (Names {"Erreur: impossible d'ouvrir la base de données Transpondeurs"}));
    EXPECT_EQ(missing.labels(), Names(20));
}
