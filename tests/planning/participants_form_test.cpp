#include "databases/database_files.h"
#include "databases/database_loaders.h"
#include "databases/database_writers.h"
#include "planning/participants_form.h"
#include "race_folder_fixture.h"
#include "storage/race_file.h"
#include "storage/section_titles.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

using namespace ksy;
using ksy::test::FakePrompts;
using ksy::test::readFile;
using ksy::test::TempDir;
using ksy::test::writeFile;

namespace {

struct Folder : ksy::test::NewRaceFolder {
    explicit Folder(const std::vector<std::string>& names)
    {
        std::vector<Pilot> pilots;
        for (std::size_t i = 0; i < names.size(); ++i) {
            Pilot p;
            p.name = names[i];
            p.licence = "L" + std::to_string(i);
            p.transponder = "0000" + std::to_string(10 + i);
            p.club = "Club " + std::to_string(i);
            pilots.push_back(p);
        }
        writePilots(folder.file(kPilotFile), pilots);
    }
    int indexOf(const ParticipantsForm& form, const std::string& name) const
    {
        for (std::size_t i = 0; i < form.pilots().size(); ++i)
            if (form.pilots()[i].name == name)
                return static_cast<int>(i);
        return -1;
    }
};

std::vector<std::string> numberedNames(int n)
{
    std::vector<std::string> names;
    for (int i = 0; i < n; ++i)
        names.push_back(
            "Pilote " + std::string(i < 100 ? "0" : "") + (i < 10 ? "0" : "") + std::to_string(i));
    return names;
}

} // namespace

TEST(ParticipantsForm, EnteringSortsTheListButKeepsThePlanInEntryOrder)
{
    Folder f({"Durand", "Albert", "Martin"});
    ParticipantsForm form(f.folder, 1, f.prompts);
    EXPECT_TRUE(f.prompts.boxes.empty());
    EXPECT_EQ(form.countText(), "(0)");

    EXPECT_TRUE(form.enter(f.indexOf(form, "Durand")));
    EXPECT_TRUE(form.enter(f.indexOf(form, "Albert")));
    EXPECT_FALSE(form.enter(f.indexOf(form, "Albert"))); // already entered
    EXPECT_EQ(form.participantNames(), (std::vector<std::string> {"Albert", "Durand"}));
    EXPECT_EQ(form.plan().at(0), "Durand");
    EXPECT_EQ(form.plan().at(1), "Albert");
    EXPECT_EQ(form.plan().at(2), "(NA)");
    EXPECT_EQ(form.countText(), "(2)");
    // The transponder is the entered pilot's, not the one at the list's new position.
    EXPECT_EQ(form.list().find("Albert")->transponder, "000011");
    EXPECT_EQ(form.list().find("Durand")->transponder, "000010");

    // Removing empties the slot in place; the next pilot goes after the last used one.
    EXPECT_TRUE(form.remove("Durand"));
    EXPECT_FALSE(form.remove("Durand"));
    EXPECT_EQ(form.plan().at(0), "(NA)");
    EXPECT_TRUE(form.enter(f.indexOf(form, "Martin")));
    EXPECT_EQ(form.plan().at(2), "Martin");
    EXPECT_EQ(form.participantNames(), (std::vector<std::string> {"Albert", "Martin"}));
    EXPECT_TRUE(f.prompts.boxes.empty());
}

TEST(ParticipantsForm, ASharedOrShortTransponderIsEnteredWithItsSixDigitsAndAWarning)
{
    Folder f({"Durand", "Albert", "Martin"});
    std::vector<Pilot> pilots = loadPilots(f.folder.file(kPilotFile)).records;
    pilots[1].transponder = "10"; // a file written by hand: Albert carries Durand's
    writePilots(f.folder.file(kPilotFile), pilots);
    ParticipantsForm form(f.folder, 1, f.prompts);
    EXPECT_TRUE(form.enter(f.indexOf(form, "Durand")));
    EXPECT_TRUE(f.prompts.boxes.empty());
    EXPECT_TRUE(form.enter(f.indexOf(form, "Albert")));
    EXPECT_EQ(form.list().find("Albert")->transponder, "000010");
    ASSERT_EQ(f.prompts.boxes.size(), 1u);
    EXPECT_EQ(f.prompts.boxes[0].title, "Attention");
    EXPECT_EQ(f.prompts.boxes[0].text,
        "Attention : le transpondeur 000010 est déjà celui de Durand dans cette catégorie.");
}

TEST(ParticipantsForm, RemovedSlotStaysEmptyAndRemovingFromEmptyListDoesNothing)
{
    Folder f(numberedNames(13));
    ParticipantsForm form(f.folder, 1, f.prompts);
    EXPECT_FALSE(form.remove("Pilote 000"));
    for (int i = 0; i < 12; ++i)
        ASSERT_TRUE(form.enter(i));
    EXPECT_TRUE(form.remove("Pilote 002"));
    EXPECT_EQ(form.plan().at(2), "(NA)");
    ASSERT_TRUE(form.enter(12));
    EXPECT_EQ(form.plan().at(12), "Pilote 012");
    EXPECT_EQ(form.plan().length(), 13);
    EXPECT_EQ(form.list().count(), 12);
}

TEST(ParticipantsForm, RefusesBeyondTwoHundredParticipantsOrPlanSlots)
{
    Folder f(numberedNames(202));
    ParticipantsForm form(f.folder, 1, f.prompts);
    for (int i = 0; i < 200; ++i)
        ASSERT_TRUE(form.enter(i)) << i;
    EXPECT_FALSE(form.enter(200));
    EXPECT_EQ(form.list().count(), 200);
    EXPECT_EQ(form.plan().at(200), "(NA)");

    // Freed participants do not help while the last plan slot is taken.
    ASSERT_TRUE(form.remove("Pilote 000"));
    EXPECT_FALSE(form.enter(200));
    // Freeing the last slot lets one more in, at that slot.
    ASSERT_TRUE(form.remove("Pilote 199"));
    EXPECT_TRUE(form.enter(200));
    EXPECT_EQ(form.plan().at(199), "Pilote 200");
}

