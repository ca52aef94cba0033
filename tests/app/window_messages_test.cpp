// What the window says: Qt's own dialogs in French, no Windows notice on
// other systems, "Aide" that names the guide when nothing can show it, and
// drop-downs in French order.
#include "app/menu_table.h"
#include "databases/database_files.h"
#include "platform/french_translations.h"
#include "platform/print_file.h"
#include "platform/screen_fit.h"
#include "race_window_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QHeaderView>
#include <QLocale>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>
#include <QTreeView>

namespace ksy {
namespace {

class WindowMessages : public test::WindowTest { };

TEST_F(WindowMessages, HelpSaysWhyTheGuideCannotBeShownAndNamesIt)
{
    const std::string guide = folder.file("Guides/HelpSandYachtingFR.pdf").string();
    std::vector<QString> opened;
    bool viewer = false;
    window->setDocumentOpener([&](const QString& path) {
        opened.push_back(path);
        return viewer;
    });
    window->runCommand(cmd::Help);
    ASSERT_EQ(prompts.boxes.size(), 1u);
    EXPECT_EQ(prompts.boxes[0].title, "Erreur");
    EXPECT_NE(prompts.boxes[0].text.find("aucun lecteur de PDF"), std::string::npos);
    EXPECT_NE(prompts.boxes[0].text.find(guide), std::string::npos) << prompts.boxes[0].text;

    viewer = true;
    window->runCommand(cmd::Help);
    EXPECT_EQ(prompts.boxes.size(), 1u);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[1].toStdString(), guide);

    std::filesystem::remove(guide);
    window->runCommand(cmd::Help);
    ASSERT_EQ(prompts.boxes.size(), 2u);
    EXPECT_EQ(prompts.boxes[1].text, "Erreur: le guide est introuvable: " + guide);
    EXPECT_EQ(opened.size(), 2u);

    // The printing notice is about Windows 11 only.
    window->showImportantNotice();
    EXPECT_EQ(prompts.boxes.size(), 2u);
}

TEST_F(WindowMessages, QtsOwnDialogsSpeakFrenchAndReportsKeepTheirName)
{
    QTranslator* french = installFrenchTranslations(*qApp);
    ASSERT_NE(french, nullptr);
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    // One word for cancelling, Qt's dialogs as the program's.
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), "Echap");
    EXPECT_EQ(QLocale().language(), QLocale::French);
    QFileDialog dialog(nullptr, QStringLiteral("Enregistrer sous"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    EXPECT_EQ(dialog.labelText(QFileDialog::LookIn), QString::fromUtf8("Voir dans :"))
        << dialog.labelText(QFileDialog::LookIn).toStdString();
    EXPECT_EQ(dialog.labelText(QFileDialog::Reject), "Echap");
    // Each column of the detail view as wide as its French heading.
    dialog.setViewMode(QFileDialog::Detail);
    widenFileDialogColumns(&dialog);
    auto* view = dialog.findChild<QTreeView*>();
    ASSERT_NE(view, nullptr);
    bool dateSeen = false;
    for (int i = 1; i < view->header()->count(); ++i) {
        const QString heading =
            view->model()->headerData(i, Qt::Horizontal, Qt::DisplayRole).toString();
        dateSeen = dateSeen || heading.startsWith(QString::fromUtf8("Dernière"));
        EXPECT_GE(view->header()->sectionSize(i),
            view->header()->fontMetrics().horizontalAdvance(heading))
            << heading.toStdString();
    }
    EXPECT_TRUE(dateSeen);
    EXPECT_EQ(QFileIconProvider().type(QFileInfo(QDir::tempPath())), "Dossier");
    QLineEdit edit;
    QMenu* menu = edit.createStandardContextMenu();
    EXPECT_TRUE(menu->actions().first()->text().startsWith("&Annuler"))
        << menu->actions().first()->text().toStdString();
    delete menu;

    // Names of reports without a name of their own (window_paper_test.cpp
    // follows the others through their print dialogs).
    EXPECT_EQ(reportFileBaseName("AUTRE : x/y"), "Autre");
    EXPECT_EQ(reportFileBaseName("A/B:C"), "A b c");
    QCoreApplication::removeTranslator(french);
    delete french;
}

class WindowLists : public test::RaceWindowTest { };

TEST_F(WindowLists, DropDownsOfThePilotEditorReadInFrenchOrder)
{
    // Countries as a file kept in byte order would give them; the file keeps
    // its own order, the drop-down sorts as a French reader expects.
    const std::string countries = "Burundi\nB\xE9nin\nEstonie\nFinlande\n\xC9tats-Unis\n";
    test::writeFile(folder.file(kCountryFile), countries);
    QStringList shown;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            if (auto* c = d->findChild<QComboBox*>("3211"))
                for (int i = 0; i < c->count(); ++i)
                    shown << c->itemText(i);
            d->reject();
        }
    });
    watcher.start(0);
    window->runCommand(cmd::PilotDatabase);
    shown.removeAll(QString());
    EXPECT_EQ(shown, (QStringList {"Bénin", "Burundi", "Estonie", "États-Unis", "Finlande"}))
        << shown.join(", ").toStdString();
    EXPECT_EQ(test::readFile(folder.file(kCountryFile)), countries);
}

} // namespace
} // namespace ksy
