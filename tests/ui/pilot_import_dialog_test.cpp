#include "databases/editors/pilot_editor.h"
#include "databases/ui/list_editor_dialog.h"
#include "databases/ui/pilot_import_dialog.h"
#include "planning/ui/participants_dialog.h"
#include "storage/race_file.h"
#include "storage/encoding.h"
#include "support/fakes.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <gtest/gtest.h>

namespace ksy::test {
namespace {

const std::filesystem::path kSheets = std::filesystem::path(KSY_TEST_DATA_DIR) / "sheets";

class ListFile : public FileChooser {
public:
    std::optional<std::string> openFile(const std::string&, const FileFilter& f) override
    {
        filter = f.pattern;
        return answer;
    }
    std::optional<std::string> saveFile(const std::string&, const FileFilter&) override
    {
        return saveAnswer;
    }
    std::optional<std::string> answer;
    std::optional<std::string> saveAnswer;
    std::string filter;
};

SheetTable sheet(std::vector<std::vector<std::string>> rows)
{
    SheetTable t;
    std::size_t line = 1;
    for (auto& r : rows)
        t.rows.push_back({line++, std::move(r)});
    return t;
}

TEST(PilotImportDialog, PreviewFollowsTheColumnsTheOfficialChooses)
{
    Pilot known;
    known.name = "MARTIN Paul";
    PilotImportDialog dialog(sheet({{"Nom", "Prénom", "Puce", "Notes"},
                                 {"DUPONT", "Jean", "12", "x"}, {"MARTIN", "Paul", "abc", "y"}}),
        {known}, std::nullopt);
    auto* summary = dialog.findChild<QLabel*>("summary");
    auto* rows = dialog.findChild<QTableWidget*>("rows");
    auto* import = dialog.findChild<QPushButton*>("1");
    ASSERT_TRUE(summary && rows && import);
    EXPECT_EQ(summary->text(), QString::fromUtf8("1 ajoutés, 0 mis à jour, 1 refusés"));
    EXPECT_EQ(rows->rowCount(), 2);
    EXPECT_EQ(rows->item(1, 1)->text(), QString::fromUtf8("refusé"));
    EXPECT_EQ(rows->item(1, 0)->text(), "3");

    // The "Puce" column held no transponder: the official takes none.
    auto* transponder = dialog.findChild<QComboBox*>(
        QStringLiteral("field%1").arg(static_cast<int>(SheetField::Transponder)));
    ASSERT_TRUE(transponder);
    EXPECT_EQ(transponder->currentText(), QString::fromUtf8("C : Puce"));
    transponder->setCurrentIndex(0);
    EXPECT_EQ(summary->text(), QString::fromUtf8("1 ajoutés, 1 mis à jour, 0 refusés"));

    // Without a name column nothing can be imported.
    dialog.chooseColumn(SheetField::Surname, std::nullopt);
    dialog.chooseColumn(SheetField::FullName, std::nullopt);
    EXPECT_FALSE(import->isEnabled());
    dialog.chooseColumn(SheetField::FullName, 3); // "Notes" as the whole name
    EXPECT_TRUE(import->isEnabled());
    EXPECT_EQ(dialog.plan().added, 2u);
}

TEST(PilotImportDialog, ImporterFillsTheEditorAndOkWritesIt)
{
    TempDir dir;
    WorkFolder folder(dir.path());
    writeFile(dir.path() / "BaseDonnéesClubs.bd", "CV Berck\t\t\t\t\t\t\t\t\t\n");
    writeFile(dir.path() / "BaseDonnéesPays.bd", "France\n");
    writeFile(dir.path() / "BaseDonnéesPilotes.bd", "ZORRO\t\t\t\t\t\t\t\t\t\t\t\t\t\n");
    FakePrompts prompts;
    ListFile files;
    files.answer = (kSheets / "federation_fr.csv").string();
    ListEditorDialog editor(std::make_unique<PilotEditor>(PilotEditor::open(folder, prompts)),
        folder, prompts, files);
    auto* import = editor.findChild<QPushButton*>("import");
    ASSERT_TRUE(import);
    EXPECT_EQ(import->text(), QString::fromUtf8("Importer…"));

    // "Echap" in the preview changes nothing.
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->findChild<QPushButton*>("2")->click(); });
    import->click();
    EXPECT_EQ(editor.findChild<QListWidget*>(QString::number(PilotEditor::List))->count(), 1);

    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->findChild<QPushButton*>("1")->click(); });
    import->click();
    EXPECT_NE(files.filter.find("*.xlsx"), std::string::npos);
    auto* list = editor.findChild<QListWidget*>(QString::number(PilotEditor::List));
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), "DUPONT Jean");
    editor.findChild<QPushButton*>("1")->click();
    const std::string written = readFile(dir.path() / "BaseDonnéesPilotes.bd");
    EXPECT_EQ(written.substr(0, written.find('\n')),
        "DUPONT Jean\t\t\t\tBerck\t\t\t\t14/03/1986\t4512\t001201\tCV Berck\t\t");

    // "Exporter…" writes the list as it stands in the editor.
    files.saveAnswer = (dir.path() / "pilotes.csv").string();
    editor.findChild<QPushButton*>("export")->click();
    const SheetRead back = readSheetFile(dir.path() / "pilotes.csv");
    ASSERT_TRUE(back.table);
    ASSERT_EQ(back.table->rows.size(), 4u);
    EXPECT_EQ(back.table->rows[2].cells[0], "LEFÈVRE Éloïse");
    files.saveAnswer = (dir.path() / "absent" / "p.xlsx").string();
    editor.findChild<QPushButton*>("export")->click();
    EXPECT_NE(prompts.texts().back().find("la sauvegarde a échoué"), std::string::npos);

    // A file that cannot be read says why and opens no preview.
    files.answer = (kSheets / "bomb.xlsx").string();
    import->click();
    EXPECT_NE(prompts.texts().back().find("trop gros"), std::string::npos);
}