TEST(ParticipantsForm, ValiderResetsRoundsAndCreatesBothSections)
{
    Folder f({"Durand", "Albert"});
    const auto raceFile = workingRaceFile(f.folder);
    RaceHeader header;
    ASSERT_TRUE(readRaceHeader(raceFile, header));
    header.categories.category(1).rounds = 3;
    header.categories.category(1).heatsPerRound = 4;
    ASSERT_TRUE(writeRaceHeader(raceFile, header));

    ParticipantsForm form(f.folder, 1, f.prompts);
    ASSERT_TRUE(form.enter(0));
    ASSERT_TRUE(form.enter(1));
    ASSERT_TRUE(form.save());
    EXPECT_TRUE(f.prompts.boxes.empty());

    RaceHeader back;
    ASSERT_TRUE(readRaceHeader(raceFile, back));
    EXPECT_EQ(back.categories.category(1).rounds, 0);
    EXPECT_EQ(back.categories.category(1).heatsPerRound, 0);
    EXPECT_EQ(back.categories.category(1).participants, 2);
    EXPECT_EQ(back.categories.category(1).name, "CATEGORIE 1");

    // The list section first, then the plan with the defaults, both appended.
    const std::string bytes = readFile(raceFile);
    const auto list = bytes.find("\n" + participantListTitle(1) + "\t\nAlbert\t000011\t");
    const auto plan =
        bytes.find("\n" + heatPlanTitle(1) + "\t\n0\t10\t1\t\nDurand\t\nAlbert\t\n(NA)\t\n");
    ASSERT_NE(list, std::string::npos);
    ASSERT_NE(plan, std::string::npos);
    EXPECT_LT(list, plan);

    // Reopening shows what was saved; a second save rewrites in place.
    ParticipantsForm again(f.folder, 1, f.prompts);
    EXPECT_EQ(again.participantNames(), (std::vector<std::string> {"Albert", "Durand"}));
    EXPECT_EQ(again.plan().at(0), "Durand");
    ASSERT_TRUE(again.remove("Albert"));
    ASSERT_TRUE(again.save());
    EXPECT_EQ(readFile(raceFile).size(), bytes.size());
}

TEST(ParticipantsForm, StoredResultsMakeTheListReadOnly)
{
    Folder f({"Durand", "Albert"});
    const auto raceFile = workingRaceFile(f.folder);
    {
        ParticipantsForm form(f.folder, 1, f.prompts);
        ASSERT_TRUE(form.enter(0));
        ASSERT_TRUE(form.save());
    }
    RaceHeader header;
    ASSERT_TRUE(readRaceHeader(raceFile, header));
    header.categories.category(1).resultsStored = 1;
    ASSERT_TRUE(writeRaceHeader(raceFile, header));
    const std::string before = readFile(raceFile);

    ParticipantsForm form(f.folder, 1, f.prompts);
    EXPECT_TRUE(form.readOnly());
    EXPECT_FALSE(form.enter(1));
    EXPECT_FALSE(form.remove("Durand"));
    EXPECT_FALSE(form.save());
    EXPECT_EQ(readFile(raceFile), before);
}

TEST(ParticipantsForm, MissingFilesAreReportedAndAnUnreadHeaderIsNeverWritten)
{
    TempDir dir;
    WorkFolder folder {dir.path()};
    FakePrompts prompts;
    ParticipantsForm form(folder, 1, prompts);
    EXPECT_EQ(prompts.texts(),
        (std::vector<std::string> {"Erreur: impossible d'ouvrir la base de donn\xC3\xA9"
                                   "es Pilotes",
            "Erreur: impossible d'ouvrir le fichier Course",
            "Erreur: impossible d'ouvrir le fichier Course"}));
    // The race file appears meanwhile: saving must not write an empty header over it.
    std::filesystem::create_directories(dir.path() / "Private");
    writeFile(workingRaceFile(folder), newRaceFileBytes());
    EXPECT_FALSE(form.save());
    EXPECT_EQ(readFile(workingRaceFile(folder)), newRaceFileBytes());
}

TEST(ParticipantsForm, SectionTitlesEditedIntoThePilotFileNeverBecomeParticipants)
{
    // A pilot file edited outside the program, with section titles as names.
    Folder f({});
    writeFile(f.folder.file(kPilotFile),
        "Durand\t\n\nCat\xE9gorie2M1S1\tx\t\nPisteCourse\t\n(NA)\t\nAlbert\t\n");
    ParticipantsForm form(f.folder, 1, f.prompts);
    ASSERT_EQ(form.pilots().size(), 2u);
    EXPECT_EQ(form.pilots()[1].name, "Albert");
    const std::string line = "la base de données Pilotes contient à la ligne ";
    const std::string ignored = "», réservé par le fichier de course : ce pilote est ignoré.";
    EXPECT_EQ(f.prompts.texts(),
        std::vector<std::string> {"Erreur: " + line + "3 le nom « Catégorie2M1S1 " + ignored +
            "\n" + line + "4 le nom « PisteCourse " + ignored + "\n" + line + "5 le nom « (NA) " +
            ignored});
    EXPECT_TRUE(form.enter(1));
    EXPECT_EQ(form.participantNames(), std::vector<std::string> {"Albert"});
}
