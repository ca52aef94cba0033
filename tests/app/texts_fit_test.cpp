// Every text of the main window and of the dialogs it opens fits its widget,
// on the common screens and at 125 % display scaling: either Qt's scaling (a
// screen of fewer logical pixels, the same fonts) or a larger font setting
// (the same screen, fonts a quarter larger).
#include "app/demo_race.h"
#include "app/dialog_commands.h"
#include "app/heat_controller.h"
#include "app/menu_table.h"
#include "app/race_control.h"
#include "app/race_tree_view.h"
#include "app/result_commands.h"
#include "planning/heat_composition_view.h"
#include "planning/ui/participant_details_dialog.h"
#include "platform/interface_language.h"
#include "platform/qt_canvas.h"
#include "support/fake_serial_link.h"
#include "window_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QTimer>
#include <QTreeWidget>

namespace ksy {
namespace {

// A name as long as the pilot editor takes, and a long category name.
const std::string kLongName = "DE LA VILLEMARQUE-KERGUELEN Jean-Yves A";
const std::string kLongCategory = "Classe 5 Standard Internationale";

QString describe(QWidget* w, const QString& text, int need, int have)
{
    QString where = w->objectName();
    for (QWidget* p = w->parentWidget(); p && where.size() < 60; p = p->parentWidget())
        if (!p->objectName().isEmpty() && !p->objectName().startsWith("qt_"))
            where = p->objectName() + "/" + where;
    return QStringLiteral("%1 [%2] \"%3\" needs %4 px, has %5")
        .arg(where, QString::fromLatin1(w->metaObject()->className()), text)
        .arg(need)
        .arg(have);
}

int advance(const QWidget* w, const QString& text)
{
    QString plain = text;
    plain.remove(QLatin1Char('&'));
    return w->fontMetrics().horizontalAdvance(plain);
}

// Items whose text the tree cuts: their column must be as wide as they are.
void checkTree(QTreeWidget* tree, QStringList& out)
{
    tree->expandAll();
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        const QModelIndex index = tree->indexFromItem(*it);
        const QRect r = tree->visualRect(index);
        QStyleOptionViewItem option;
        option.initFrom(tree);
        const int need = r.left() + tree->horizontalScrollBar()->value() +
            tree->itemDelegate()->sizeHint(option, index).width();
        const int have = tree->columnWidth(0);
        if (need > have)
            out << describe(tree, (*it)->text(0), need, have);
    }
}

QStringList clippedTexts(QWidget* root)
{
    QStringList out;
    auto check = [&](QWidget* w, const QString& text, int need, int have) {
        if (!text.isEmpty() && need > have)
            out << describe(w, text, need, have);
    };
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        if (w != root && !w->isVisibleTo(root))
            continue;
        if (qobject_cast<QRadioButton*>(w) || qobject_cast<QCheckBox*>(w)) {
            const auto* b = static_cast<QAbstractButton*>(w);
            check(w, b->text(), b->sizeHint().width(), b->width());
        } else if (auto* b = qobject_cast<QPushButton*>(w)) {
            if (b->icon().isNull())
                check(w, b->text(), advance(b, b->text()) + 6, b->width());
        } else if (auto* l = qobject_cast<QLabel*>(w)) {
            if (!l->wordWrap() && l->pixmap().isNull() && l->textFormat() != Qt::RichText)
                check(w, l->text(), advance(l, l->text()) + 2 * l->margin(), l->width());
        } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
            if (e->isReadOnly())
                check(w, e->text(), advance(e, e->text()) + 6, e->width());
        } else if (auto* c = qobject_cast<QComboBox*>(w)) {
            // The combo box cuts an entry wider than its edit field.
            QStyleOptionComboBox option;
            option.initFrom(c);
            option.editable = c->isEditable();
            const QRect field = c->style()->subControlRect(
                QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, c);
            for (int i = 0; i < c->count(); ++i)
                check(w, c->itemText(i), advance(c, c->itemText(i)), field.width() - 2);
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            check(w, g->title(), advance(g, g->title()) + 12, g->width());
        } else if (auto* t = qobject_cast<QTreeWidget*>(w)) {
            checkTree(t, out);
        }
    }
    return out;
}

struct Display {
    QSize screen; // in logical pixels
    double fontScale = 1.0;
};