TEST(PilotImportDialog, ParticipantsPreviewTheirSheetThenEnterIt)
{
    TempDir dir;
    WorkFolder folder(dir.path());
    std::filesystem::create_directories(dir.path() / "Private");
    writeFile(workingRaceFile(folder), newRaceFileBytes());
    writeFile(dir.path() / "BaseDonnéesPilotes.bd", "");
    FakePrompts prompts;
    ParticipantsDialog dialog(folder, 1, prompts);
    auto* import = dialog.findChild<QPushButton*>("import");
    ASSERT_TRUE(import);
    EXPECT_EQ(import->text(), QString::fromUtf8("Importer la liste…"));

    // The preview says what each row will become, the frequency column
    // offered; "Echap" enters nobody and adds nobody to the database.
    QString summary;
    QStringList cells;
    QString frequency;
    QTimer::singleShot(0, [&] {
        QWidget* preview = QApplication::activeModalWidget();
        summary = preview->findChild<QLabel*>("summary")->text();
        auto* rows = preview->findChild<QTableWidget*>("rows");
        for (int r = 0; r < rows->rowCount(); ++r)
            for (int c = 0; c < rows->columnCount(); ++c)
                cells << rows->item(r, c)->text();
        frequency = preview
                        ->findChild<QComboBox*>(
                            QStringLiteral("field%1").arg(static_cast<int>(SheetField::Frequency)))
                        ->currentText();
        preview->findChild<QPushButton*>("2")->click();
    });
    const std::string ods = (kSheets / "pilotes.ods").string();
    dialog.importList(ods);
    EXPECT_EQ(summary,
        QString::fromUtf8(
            "1 inscrits, 0 mis à jour, 1 refusés (1 ajoutés à la base de données Pilotes)"));
    // The second row repeats its name where the transponder goes: refused.
    EXPECT_EQ(cells,
        (QStringList {"2", "inscrit", "GARNIER  Luc",
            QString::fromUtf8("ajouté à la base de données Pilotes"), "5",
            QString::fromUtf8("refusé"), "BIS & Co",
            QString::fromUtf8(
                "le transpondeur « BIS & Co » n'est pas un numéro de 1 à 6 chiffres")}));
    EXPECT_TRUE(frequency.endsWith(QString::fromUtf8("Fréquence"))) << frequency.toStdString();
    EXPECT_EQ(dialog.findChild<QListWidget*>("4203")->count(), 0);
    EXPECT_EQ(dialog.findChild<QListWidget*>("4204")->count(), 0);
    EXPECT_EQ(readFile(dir.path() / "BaseDonnéesPilotes.bd"), "");

    QTimer::singleShot(
        0, [] { QApplication::activeModalWidget()->findChild<QPushButton*>("1")->click(); });
    dialog.importList(ods);
    EXPECT_EQ(dialog.findChild<QListWidget*>("4203")->count(), 1);
    EXPECT_EQ(dialog.findChild<QListWidget*>("4204")->count(), 1);
    EXPECT_EQ(dialog.form().list().find("GARNIER  Luc")->frequencies[0], "27.195");
    EXPECT_EQ(readFile(dir.path() / "BaseDonnéesPilotes.bd").substr(0, 13), "GARNIER  Luc\t");

    dialog.importList((dir.path() / "absent.csv").string());
    EXPECT_NE(prompts.texts().back().find("impossible de lire"), std::string::npos);
}

} // namespace
} // namespace ksy::test
