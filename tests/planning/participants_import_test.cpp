#include "databases/database_files.h"
#include "databases/database_loaders.h"
#include "databases/database_writers.h"
#include "planning/participants_form.h"
#include "race_folder_fixture.h"
#include "storage/encoding.h"
#include "storage/race_file.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

using namespace ksy;

namespace {

SheetTable sheet(std::vector<std::vector<std::string>> rows)
{
    SheetTable t;
    std::size_t line = 1;
    for (auto& r : rows)
        t.rows.push_back({line++, std::move(r)});
    return t;
}

TEST(ParticipantsImport, ListEntersPilotsAddsMissingNamesAndKeepsTheirFrequencies)
{
    ksy::test::NewRaceFolder f;
    Pilot known;
    known.name = "Dupont Jean";
    known.transponder = "000011";
    known.licence = "4512";
    writePilots(f.folder.file(kPilotFile), {known});

    const SheetTable t = sheet({{"Nom", "Prénom", "Transpondeur", "Fréquence"},
        {"DUPONT", "Jean", "", "27.195"}, {"NOUVEAU", "Léa", "11", "27.205 / 27.215"},
        {"TROP", "Long", "", "1234567"}, {"DUPONT", "Jean", "42", ""}});
    ParticipantsForm form(f.folder, 1, f.prompts);
    const ParticipantImport done = form.importList(t, matchColumns(t));

    EXPECT_EQ(done.summary(), "2 inscrits, 1 mis à jour, 1 refusés (1 ajoutés à la base de données Pilotes)");
    EXPECT_EQ(done.lines, (std::vector<std::string> {
                              "ligne 2 : inscrit Dupont Jean",
                              "ligne 3 : inscrit NOUVEAU Léa",
                              "ligne 3 : Attention : le transpondeur 000011 est déjà "
                              "celui de Dupont Jean dans cette catégorie.",
                              "ligne 4 : refusé « TROP Long » : la fréquence « 1234567 » a plus de 6 "
                              "caractères",
                              "ligne 5 : mis à jour Dupont Jean",
                          }));
    // The database spelling is kept for a known pilot; his own transponder
    // unless the sheet gives one.
    const Participant* dupont = form.list().find("Dupont Jean");
    ASSERT_NE(dupont, nullptr);
    EXPECT_EQ(dupont->transponder, "000042");
    EXPECT_EQ(dupont->frequencies[0], "27.195");
    const Participant* lea = form.list().find(cp1252("NOUVEAU Léa"));
    ASSERT_NE(lea, nullptr);
    EXPECT_EQ(lea->frequencies[1], "27.215");
    // The new name is in the database file at once, and in the dialog's list.
    const auto pilots = loadPilots(f.folder.file(kPilotFile)).records;
    ASSERT_EQ(pilots.size(), 2u);
    EXPECT_EQ(pilots[1].name, cp1252("NOUVEAU Léa"));
    EXPECT_EQ(form.pilots().size(), 2u);

    // "Valider" stores the list as the dialog would.
    ASSERT_TRUE(form.save());
    ParticipantList stored;
    readParticipantList(workingRaceFile(f.folder), 1, stored);
    EXPECT_EQ(stored.count(), 2);
    EXPECT_EQ(stored.find("Dupont Jean")->frequencies[0], "27.195");
}

} // namespace