// The application font a quarter larger, as a 120-dpi font setting gives.
class ScaledFont {
public:
    explicit ScaledFont(double scale)
        : saved_(QApplication::font())
    {
        QFont f = saved_;
        f.setPointSizeF(saved_.pointSizeF() * scale);
        QApplication::setFont(f);
    }
    ~ScaledFont() { QApplication::setFont(saved_); }

private:
    QFont saved_;
};

class RaceWindow : public test::WindowTest {
public:
    explicit RaceWindow(QSize screen)
        : WindowTest(screen)
    {
        RaceSpec spec;
        spec.raceName = "Championnat de France de char à voile";
        spec.trackName = "Plage de la Baie";
        spec.pilots = {{kLongName, "000701"}, {"BRAVO", "000702"}};
        spec.categories = {{kLongCategory, {kLongName, "BRAVO"}, 2, 2, {"B"}}};
        EXPECT_TRUE(buildRace(folder, spec, prompts));
        window->reloadRaceTree();
        const AppServices services {clock, prompts, sounds, files};
        control = std::make_unique<RaceControl>(*window, folder, services, nullptr);
        heats = std::make_unique<HeatController>(*window, *control, services);
        registerDialogCommands(*window, *control, *heats, folder, services);
        window->refreshCommands();
        window->resize(screen);
    }
    void TestBody() override { }
    using WindowTest::clock;
    using WindowTest::folder;
    using WindowTest::prompts;
    using WindowTest::window;
    using WindowTest::dir;
    using WindowTest::sounds;
    using WindowTest::files;

    // Runs the command; every dialog it opens is checked, then closed.
    QStringList clippedInDialogsOf(int command)
    {
        QStringList out;
        QTimer watcher;
        QObject::connect(&watcher, &QTimer::timeout, [&] {
            if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                out << clippedTexts(d);
                d->reject();
            }
        });
        watcher.start(0);
        window->runCommand(command);
        return out;
    }

    std::unique_ptr<RaceControl> control;
    std::unique_ptr<HeatController> heats;
};

TEST(TextsFit, MainWindowOnCommonScreensAndAt125Percent)
{
    const Display displays[] = {{{1366, 768}}, {{1600, 900}}, {{1920, 1080}}, {{2560, 1440}},
        {{1536, 864}}, {{1093, 614}}, {{1920, 1080}, 1.25}, {{1366, 768}, 1.25}};
    for (const Display& d : displays) {
        const ScaledFont font(d.fontScale);
        RaceWindow w(d.screen);
        // Every mode's controls, the pack list among them.
        for (QWidget* c : w.window->findChildren<QWidget*>())
            if (QStringList {"2104", "2105", "2106"}.contains(c->objectName()))
                c->show();
        const QStringList clipped = clippedTexts(w.window.get());
        EXPECT_TRUE(clipped.isEmpty())
            << d.screen.width() << "x" << d.screen.height() << " at " << d.fontScale << ":\n"
            << clipped.join("\n").toStdString();
    }
}

TEST(TextsFit, EveryDialogOfTheWindowAt100And125Percent)
{
    for (const double scale : {1.0, 1.25}) {
        const ScaledFont font(scale);
        RaceWindow w(QSize(1920, 1080));
        QStringList clipped;
        for (int id : {cmd::TrackDatabase, cmd::ClubDatabase, cmd::PilotDatabase, cmd::PackDatabase,
                 cmd::FrequencyDatabase, cmd::DurationCalculator, cmd::SoundSettings,
                 cmd::DisplaySettings, cmd::InterfaceSettings})
            clipped << w.clippedInDialogsOf(id);
        w.window->tree().selectCode(10000); // the category
        for (int id :
            {cmd::RaceTrack, cmd::ParticipantList, cmd::RaceOptions, cmd::HeatComposition})
            clipped << w.clippedInDialogsOf(id);

        w.window->tree().selectCode(11001); // its first participant
        test::FakeSerialLink port;
        ParticipantDetailsDialog details(w.folder, port, w.clock, w.prompts);
        details.show();
        clipped << clippedTexts(&details);
        EXPECT_TRUE(clipped.isEmpty()) << "at " << scale << ":\n"
                                       << clipped.join("\n").toStdString();
    }
}

