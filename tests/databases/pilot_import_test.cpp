#include "databases/pilot_import.h"
#include "databases/sheet_columns.h"
#include "storage/encoding.h"

#include <gtest/gtest.h>

namespace {

using namespace ksy;
using Outcome = PilotImportRow::Outcome;

const std::filesystem::path kSheets = std::filesystem::path(KSY_TEST_DATA_DIR) / "sheets";

SheetTable table(std::vector<std::vector<std::string>> rows)
{
    SheetTable t;
    std::size_t line = 1;
    for (auto& r : rows)
        t.rows.push_back({line++, std::move(r)});
    return t;
}

Pilot pilot(std::string name, std::string transponder = {})
{
    Pilot p;
    p.name = cp1252(name);
    p.transponder = std::move(transponder);
    return p;
}

const Pilot* find(const PilotImport& import, std::string_view nameUtf8)
{
    for (const auto& p : import.pilots)
        if (p.name == cp1252(nameUtf8))
            return &p;
    return nullptr;
}

TEST(SheetColumns, HeadersAreMatchedWithoutAccentsCaseOrPunctuation)
{
    EXPECT_EQ(fieldOfHeader("N° LICENCE", false), SheetField::Licence);
    EXPECT_EQ(fieldOfHeader("numero de licence", false), SheetField::Licence);
    EXPECT_EQ(fieldOfHeader("License Number", false), SheetField::Licence);
    EXPECT_EQ(fieldOfHeader("TÉLÉPHONE", false), SheetField::Telephone);
    EXPECT_EQ(fieldOfHeader("e-mail", false), SheetField::Email);
    EXPECT_EQ(fieldOfHeader("Date de naissance", false), SheetField::BirthDate);
    EXPECT_EQ(fieldOfHeader("Puce", false), SheetField::Transponder);
    EXPECT_EQ(fieldOfHeader("Code Postal", false), SheetField::Postcode);
    EXPECT_EQ(fieldOfHeader("Adresse (suite)", false), SheetField::Address2);
    // "Nom" is the surname beside a first name, else the whole name.
    EXPECT_EQ(fieldOfHeader("Nom", true), SheetField::Surname);
    EXPECT_EQ(fieldOfHeader("nom", false), SheetField::FullName);
    EXPECT_EQ(fieldOfHeader("Last name", false), SheetField::Surname);
    EXPECT_EQ(fieldOfHeader("Remarques", false), std::nullopt);
    EXPECT_EQ(fieldOfHeader("", false), std::nullopt);

    // A title above the header row is passed over.
    const ColumnChoice c = matchColumns(table({{"Engagements 2026"}, {"Prénom", "Nom", "Puce"}}));
    EXPECT_EQ(c.headerRow, 1u);
    EXPECT_EQ(c[SheetField::FirstName], 0u);
    EXPECT_EQ(c[SheetField::Surname], 1u);
    EXPECT_EQ(c[SheetField::Transponder], 2u);
    EXPECT_FALSE(matchColumns(table({{"Licence", "Club"}, {"1", "x"}})).hasName());
}

TEST(PilotImport, FrenchExcelSheetAddsRefusesAndNamesTheLines)
{
    const SheetRead read = readSheetFile(kSheets / "federation_fr.csv");
    ASSERT_TRUE(read.table);
    const ColumnChoice columns = matchColumns(*read.table);
    const PilotImport import = importPilots(*read.table, columns, {pilot("ZORRO")});

    ASSERT_EQ(import.rows.size(), 4u);
    EXPECT_EQ(import.added, 2u);
    EXPECT_EQ(import.refused, 2u);
    EXPECT_EQ(importSummary(import), "2 ajoutés, 0 mis à jour, 2 refusés");
    EXPECT_EQ(importReportLines(import.rows[0]),
        (std::vector<std::string> {"ligne 2 : ajouté DUPONT Jean"}));
    EXPECT_EQ(importReportLines(import.rows[2]),
        (std::vector<std::string> {"ligne 5 : refusé « MARTIN Paul » : le transpondeur "
                                   "« 12345678 » n'est pas un numéro de 1 à 6 chiffres"}));
    EXPECT_EQ(import.rows[3].line, 6u);
    EXPECT_EQ(import.rows[3].reason, "le nom est réservé par le fichier de course");

    const Pilot* dupont = find(import, "DUPONT Jean");
    ASSERT_NE(dupont, nullptr);
    EXPECT_EQ(dupont->licence, "4512");
    EXPECT_EQ(dupont->transponder, "001201");
    EXPECT_EQ(dupont->club, "CV Berck");
    EXPECT_EQ(dupont->birthDate, "14/03/1986");
    const Pilot* lefevre = find(import, "LEFÈVRE Éloïse");
    ASSERT_NE(lefevre, nullptr);
    EXPECT_EQ(lefevre->city, cp1252("Étaples"));
    // The table is in the database's own order: accented capitals after Z.
    ASSERT_EQ(import.pilots.size(), 3u);
    EXPECT_EQ(import.pilots[0].name, "DUPONT Jean");
    EXPECT_EQ(import.pilots[1].name, cp1252("LEFÈVRE Éloïse"));
    EXPECT_EQ(import.pilots[2].name, "ZORRO");
}

TEST(PilotImport, ExistingPilotIsUpdatedOnlyWithTheCellsGiven)
{
    Pilot stored = pilot("Dupont Jean", "000007");
    stored.city = "Berck";
    stored.licence = "1";
    const auto t = table({{"Nom complet", "Licence", "Ville", "Transpondeur"},
        {"DUPONT JEAN", "4512", "", ""}});
    const PilotImport import = importPilots(t, matchColumns(t), {stored});
    ASSERT_EQ(import.pilots.size(), 1u);
    EXPECT_EQ(import.updated, 1u);
    EXPECT_EQ(import.pilots[0].name, "Dupont Jean"); // the stored spelling stays
    EXPECT_EQ(import.pilots[0].licence, "4512");
    EXPECT_EQ(import.pilots[0].city, "Berck");
    EXPECT_EQ(import.pilots[0].transponder, "000007");
    EXPECT_EQ(importReportLines(import.rows[0]),
        (std::vector<std::string> {"ligne 2 : mis à jour Dupont Jean"}));
}

TEST(PilotImport, RowsThatCannotBeStoredAreRefusedNeverCut)
{
    const auto t = table({{"Nom", "Ville", "Adresse", "Email"},
        {"ŁUKASZ Nowak", "", "", ""},
        {"LONG", std::string(40, 'v'), "", ""},
        {"TAB", "", "", "a\tb"},
        {"", "Berck", "", ""},
        {std::string(39, 'N'), std::string(39, 'v'), "", ""},
        {"TWO LINES", "", "1 rue\r\nBât. B\nEsc. 2", ""}});
    const PilotImport import = importPilots(t, matchColumns(t), {});
    ASSERT_EQ(import.rows.size(), 6u);
    EXPECT_EQ(import.rows[0].reason,
        "le champ « Nom » contient le caractère « Ł », que le fichier (Windows-1252) ne peut "
        "pas garder");
    EXPECT_EQ(import.rows[1].reason, "le champ « Ville » a 40 caractères, 39 au plus");
    EXPECT_NE(import.rows[2].reason.find("tabulation"), std::string::npos);
    EXPECT_EQ(import.rows[3].reason, "pas de nom");
    EXPECT_EQ(import.rows[4].outcome, Outcome::Added); // exactly the width fits
    // An address on several lines fills "Adresse" and "(suite)".
    const Pilot* two = find(import, "TWO LINES");
    ASSERT_NE(two, nullptr);
    EXPECT_EQ(two->address, "1 rue");
    EXPECT_EQ(two->address2, cp1252("Bât. B Esc. 2"));
    EXPECT_EQ(import.pilots.size(), 2u);
}

TEST(PilotImport, SharedTransponderIsWarnedAndTaken)
{
    const auto t = table({{"Nom", "Transpondeur"}, {"NEW", "1201"}, {"OWNER", "1201"}});
    const PilotImport import = importPilots(t, matchColumns(t), {pilot("OWNER", "001201")});
    ASSERT_EQ(import.rows.size(), 2u);
    EXPECT_EQ(import.rows[0].outcome, Outcome::Added);
    EXPECT_EQ(importReportLines(import.rows[0])[1],
        "ligne 2 : attention : le transpondeur 001201 est déjà celui de OWNER");
    // The owner's own row does not warn about itself (NEW was added before it).
    EXPECT_EQ(import.rows[1].warnings.size(), 1u);
    EXPECT_EQ(find(import, "NEW")->transponder, "001201");
}

TEST(PilotImport, ClubOutsideTheClubDatabaseIsWarned)
{
    const auto t = table({{"Nom", "Club"}, {"A", "CV Berck"}, {"B", "CV Inconnu"}});
    const std::vector<std::string> clubs {"CV Berck"};
    const PilotImport import = importPilots(t, matchColumns(t), {}, &clubs);
    EXPECT_TRUE(import.rows[0].warnings.empty());
    ASSERT_EQ(import.rows[1].warnings.size(), 1u);
    EXPECT_NE(import.rows[1].warnings[0].find("« CV Inconnu » n'est pas dans la base de données Clubs"),
        std::string::npos);
    EXPECT_EQ(find(import, "B")->club, "CV Inconnu"); // taken all the same
}

TEST(PilotImport, TheTableNeverExceedsItsCapacity)
{
    std::vector<Pilot> full;
    for (std::size_t i = 0; i < kPilotCapacity - 1; ++i)
        full.push_back(pilot("P" + std::to_string(i)));
    const auto t = table({{"Nom", "Ville"}, {"LAST", ""}, {"OVER", ""}, {"P5", "Berck"}});
    const PilotImport import = importPilots(t, matchColumns(t), full);
    EXPECT_EQ(import.pilots.size(), kPilotCapacity);
    EXPECT_EQ(import.rows[0].outcome, Outcome::Added);
    EXPECT_EQ(import.rows[1].reason, "la base de données Pilotes est pleine (1000 pilotes)");
    // A full table still takes updates.
    EXPECT_EQ(import.rows[2].outcome, Outcome::Updated);
}

TEST(PilotImport, SurnameAndFirstNameMakeTheNameAsWritten)
{
    const SheetRead read = readSheetFile(kSheets / "engagements.xlsx");
    ASSERT_TRUE(read.table);
    const PilotImport import = importPilots(*read.table, matchColumns(*read.table), {});
    ASSERT_EQ(import.rows.size(), 2u);
    const Pilot* dupont = find(import, "DUPONT Jean");
    ASSERT_NE(dupont, nullptr);
    EXPECT_EQ(dupont->transponder, "001201");
    EXPECT_EQ(dupont->country, "France");
    EXPECT_EQ(dupont->club, cp1252("CV & Char à voile"));
    EXPECT_EQ(import.rows[1].line, 6u);
    EXPECT_EQ(import.rows[1].reason, "le transpondeur « 2.5 » n'est pas un numéro de 1 à 6 chiffres");
}

} // namespace
