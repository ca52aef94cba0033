#include "databases/database_files.h"
#include "databases/database_writers.h"
#include "storage/encoding.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

using namespace ksy;
using ksy::test::FakePrompts;
using ksy::test::TempDir;
using ksy::test::writeFile;

TEST(DatabaseFiles, MainWindowLoadsReportFailureAndOverflow)
{
    TempDir dir;
    WorkFolder folder(dir.path());
    FakePrompts prompts;

    std::vector<Course> courses(2);
    std::vector<TransponderPack> packs(3);
    EXPECT_FALSE(loadCourseDatabase(folder, prompts, courses));
    EXPECT_FALSE(loadTransponderPackDatabase(folder, prompts, packs));
    EXPECT_TRUE(courses.empty());
    EXPECT_EQ(packs.size(), 20u);
    ASSERT_EQ(prompts.boxes.size(), 2u);
    EXPECT_EQ(prompts.boxes[0].title, "Erreur");
    EXPECT_EQ(prompts.boxes[0].text, "Erreur: impossible d'ouvrir la base de données Parcours");
    EXPECT_EQ(
        prompts.boxes[1].text, "Erreur: impossible d'ouvrir la base de données Transpondeurs");

    // The file names are the accented ones, stored as UTF-8 on this system.
    std::string many;
    for (int i = 0; i < 51; ++i)
        many += "C" + std::to_string(i) + "\t\t\t0\t\t\t\t\t\n";
    writeFile(dir.path() / "BaseDonnéesParcours.bd", many);
    writeFile(dir.path() / "BaseDonnéesTranspondeurs.bd", "");
    prompts.boxes.clear();
    EXPECT_TRUE(loadCourseDatabase(folder, prompts, courses));
    EXPECT_TRUE(loadTransponderPackDatabase(folder, prompts, packs));
    EXPECT_EQ(courses.size(), 50u);
    ASSERT_EQ(prompts.texts(),
        (std::vector<std::string> {"Attention: 1 enregistrement au-delà de 50 ignoré dans la "
                                   "base de données Parcours"}));
    EXPECT_EQ(ignoredRecordsText(3, 1000, "Pilotes"),
        "Attention: 3 enregistrements au-delà de 1000 ignorés dans la base de données "
        "Pilotes");
}

TEST(DatabaseFiles, WriterReportsAFileThatCannotBeWritten)
{
    TempDir dir;
    EXPECT_FALSE(writeClubs(dir.path() / "missing-folder" / "c.bd", {}));
    EXPECT_FALSE(writeFrequencies(dir.path(), {})); // a folder
    EXPECT_TRUE(writeClubs(dir.path() / "c.bd", {}));
}
