#include "app/control_layout.h"
#include "app/menus.h"
#include "app/race_tree_view.h"
#include "storage/encoding.h"
#include "storage/race_file.h"
#include "window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace ksy {
namespace {

using test::readFile;

QRect place(const MainWindow& w, int id)
{
    QWidget* c = w.control(id);
    return c ? c->geometry() : QRect();
}

QString controlText(QWidget* w)
{
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return b->text().isEmpty() ? b->accessibleName() : b->text();
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return e->text();
    if (auto* g = qobject_cast<QGroupBox*>(w))
        return g->title();
    return w->accessibleName();
}

class StartedWindow : public test::WindowTest { };

TEST_F(StartedWindow, ControlsOfA1600x900ScreenSitAtTheirTablePositionsWithTheirTexts)
{
    const MainWindow& w = *window;
    EXPECT_EQ(place(w, 2001), QRect(688, 40, 80, 45));
    EXPECT_EQ(place(w, 2004), QRect(693, 86, 70, 20));
    EXPECT_EQ(place(w, 6101), QRect(1480, 60, 40, 40));
    EXPECT_EQ(place(w, 2201), QRect(400, 625, 40, 20));
    EXPECT_EQ(place(w, 2221), QRect(245, 710, 400, 75));
    // The transponder lines' widths grow with what their texts need: "Scan"
    // keeps its size and row, right of "Mixte (scan)" however wide it is.
    EXPECT_EQ(place(w, 2105).size(), QSize(60, 23));
    EXPECT_EQ(place(w, 2105).top(), 757);
    EXPECT_GE(place(w, 2105).left(), 1040);
    EXPECT_GT(place(w, 2105).left(), place(w, 2103).right());
    EXPECT_EQ(place(w, 2104).top(), 725);
    EXPECT_GE(place(w, 2104).left(), 1155);
    EXPECT_GE(place(w, 2104).width(), 72);
    auto* frame = window->findChild<QGroupBox*>("numberedButtonsFrame");
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->geometry(), QRect(375, 606, 1050, 50));
    auto* scroll = window->findChild<QScrollBar*>("boardScrollBar");
    ASSERT_NE(scroll, nullptr);
    EXPECT_EQ(scroll->geometry(), QRect(201, 145, 13, 465));
    EXPECT_FALSE(scroll->isVisibleTo(window.get()));

    const std::map<int, QString> texts = {{2001, "Depart"}, {2004, "Départ"}, {2002, "Arret"},
        {2005, "Arret"}, {2003, "Effacer"}, {2006, "Effacer"}, {6101, "Résultats"},
        {6000, "Imprimer"}, {2207, "7"}, {2221, "Durée course / Horloge"}, {2222, "Décompte"},
        {2223, "Mode transpondeurs"}, {2101, "Puces perso"}, {2102, "Puces club"},
        {2103, "Mixte (scan)"}, {2104, "PackPuces"}, {2105, "Scan"}, {2106, ""}};
    for (const auto& [id, text] : texts) {
        ASSERT_NE(window->control(id), nullptr) << id;
        EXPECT_EQ(controlText(window->control(id)), text) << id;
        EXPECT_EQ(window->control(id)->objectName(), QString::number(id));
    }
}

TEST(WindowScreens, ControlsFollowTheScreenSizeTruncatingEveryProduct)
{
    // 1920 x 1080: u = v = 1.2, where a floating-point product would fall
    // just short of the integer (50 x 1.2 -> 59.99...).
    auto at = [](const std::vector<ControlSpec>& specs, int id) {
        for (const auto& s : specs)
            if (s.id == id)
                return QRect(s.x, s.y, s.width, s.height);
        return QRect();
    };
    const auto big = mainWindowControls(1920, 1080);
    EXPECT_EQ(at(big, 2001), QRect(822, 48, 80, 54));
    EXPECT_EQ(at(big, 2220), QRect(1600, 750, 48, 24));
    EXPECT_EQ(at(big, 2221), QRect(254, 852, 480, 90));
    EXPECT_EQ(at(big, 2105), QRect(1184, 908, 60, 27));
    EXPECT_EQ(at(big, 2104), QRect(1299, 870, 72, 720));
    const auto small = mainWindowControls(1366, 768);
    EXPECT_EQ(at(small, 2001), QRect(589, 34, 80, 38));
    EXPECT_EQ(at(small, 2210), QRect(740, 533, 34, 17));
}

