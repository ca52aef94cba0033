#include "databases/editors/pilot_editor.h"
#include "storage/encoding.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

using namespace ksy;
using ksy::test::FakePrompts;
using ksy::test::readFile;
using ksy::test::TempDir;
using ksy::test::writeFile;

namespace {

Pilot pilot(std::string name, std::string club = {})
{
    Pilot p;
    p.name = std::move(name);
    p.club = std::move(club);
    return p;
}

using Names = std::vector<std::string>;

} // namespace

TEST(PilotEditor, AdditionsAreRefusedSilentlyAsListed)
{
    PilotEditor e({pilot("Dupont")}, {}, {});
    const std::vector<Pilot> before = e.records();
    for (const char* refused :
        {"", " Martin", "(NA)", "PisteCourse", "Catégorie1", "Ma Catégorie", "DUPONT", "dupont",
            "Tab\there", "Ωmega", "123456789012345678901234567890123456789" /* 39 characters */})
        EXPECT_FALSE(e.add(refused)) << refused;
    EXPECT_EQ(e.records(), before);

    // Near misses of the reserved names are ordinary names.
    EXPECT_TRUE(e.add("(NA"));
    EXPECT_TRUE(e.add("Pistecourse"));
    EXPECT_TRUE(e.add("catégorie"));
    EXPECT_TRUE(e.add("12345678901234567890123456789012345678"));
    // Accented names sort after z; the new pilot is selected where it landed.
    EXPECT_TRUE(e.add("Zoé"));
    EXPECT_TRUE(e.add("Émile"));
    EXPECT_EQ(e.names(),
        (Names {"(NA", "12345678901234567890123456789012345678", "catégorie", "Dupont",
            "Pistecourse", "Zoé", "Émile"}));
    EXPECT_EQ(e.idNumber(), 7u);
    EXPECT_EQ(e.text(PilotEditor::Name), "Émile");
    EXPECT_EQ(e.records().back().name, "\xC9mile");
    ASSERT_TRUE(e.add("Bernard"));
    EXPECT_EQ(e.idNumber(), 3u);
}

TEST(PilotEditor, CapacityAndRemoval)
{
    std::vector<Pilot> many;
    for (int i = 0; i < 1000; ++i)
        many.push_back(pilot("P" + std::to_string(1000 + i)));
    PilotEditor full(many, {}, {});
    EXPECT_FALSE(full.add("Zorro"));
    EXPECT_EQ(full.records().size(), 1000u);

    // A file may hold the same name twice: removing it removes both, and a
    // pilot added later does not inherit the removed pilot's data.
    Pilot old = pilot("Martin");
    old.city = "Berck";
    old.transponder = "123456";
    PilotEditor e({pilot("Albert"), old, pilot("Martin"), pilot("Xavier")}, {}, {});
    e.select(1);
    EXPECT_EQ(e.idNumber(), 2u);
    ASSERT_TRUE(e.remove());
    EXPECT_EQ(e.names(), (Names {"Albert", "Xavier"}));
    EXPECT_EQ(e.idNumber(), 1u);
    ASSERT_TRUE(e.add("Martin"));
    EXPECT_EQ(e.text(PilotEditor::City), "");
    EXPECT_EQ(e.text(PilotEditor::Transponder), "");

    PilotEditor one({pilot("Seul")}, {}, {});
    ASSERT_TRUE(one.remove());
    EXPECT_TRUE(one.names().empty());
    EXPECT_EQ(one.idNumber(), 0u);
    EXPECT_FALSE(one.remove());
    EXPECT_FALSE(one.setText(PilotEditor::City, "Berck"));
}