TEST(TextsFit, TheWindowAndItsDialogsInEnglish)
{
    installInterfaceLanguage(*QCoreApplication::instance(), InterfaceLanguage::English);
    const QLocale locale;
    struct French {
        QLocale locale;
        ~French()
        {
            removeInterfaceLanguage();
            QLocale::setDefault(locale);
        }
    } backToFrench {locale};
    for (const Display& d : {Display {{1366, 768}}, Display {{1366, 768}, 1.25},
             Display {{1920, 1080}}}) {
        const ScaledFont font(d.fontScale);
        RaceWindow w(d.screen);
        ASSERT_EQ(w.window->menuBar()->actions()[0]->text(), "File");
        for (QWidget* c : w.window->findChildren<QWidget*>())
            if (QStringList {"2104", "2105", "2106"}.contains(c->objectName()))
                c->show();
        QStringList clipped = clippedTexts(w.window.get());
        for (int id : {cmd::SoundSettings, cmd::DisplaySettings, cmd::InterfaceSettings})
            clipped << w.clippedInDialogsOf(id);
        EXPECT_TRUE(clipped.isEmpty())
            << d.screen.width() << "x" << d.screen.height() << " at " << d.fontScale << ":\n"
            << clipped.join("\n").toStdString();
    }
}

TEST(TextsFit, CompositionHeadsAndNamesStayInTheirColumns)
{
    // A name as long as the pilot editor takes stops before the arrows and
    // the transponder, measured as the dialog paints it.
    HeatPlan plan;
    plan.pilotsPerHeat = 2;
    plan.at(0) = kLongName;
    plan.at(1) = "BRAVO";
    const HeatComposition named(plan, ParticipantList {});
    const QtTextMetrics measure;
    std::vector<std::string> names;
    for (const Primitive& p : compositionListDrawing(named, 0, &measure))
        if (const auto* t = std::get_if<TextOp>(&p.op);
            t && p.role == Role::Cell && t->x == composition_view::kNameX) {
            names.push_back(t->text);
            EXPECT_LT(t->x + measure.textWidth(t->font, t->text), composition_view::kUpArrowX)
                << t->text;
        }
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names[0].rfind("DE LA VILLEMARQUE", 0), 0u);
    EXPECT_NE(names[0].find("\xE2\x80\xA6"), std::string::npos) << names[0]; // cut with "…"
    EXPECT_EQ(names[1], "BRAVO");

    HeatComposition composition;
    const Drawing d = compositionListDrawing(composition, 0);
    std::vector<const TextOp*> heads;
    for (const Primitive& p : d)
        if (const auto* t = std::get_if<TextOp>(&p.op); t && p.role == Role::Header)
            heads.push_back(t);
    ASSERT_EQ(heads.size(), 8u);
    const QtTextMetrics metrics;
    for (std::size_t i = 1; i + 1 < heads.size(); ++i)
        EXPECT_LT(heads[i]->x + metrics.textWidth(heads[i]->font, heads[i]->text), heads[i + 1]->x)
            << heads[i]->text;
    EXPECT_LE(heads.back()->x + metrics.textWidth(heads.back()->font, heads.back()->text),
        composition_view::kListRight);
}

TEST(TextsFit, LongNamesStopAtTheirColumnOnPaper)
{
    // The heat's result sheet saved from the window: the long name is cut
    // with "…" before the laps; the short one is whole.
    RaceWindow w(QSize(1920, 1080));
    registerResultCommands(*w.window, *w.control, w.folder,
        AppServices {w.clock, w.prompts, w.sounds, w.files});
    w.window->tree().selectCode(13101);
    const auto pdf = w.dir.path() / "feuille.pdf";
    w.files.choices = {pdf.string()};
    w.window->runCommand(cmd::HeatSheetPdf);
    ASSERT_TRUE(std::filesystem::exists(pdf));
    EXPECT_EQ(w.files.saved.size(), 1u);
    // Named after its heat, so that the next heat's sheet does not replace it.
    EXPECT_TRUE(w.files.saved.front().ends_with(
        "/Classe 5 Standard Internationale - Manche1 - S\xC3\xA9rie1.pdf"))
        << w.files.saved.front();

    QProcess text;
    text.start(QStringLiteral("pdftotext"),
        {QStringLiteral("-layout"), QString::fromStdString(pdf.string()), QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(20000));
    const std::string page = text.readAllStandardOutput().toStdString();
    EXPECT_NE(page.find("DE LA VILLEMARQUE"), std::string::npos) << page;
    EXPECT_NE(page.find("\xE2\x80\xA6"), std::string::npos) << page;
    EXPECT_EQ(page.find("Jean-Yves A"), std::string::npos) << page;
    EXPECT_NE(page.find("BRAVO"), std::string::npos) << page;
}

} // namespace
} // namespace ksy