TEST(WindowScreens, The1920x1080WindowPlacesItsControls)
{
    class Big : public test::WindowTest {
    public:
        Big()
            : WindowTest(QSize(1920, 1080))
        {
        }
        void TestBody() override
        {
            EXPECT_EQ(place(*window, 2001), QRect(822, 48, 80, 54));
            EXPECT_EQ(place(*window, 2220), QRect(1600, 750, 48, 24));
            EXPECT_EQ(place(*window, 6101), QRect(1800, 72, 40, 40));
            auto* frame = window->findChild<QGroupBox*>("numberedButtonsFrame");
            EXPECT_EQ(frame->geometry(), QRect(430, 727, 1260, 60));
        }
    } big;
    big.TestBody();
}

TEST_F(StartedWindow, StartsQuietlyWithItsStripFontTreeAndControlStates)
{
    EXPECT_TRUE(prompts.boxes.empty()) << prompts.boxes[0].text;
    EXPECT_EQ(window->windowTitle(), "Kestrametrix");
    EXPECT_EQ(window->centralWidget()->palette().color(QPalette::Window), QColor(200, 200, 200));
    EXPECT_EQ(readFile(workingRaceFile(folder)), newRaceFileBytes());

    for (int id : {2004, 2005, 2006, 2221, 2222, 2223, 2101, 2102, 2103, 2105}) {
        const QFont f = window->control(id)->font();
        EXPECT_EQ(f.family(), "Arial") << id;
        EXPECT_EQ(f.pixelSize(), 16) << id;
        EXPECT_EQ(f.weight(), QFont::Bold) << id;
    }
    EXPECT_TRUE(static_cast<QRadioButton*>(window->control(2101))->isChecked());
    for (int id : {2104, 2105, 2106})
        EXPECT_FALSE(window->control(id)->isVisibleTo(window.get())) << id;
    auto* packs = static_cast<QComboBox*>(window->control(2104));
    EXPECT_EQ(packs->count(), 20);
    EXPECT_EQ(packs->currentIndex(), 0);
    EXPECT_EQ(packs->itemText(0).toStdString(), cp1252ToUtf8(window->databases().packs[0].label));

    // The tree of a new race, its category open; placed by the resize rule.
    RaceTreeView& tree = window->tree();
    ASSERT_EQ(tree.topLevelItemCount(), 2);
    EXPECT_EQ(tree.topLevelItem(0)->text(0), "Piste");
    QTreeWidgetItem* cat = tree.topLevelItem(1);
    EXPECT_EQ(cat->text(0), "CATEGORIE 1");
    EXPECT_TRUE(cat->font(0).bold());
    EXPECT_TRUE(cat->isExpanded());
    ASSERT_EQ(cat->childCount(), 2);
    EXPECT_EQ(cat->child(0)->text(0), "Pilotes (0)");
    EXPECT_EQ(cat->child(1)->text(0), "Course");
    EXPECT_EQ(cat->child(1)->child(0)->text(0), "Paramètres");
    EXPECT_EQ(cat->child(1)->child(1)->text(0), "Répartition");
    window->resize(1200, 700);
    window->show();
    const int clientHeight = window->centralWidget()->height();
    EXPECT_EQ(tree.geometry(), QRect(10, 54, 190, clientHeight - 80));
}