TEST(PilotEditor, FieldsTakeOnlyWhatTheFileCanHold)
{
    PilotEditor e({pilot("Dupont")}, {"France", "Belgique"}, {"ACV", "Char Club"});
    EXPECT_EQ(e.choices(PilotEditor::CountryChoice), (Names {"Belgique", "France"}));

    EXPECT_TRUE(e.setText(PilotEditor::City, "Berck-sur-Mer"));
    EXPECT_TRUE(e.setText(PilotEditor::Address, "1 rue de l'Église"));
    EXPECT_FALSE(e.setText(PilotEditor::Address, "line\nfeed"));
    EXPECT_FALSE(e.setText(PilotEditor::Postcode, "12345678901234")); // 14 > 13
    EXPECT_FALSE(e.setText(PilotEditor::Name, "Autre")); // read-only
    EXPECT_EQ(e.text(PilotEditor::Address), "1 rue de l'Église");

    // 1 to 6 digits are kept in the six-digit form; anything else is refused.
    EXPECT_TRUE(e.setText(PilotEditor::Transponder, "1201"));
    EXPECT_EQ(e.records()[0].transponder, "001201");
    EXPECT_EQ(e.text(PilotEditor::Transponder), "001201");
    EXPECT_TRUE(e.setText(PilotEditor::Transponder, "123456"));
    EXPECT_FALSE(e.setText(PilotEditor::Transponder, "12345a"));
    EXPECT_FALSE(e.setText(PilotEditor::Transponder, "1234567"));
    EXPECT_EQ(e.records()[0].transponder, "123456");
    EXPECT_TRUE(e.setText(PilotEditor::Transponder, ""));
    EXPECT_EQ(e.records()[0].transponder, "");

    // Drop-downs take only their entries.
    EXPECT_FALSE(e.setText(PilotEditor::ClubChoice, "Inconnu"));
    EXPECT_TRUE(e.setText(PilotEditor::ClubChoice, "Char Club"));
    EXPECT_EQ(e.records()[0].club, "Char Club");

    // The photo path is stored whole or not at all.
    EXPECT_TRUE(e.setImagePath("/photos/Dupont été.bmp"));
    EXPECT_EQ(e.records()[0].photoPath, "/photos/Dupont \xE9t\xE9.bmp");
    EXPECT_FALSE(e.setImagePath(std::string(260, 'a')));
    EXPECT_FALSE(e.setImagePath("/photos/\xE2\x84\xA6.bmp")); // no Windows-1252 byte
    EXPECT_EQ(e.imagePath(), "/photos/Dupont été.bmp");
    EXPECT_TRUE(e.setImagePath(""));
    ASSERT_TRUE(e.imageFrame());
    EXPECT_EQ(e.imageFrame()->right, 754);
}

TEST(PilotEditor, OpeningDropsDeletedClubsAndOkWritesTheFile)
{
    TempDir dir;
    WorkFolder folder(dir.path());
    writeFile(dir.path() / "BaseDonnéesPays.bd", "France\nBelgique\n");
    writeFile(dir.path() / "BaseDonnéesClubs.bd", "ACV\t\t\t\t\t\t\t\t\t\n");
    const std::string tail = "\t\t\t\t\t\t\t\t\t\t";
    writeFile(dir.path() / "BaseDonnéesPilotes.bd",
        "B\xE9"
        "atrice\t" +
            tail + "Gone\t\t\n" + "Albert\t" + tail + "ACV\t\t\n" + "acv\t" + tail + "acv\t\t\n");
    FakePrompts prompts;

    PilotEditor e = PilotEditor::open(folder, prompts);
    EXPECT_TRUE(prompts.boxes.empty());
    // Opening does not reorder; the club that no longer exists is dropped,
    // and a club name only equal but for case is not the club.
    EXPECT_EQ(e.names(), (Names {"Béatrice", "Albert", "acv"}));
    EXPECT_EQ(e.text(PilotEditor::ClubChoice), "");
    ASSERT_TRUE(e.setText(PilotEditor::CountryChoice, "France"));
    ASSERT_TRUE(e.add("Zo\xC3\xAB"));
    ASSERT_TRUE(e.save(folder, prompts));
    EXPECT_EQ(readFile(dir.path() / "BaseDonnéesPilotes.bd"),
        "acv\t" + tail + "\t\t\n" + "Albert\t" + tail + "ACV\t\t\n" +
            "B\xE9"
            "atrice\t\t\t\t\t" +
            "France\t\t\t\t\t\t\t\t\n" + "Zo\xEB\t" + tail + "\t\t\n");

    // Without a club file no pilot loses a club: the list is unknown.
    std::filesystem::remove(dir.path() / "BaseDonnéesClubs.bd");
    std::filesystem::remove(dir.path() / "BaseDonnéesPays.bd");
    prompts.boxes.clear();
    PilotEditor again = PilotEditor::open(folder, prompts);
    EXPECT_EQ(prompts.texts(),
        (Names {"Erreur: impossible d'ouvrir la base de données Pays",
            "Erreur: impossible d'ouvrir la base de données Clubs"}));
    again.select(1);
    EXPECT_EQ(again.text(PilotEditor::ClubChoice), "ACV");

    // Nothing to open: an empty editor whose "Ok" creates the file; a file
    // that cannot be written is reported.
    TempDir empty;
    prompts.boxes.clear();
    PilotEditor none = PilotEditor::open(WorkFolder(empty.path()), prompts);
    EXPECT_EQ(prompts.texts().back(), "Erreur: impossible d'ouvrir la base de données Pilotes");
    EXPECT_FALSE(none.selected());
    EXPECT_TRUE(none.save(WorkFolder(empty.path()), prompts));
    EXPECT_EQ(readFile(empty.path() / "BaseDonnéesPilotes.bd"), "");
    prompts.boxes.clear();
    EXPECT_FALSE(none.save(WorkFolder(empty.path() / "missing"), prompts));
    EXPECT_EQ(prompts.boxes.at(0).title, "Erreur");
    EXPECT_EQ(prompts.boxes.at(0).text, "Erreur: impossible d'ouvrir la base de données Pilotes");
}
