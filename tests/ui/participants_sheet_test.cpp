// The participants list saved as a spreadsheet from its dialog: the printed
// list's rows and columns, the number a number, CSV as French Excel opens it,
// and the saved list taken back by "Importer la liste…" of another race.
#include "planning/ui/participants_dialog.h"
#include "storage/encoding.h"
#include "storage/race_file.h"
#include "storage/sheets/sheet_table.h"
#include "support/fakes.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace ksy::test {
namespace {

struct RaceFolder {
    RaceFolder()
    {
        std::filesystem::create_directories(dir.path() / "Private");
        writeFile(workingRaceFile(folder), newRaceFileBytes());
    }
    // "Importer la liste…" of category 1, "Importer" pressed in its preview.
    void importList(ParticipantsDialog& dialog, const std::filesystem::path& sheet)
    {
        QTimer::singleShot(
            0, [] { QApplication::activeModalWidget()->findChild<QPushButton*>("1")->click(); });
        dialog.importList(sheet.string());
    }
    TempDir dir;
    WorkFolder folder {dir.path()};
    FakePrompts prompts;
};

TEST(ParticipantsSheet, SavedAsThePrintedListAndTakenBackElsewhere)
{
    RaceFolder a;
    writeFile(a.dir.path() / "BaseDonnéesPilotes.bd",
        "DUPONT Jean\t\t\t\t\t\t\t\t\t004512\t001201\tCV Berck\t\t\n" +
            cp1252("LEFÈVRE Éloïse\t\t\t\t\t\t\t\t\t4513\t\tCV Berck\t\t\n"));
    const auto entries = a.dir.path() / "engages.csv";
    writeFile(entries,
        "Nom;Transpondeur;Fr\xE9quence\nDUPONT Jean;1201;27.195\nLEF\xC8VRE \xC9lo\xEFse;77;\n");
    ParticipantsDialog dialog(a.folder, 1, a.prompts);
    a.importList(dialog, entries);
    ASSERT_EQ(dialog.form().list().count(), 2);

    const auto xlsx = a.dir.path() / "participants.xlsx";
    const auto csv = a.dir.path() / "participants.csv";
    ASSERT_TRUE(dialog.saveSheet(xlsx.string()));
    ASSERT_TRUE(dialog.saveSheet(csv.string()));
    const SheetRead read = readSheetFile(xlsx);
    ASSERT_TRUE(read.table) << read.error;
    const auto& rows = read.table->rows;
    ASSERT_EQ(rows.size(), 6u); // the blank line below the titles is no row
    EXPECT_TRUE(rows[0].cells[0].starts_with("CATEGORIE : ")) << rows[0].cells[0];
    EXPECT_EQ(rows[1].cells[0], "Liste des participants (2 inscrits)");
    EXPECT_EQ(rows[3].cells, (std::vector<std::string> {"N°", "Nom Prénom", "N°Licence", "Club"}));
    // The licence as written, leading zeros kept.
    EXPECT_EQ(rows[4].cells, (std::vector<std::string> {"1", "DUPONT Jean", "004512", "CV Berck"}));
    EXPECT_EQ(
        rows[5].cells, (std::vector<std::string> {"2", "LEFÈVRE Éloïse", "4513", "CV Berck"}));
    const std::string csvBytes = readFile(csv);
    EXPECT_EQ(csvBytes.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_NE(
        csvBytes.find("\r\n1;DUPONT Jean;004512;CV Berck\r\n2;LEFÈVRE Éloïse;4513;CV Berck\r\n"),
        std::string::npos)
        << csvBytes;
    EXPECT_FALSE(dialog.saveSheet((a.dir.path() / "absent" / "p.xlsx").string()));
    EXPECT_NE(a.prompts.texts().back().find("la sauvegarde a échoué"), std::string::npos);

    // Another race takes the saved list back, whichever format.
    for (const auto& sheet : {xlsx, csv}) {
        RaceFolder b;
        ParticipantsDialog other(b.folder, 1, b.prompts);
        b.importList(other, sheet);
        EXPECT_EQ(other.form().participantNames(), dialog.form().participantNames()) << sheet;
        ASSERT_NE(other.form().pilot("DUPONT Jean"), nullptr);
        EXPECT_EQ(other.form().pilot("DUPONT Jean")->licence, "004512");
    }
}

} // namespace
} // namespace ksy::test