TEST_F(StartedWindow, MenusCarryTheirIdsTextsAndGreyWhatIsNotThereYet)
{
    QStringList titles;
    for (QAction* a : window->menuBar()->actions())
        titles << a->text();
    EXPECT_EQ(titles,
        QStringList({"Fichier", "Base de données", "Planification course", "Réglages", "?"}));
    QMenu* file = window->menuBar()->actions()[0]->menu();
    QStringList items;
    for (QAction* a : file->actions())
        items << (a->isSeparator() ? QString("-") : a->data().toString() + " " + a->text());
    EXPECT_EQ(items,
        QStringList({"1001 Nouvelle course", "1002 Charger une course", "-", "1003 Enregistrer",
            "1004 Enregistrer sous...", "-", " Courses récentes", "-", "1005 Quitter"}));
    MainMenus& menus = window->menus();
    EXPECT_FALSE(menus.action(1001)->icon().isNull());
    EXPECT_FALSE(menus.action(1015)->icon().isNull());
    EXPECT_TRUE(menus.action(1002)->icon().isNull());

    // Enregistrer needs a name; commands without their dialog yet are greyed.
    EXPECT_FALSE(menus.action(1003)->isEnabled());
    for (int id : {1001, 1002, 1004, 1005, 1017, 1051, 1052})
        EXPECT_TRUE(menus.action(id)->isEnabled()) << id;
    for (int id = 1006; id <= 1015; ++id) {
        if (QAction* a = menus.action(id)) {
            EXPECT_EQ(a->isEnabled(), window->commands().has(id)) << id;
        }
    }

    EXPECT_EQ(
        menus.context(ContextMenu::HeatComposition)->actions()[0]->text(), "Répartion des séries");
    // The heat's three commands and its result sheet as PDF and as a spreadsheet.
    EXPECT_EQ(menus.context(ContextMenu::Heat)->actions().size(), 5);

    // A heat running greys the file commands; Aide stays.
    bool running = true;
    window->setRunActiveQuery([&] { return running; });
    window->refreshCommands();
    EXPECT_FALSE(menus.action(1001)->isEnabled());
    EXPECT_TRUE(menus.action(1017)->isEnabled());
    EXPECT_FALSE(window->tree().isEnabled());
    running = false;
    window->refreshCommands();
    EXPECT_TRUE(menus.action(1001)->isEnabled());

    // After a save-as, Enregistrer is offered.
    files.choices = {(dir.path() / "course").string()};
    window->runCommand(1004);
    EXPECT_TRUE(menus.action(1003)->isEnabled());
    EXPECT_EQ(window->windowTitle().toStdString(),
        "Kestrametrix:   " + (dir.path() / "course.race").string());
}

TEST_F(StartedWindow, SelectionIsWrittenToTheHeaderAndChoosesTheContextMenu)
{
    RaceTreeView& tree = window->tree();
    tree.selectCode(1000);
    RaceHeader header;
    ASSERT_TRUE(readRaceHeader(workingRaceFile(folder), header));
    EXPECT_EQ(header.selection, 1000);
    EXPECT_EQ(window->treeContextMenuNow(), ContextMenu::Track);

    tree.selectCode(10000);
    EXPECT_EQ(window->treeContextMenuNow(), ContextMenu::Category);
    tree.selectCode(11000);
    EXPECT_EQ(window->treeContextMenuNow(), ContextMenu::Participants);
    // Planning items of a category without participants offer nothing.
    tree.selectCode(13010);
    EXPECT_EQ(window->treeContextMenuNow(), ContextMenu::None);
    tree.selectCode(13020);
    EXPECT_EQ(window->treeContextMenuNow(), ContextMenu::None);
    header = {};
    ASSERT_TRUE(readRaceHeader(workingRaceFile(folder), header));
    EXPECT_EQ(header.selection, 13020);
    EXPECT_TRUE(prompts.boxes.empty());

    // A right click on another item leaves the selection (and its menu) alone.
    window->resize(1200, 700);
    window->show();
    const QRect piste = tree.visualItemRect(tree.itemWithCode(1000));
    QMouseEvent press(QEvent::MouseButtonPress, piste.center(),
        tree.viewport()->mapToGlobal(piste.center()), Qt::RightButton, Qt::RightButton,
        Qt::NoModifier);
    QApplication::sendEvent(tree.viewport(), &press);
    EXPECT_EQ(tree.selectedCode(), 13020);
    // A left click does select.
    QMouseEvent left(QEvent::MouseButtonPress, piste.center(),
        tree.viewport()->mapToGlobal(piste.center()), Qt::LeftButton, Qt::LeftButton,
        Qt::NoModifier);
    QApplication::sendEvent(tree.viewport(), &left);
    EXPECT_EQ(tree.selectedCode(), 1000);
}

TEST_F(StartedWindow, CategoriesAreAddedUpToNineAndOnlyOneStaysOpen)
{
    for (int i = 0; i < 10; ++i)
        window->runCommand(1051);
    RaceHeader header;
    ASSERT_TRUE(readRaceHeader(workingRaceFile(folder), header));
    EXPECT_EQ(header.categories.count, 9);
    EXPECT_EQ(header.categories.category(9).name, "CATEGORIE 9");
    RaceTreeView& tree = window->tree();
    ASSERT_EQ(tree.topLevelItemCount(), 10);
    EXPECT_EQ(tree.topLevelItem(9)->text(0), "CATEGORIE 9");
    EXPECT_EQ(tree.topLevelItem(9)->child(0)->text(0), "Pilotes (0)");

    tree.topLevelItem(1)->setExpanded(true);
    tree.topLevelItem(5)->setExpanded(true);
    for (int i = 1; i < tree.topLevelItemCount(); ++i)
        EXPECT_EQ(tree.topLevelItem(i)->isExpanded(), i == 5) << i;
}

TEST_F(StartedWindow, OnlyCategoriesAreRenamedAndNamesAreWrittenToTheHeader)
{
    RaceTreeView& tree = window->tree();
    QTreeWidgetItem* cat = tree.itemWithCode(10000);
    cat->setText(0, "Élite ÿ");
    RaceHeader header;
    ASSERT_TRUE(readRaceHeader(workingRaceFile(folder), header));
    EXPECT_EQ(header.categories.category(1).name, "\xC9lite \xFF");
    EXPECT_EQ(window->race().category(1).name, "\xC9lite \xFF");

    // An empty name is refused: the label comes back.
    cat->setText(0, "");
    EXPECT_EQ(cat->text(0), "Élite ÿ");
    EXPECT_FALSE(tree.itemWithCode(1000)->flags() & Qt::ItemIsEditable);
    EXPECT_FALSE(tree.itemWithCode(13000)->flags() & Qt::ItemIsEditable);
    EXPECT_TRUE(cat->flags() & Qt::ItemIsEditable);

    // The in-place editor holds 53 characters of storable text.
    tree.selectCode(10000);
    window->show();
    window->runCommand(1052);
    auto* edit = tree.findChild<QLineEdit*>("treeLabelEdit");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->maxLength(), 53);
    QString tab = "a\tb";
    QString greek = "Ω";
    QString euro = "Coupe €";
    int pos = 0;
    EXPECT_EQ(edit->validator()->validate(tab, pos), QValidator::Invalid);
    EXPECT_EQ(edit->validator()->validate(greek, pos), QValidator::Invalid);
    EXPECT_EQ(edit->validator()->validate(euro, pos), QValidator::Acceptable);
}

TEST_F(StartedWindow, AnUntouchedNewRaceClosesWithoutAQuestion)
{
    window->show();
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(prompts.boxes.empty());
    EXPECT_TRUE(files.saved.empty());
    EXPECT_TRUE(std::filesystem::exists(folder.file("DetailResultats.res")));
}

TEST_F(StartedWindow, CloseRequestAsksFirstAndRefusesWhileAHeatRuns)
{
    bool running = true;
    window->setRunActiveQuery([&] { return running; });
    window->show();
    EXPECT_FALSE(window->close());
    ASSERT_EQ(prompts.boxes.size(), 1u);
    EXPECT_EQ(prompts.boxes[0].title, "Kestrametrix");
    EXPECT_EQ(prompts.boxes[0].icon, PromptIcon::Stop);
    EXPECT_EQ(prompts.boxes[0].text,
        "Un run ou un scan est en cours!\r\nVous ne pouvez pas fermer l'application !");

    // A new race never changed goes without a question; once changed, the
    // question comes.
    running = false;
    window->runCommand(cmd::NewCategory);
    prompts.answers = {Answer::Cancel};
    EXPECT_FALSE(window->close());
    EXPECT_EQ(prompts.boxes.back().title, "Attention");
    EXPECT_EQ(prompts.boxes.back().text,
        "Vous voulez quitter!\nSouhaitez-vous sauvegarder la course en cours?");
    EXPECT_FALSE(std::filesystem::exists(folder.file("DetailResultats.res")));

    // Yes with a save that fails: said with the file's name, the window stays
    // open so that the official can save elsewhere.
    test::writeFile(dir.path() / "plain", "x");
    const std::string unwritable = (dir.path() / "plain" / "course.race").string();
    files.choices = {unwritable};
    prompts.answers = {Answer::Yes};
    EXPECT_FALSE(window->close());
    EXPECT_EQ(prompts.boxes.back().text, "Erreur: la sauvegarde a échoué\nFichier : " + unwritable);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(std::filesystem::exists(folder.file("DetailResultats.res")));

    // Yes without a name: the save-as dialog, cancelled, and the window goes.
    prompts.answers = {Answer::Yes};
    EXPECT_TRUE(window->close());
    EXPECT_EQ(files.saved.size(), 2u);
    std::string empty;
    for (int i = 0; i < 20; ++i)
        empty += "(NA)\t0\t\n";
    const std::string detail = readFile(folder.file("DetailResultats.res"));
    EXPECT_EQ(detail.substr(detail.find('\n') + 1), empty);
}

} // namespace
} // namespace ksy
