// The interface in English: the language kept for the next start, the
// window's own words in English, every dialog's texts whole at 1366 × 768
// (run again on that screen by CTest), and not one byte of a file changed by
// the language.
#include "app/demo_race.h"
#include "app/dialog_commands.h"
#include "app/heat_controller.h"
#include "app/heat_title_text.h"
#include "app/language_dialog.h"
#include "app/live_results_dialog.h"
#include "app/menu_table.h"
#include "app/menus.h"
#include "app/race_control.h"
#include "app/race_tree_view.h"
#include "app/result_commands.h"
#include "planning/ui/duration_calculator_dialog.h"
#include "planning/ui/participant_details_dialog.h"
#include "planning/ui/participants_command.h"
#include "platform/interface_language.h"
#include "platform/language_setting.h"
#include "platform/screen_fit.h"
#include "support/fake_serial_link.h"
#include "timing/decoder_link.h"
#include "timing/ui/interface_dialog.h"
#include "race_command_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QTreeWidgetItemIterator>
#include <functional>
#include <map>

namespace ksy {
namespace {

// The language for the test's life; the code's French again afterwards, so
// that the tests after it in the same program see what they always saw.
class InterfaceIn {
public:
    explicit InterfaceIn(InterfaceLanguage language)
    {
        installInterfaceLanguage(*QCoreApplication::instance(), language);
    }
    ~InterfaceIn()
    {
        removeInterfaceLanguage();
        QLocale::setDefault(locale_);
    }
    InterfaceIn(const InterfaceIn&) = delete;
    InterfaceIn& operator=(const InterfaceIn&) = delete;

private:
    QLocale locale_;
};

TEST(LanguageSetting, TheLanguageKeptIsReadBackAndTheOptionOverridesIt)
{
    test::TempDir dir;
    const WorkFolder folder(dir.path());
    // Nothing kept: French.
    EXPECT_EQ(readLanguageSetting(folder), std::nullopt);
    EXPECT_EQ(startLanguage(std::nullopt, folder), InterfaceLanguage::French);

    ASSERT_TRUE(writeLanguageSetting(folder, InterfaceLanguage::English));
    EXPECT_EQ(test::readFile(folder.file(kLanguageSettingsFile)), "en\n");
    EXPECT_EQ(readLanguageSetting(folder), InterfaceLanguage::English);
    EXPECT_EQ(startLanguage(std::nullopt, folder), InterfaceLanguage::English);
    // --lang wins for the run, and leaves the setting as it was.
    EXPECT_EQ(startLanguage(std::string("fr"), folder), InterfaceLanguage::French);
    EXPECT_EQ(readLanguageSetting(folder), InterfaceLanguage::English);

    // Edited by hand: blanks and a Windows line end are forgiven; anything
    // else is not a language, and the program starts in French.
    test::writeFile(folder.file(kLanguageSettingsFile), "  en \r\n");
    EXPECT_EQ(readLanguageSetting(folder), InterfaceLanguage::English);
    // A line longer than any language code is none, even if it starts as one.
    test::writeFile(folder.file(kLanguageSettingsFile), "en" + std::string(100, ' ') + "\n");
    EXPECT_EQ(readLanguageSetting(folder), std::nullopt);
    for (const char* junk : {"", "\n", "de\n", "english\n", "\xFF\xFE"}) {
        test::writeFile(folder.file(kLanguageSettingsFile), junk);
        EXPECT_EQ(startLanguage(std::nullopt, folder), InterfaceLanguage::French) << junk;
    }
}

using RaceWindow = test::RaceCommandWindow;

// The width a text needs in a widget's font: its longest line, mnemonics aside.
int textWidth(const QWidget* w, QString text)
{
    text.remove(QLatin1Char('&'));
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, w->fontMetrics().horizontalAdvance(line));
    return widest;
}

QString name(const QWidget* w)
{
    return QStringLiteral("%1 \"%2\"")
        .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName());
}

// Every text of the dialog that is narrower than its widget's room.
QStringList cutTexts(const QDialog* d)
{
    QStringList cut;
    const auto visible = [d](const QWidget* w) { return w->isVisibleTo(d) && w->width() > 0; };
    for (const QLabel* l : d->findChildren<QLabel*>()) {
        if (!visible(l) || l->wordWrap() || l->text().isEmpty() || l->textFormat() == Qt::RichText)
            continue;
        if (textWidth(l, l->text()) > l->contentsRect().width())
            cut << QStringLiteral("%1 %2 in %3 px").arg(name(l), l->text()).arg(l->width());
    }
    for (const QAbstractButton* b : d->findChildren<QAbstractButton*>()) {
        if (!visible(b) || b->text().isEmpty())
            continue;
        // A check or radio box needs its mark beside its text; a button its
        // frame around it: what the style asks for, less its spare margins.
        const bool boxed =
            qobject_cast<const QCheckBox*>(b) || qobject_cast<const QRadioButton*>(b);
        const int needed = boxed ? b->sizeHint().width() : textWidth(b, b->text()) + 4;
        if (needed > b->width())
            cut << QStringLiteral("%1 \"%2\" needs %3 px, has %4")
                       .arg(name(b), b->text())
                       .arg(needed)
                       .arg(b->width());
    }
    for (const QGroupBox* g : d->findChildren<QGroupBox*>()) {
        if (!visible(g) || g->title().isEmpty())
            continue;
        if (textWidth(g, g->title()) + 8 > g->width())
            cut << QStringLiteral("%1 \"%2\" in %3 px").arg(name(g), g->title()).arg(g->width());
    }
    return cut;
}

TEST(DialogsInEnglish, ATextWiderThanItsWidgetIsReported)
{
    QDialog d;
    auto* narrow = new QLabel(QStringLiteral("A much longer English label"), &d);
    narrow->setGeometry(0, 0, 40, 20);
    auto* button = new QPushButton(QStringLiteral("Cancel the changes"), &d);
    button->setGeometry(0, 30, 30, 24);
    auto* whole = new QLabel(QStringLiteral("OK"), &d);
    whole->setGeometry(0, 60, 200, 20);
    d.resize(300, 100);
    const QStringList cut = cutTexts(&d);
    ASSERT_EQ(cut.size(), 2) << cut.join("\n").toStdString();
    EXPECT_TRUE(cut[0].contains(QStringLiteral("A much longer English label")));
    EXPECT_TRUE(cut[1].contains(QStringLiteral("Cancel the changes")));
}

struct Seen {
    QString dialog;
    QStringList cut;
};

// Runs the action; every dialog it opens is looked at, then closed.
std::vector<Seen> dialogsOf(const std::function<void()>& action)
{
    std::vector<Seen> out;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            out.push_back({d->windowTitle(), cutTexts(d)});
            d->reject();
        }
    });
    watcher.start(0);
    action();
    return out;
}

TEST(DialogsInEnglish, EveryDialogShowsItsTextsWhole)
{
    const InterfaceIn english(InterfaceLanguage::English);
    const ScreenFit fit;
    RaceWindow w;
    w.window->show();
    std::vector<Seen> all;
    const auto add = [&all](std::vector<Seen> seen) {
        all.insert(all.end(), seen.begin(), seen.end());
    };
    const auto command = [&w](int id) { return [&w, id] { w.window->runCommand(id); }; };
    const auto select = [&w](
                            int code) { return [&w, code] { w.window->tree().selectCode(code); }; };
    for (int id : {cmd::TrackDatabase, cmd::ClubDatabase, cmd::PilotDatabase, cmd::PackDatabase,
             cmd::FrequencyDatabase, cmd::DurationCalculator, cmd::SoundSettings,
             cmd::DisplaySettings})
        add(dialogsOf(command(id)));
    add(dialogsOf(select(10000)));
    for (int id : {cmd::RaceTrack, cmd::ParticipantList, cmd::RaceOptions, cmd::HeatComposition})
        add(dialogsOf(command(id)));
    add(dialogsOf(select(13101)));
    for (int id : {cmd::HeatResultDetails, cmd::HeatComment})
        add(dialogsOf(command(id)));
    add(dialogsOf(select(13951)));
    add(dialogsOf(select(13990)));
    add(dialogsOf(select(11001)));
    test::FakeSerialLink port;
    add(dialogsOf([&] {
        ParticipantDetailsDialog::edit(w.window.get(), w.folder, port, w.clock, w.prompts);
    }));
    DecoderLink decoder(port, w.clock, w.prompts, w.folder);
    add(dialogsOf([&] { runInterfaceDialog(decoder, w.prompts, w.folder, w.window.get()); }));
    add(dialogsOf([&] {
        LiveResultsDialog::run(
            w.window.get(), LiveSettings {}, QStringLiteral("http://10.0.0.1:8080"));
    }));
    add(dialogsOf([&] { LanguageDialog::run(w.window.get(), InterfaceLanguage::English); }));

    QStringList problems, titles;
    for (const Seen& s : all) {
        titles << s.dialog;
        for (const QString& c : s.cut)
            problems << s.dialog + ": " + c;
    }
    EXPECT_GE(all.size(), 19u) << titles.join("\n").toStdString();
    // The window's own dialogs are in English.
    for (const char* title :
        {"Sound options", "Display options", "Interface", "Live results", "Langue / Language"})
        EXPECT_TRUE(titles.contains(QString::fromUtf8(title))) << title;
    const QSize screen = QGuiApplication::primaryScreen()->size();
    EXPECT_TRUE(problems.isEmpty()) << screen.width() << "x" << screen.height() << ":\n"
                                    << problems.join("\n").toStdString();
}

TEST(WindowInEnglish, MenusTreeAndStripSpeakEnglishWhileTheCodesStay)
{
    const InterfaceIn english(InterfaceLanguage::English);
    RaceWindow w;
    QStringList titles;
    for (QAction* a : w.window->menuBar()->actions())
        titles << a->text();
    EXPECT_EQ(titles, QStringList({"File", "Database", "Race planning", "Settings", "?"}));
    EXPECT_EQ(w.window->menus().action(cmd::LanguageSettings)->text(), "Langue / Language");
    EXPECT_EQ(w.window->menus().context(ContextMenu::HeatComposition)->actions()[0]->text(),
        "Heat composition");

    // The tree's own items in English, under their codes; names as they are.
    std::map<int, QString> seen;
    for (QTreeWidgetItemIterator it(&w.window->tree()); *it; ++it)
        seen[w.window->tree().codeOf(*it)] = (*it)->text(0);
    EXPECT_EQ(seen[1000], "Track");
    EXPECT_EQ(seen[10000], "Classe 5 Standart");
    EXPECT_EQ(seen[11000], "Pilots (3)");
    EXPECT_EQ(seen[11001], "ALPHA");
    EXPECT_EQ(seen[13000], "Race");
    EXPECT_EQ(seen[13010], "Options");
    EXPECT_EQ(seen[13100], "Round1");
    EXPECT_EQ(seen[13102], "Heat2");
    EXPECT_EQ(seen[13952], "Ranking R2");
    EXPECT_EQ(seen[13990], "Overall ranking");

    // The strip's buttons show their image and say their name.
    const auto* start = qobject_cast<QPushButton*>(w.window->control(2001));
    ASSERT_NE(start, nullptr);
    EXPECT_EQ(start->accessibleName(), "Start");
    EXPECT_EQ(start->toolTip(), "Start");
}

TEST(WindowInEnglish, TheRunsTitleShowsTheOptionsInWords)
{
    const std::string stored =
        "Durée 00:10 - DEPARTSignalSonore - FINTEMPSSignalSonore - Départ 14/06/2026 10:30";
    const std::string laps =
        "Durée 5 tours - DEPARTDecale - FINTOURFinirTour - Départ 1/1/2026 9:05";
    // French: the title as the race file holds it.
    EXPECT_EQ(shownHeatTitle(stored), stored);
    const InterfaceIn english(InterfaceLanguage::English);
    EXPECT_EQ(shownHeatTitle(stored),
        "Duration 00:10 - start on sound signal - time end on sound signal - Started 14/06/2026 "
        "10:30");
    EXPECT_EQ(shownHeatTitle(laps),
        "Duration 5 laps - staggered start - laps end, lap finished - Started 1/1/2026 9:05");
    // Anything else is shown as it is: an erased heat, a title edited by hand.
    for (const std::string& other :
        {std::string(), std::string("."), std::string("Durée 00:10 - DEPARTSignalSonore"),
            std::string("Manche 1 - a - b - Départ demain")})
        EXPECT_EQ(shownHeatTitle(other), other);
}

// A heat run as the official runs it, in one language; every file of the
// working folder afterwards, by name.
std::map<std::string, std::string> filesOfAHeatIn(InterfaceLanguage language)
{
    const InterfaceIn chosen(language);
    RaceWindow w;
    // The language is really the one asked for.
    EXPECT_EQ(w.window->menuBar()->actions()[0]->text(),
        language == InterfaceLanguage::English ? "File" : "Fichier");
    w.window->resize(1366, 768);
    w.window->show();
    w.control->run().setLocalTime([] { return LocalDateTime {2026, 6, 14, 10, 30}; });
    const auto runFor = [&w](int ms) {
        for (int t = 0; t < ms; t += 10) {
            w.clock.advance(10);
            w.control->tick(w.clock.milliseconds());
        }
    };
    w.window->tree().selectCode(13101);
    w.window->runCommand(2001);
    runFor(5100);
    EXPECT_TRUE(w.control->run().state().running);
    for (const auto& [at, button] : std::vector<std::pair<int, int>> {{1000, 2201}, {1000, 2202},
             {28000, 2202}, {1000, 2201}, {25000, 2201}, {3000, 2202}}) {
        runFor(at);
        w.window->runCommand(button);
    }
    w.window->runCommand(2002);
    runFor(1500);
    EXPECT_TRUE(w.heats->storeShownHeat());
    // The next heat selected: the first one is stored with its results.
    w.window->tree().selectCode(13102);
    runFor(100);

    // The journal is written by a thread of its own: it has written all
    // once the race control is gone.
    w.heats.reset();
    w.control.reset();
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(w.folder.root())) {
        if (!entry.is_regular_file())
            continue;
        const auto relative = std::filesystem::relative(entry.path(), w.folder.root());
        files[relative.generic_string()] = test::readFile(entry.path());
    }
    return files;
}

TEST(WindowInEnglish, AHeatWritesTheSameBytesInBothLanguages)
{
    const auto french = filesOfAHeatIn(InterfaceLanguage::French);
    const auto english = filesOfAHeatIn(InterfaceLanguage::English);
    ASSERT_FALSE(french.empty());
    std::vector<std::string> names;
    for (const auto& [file, bytes] : french)
        names.push_back(file);
    std::vector<std::string> namesEnglish;
    for (const auto& [file, bytes] : english)
        namesEnglish.push_back(file);
    EXPECT_EQ(names, namesEnglish);
    // The heat's passings went into the journal, its results into the race.
    EXPECT_TRUE(french.count("Private/JournalPassages.txt")) << names.size();
    for (const auto& [file, bytes] : french) {
        const auto other = english.find(file);
        if (other == english.end())
            continue;
        if (other->second == bytes)
            continue;
        std::size_t at = 0;
        while (at < bytes.size() && at < other->second.size() && bytes[at] == other->second[at])
            ++at;
        const std::size_t from = at > 60 ? at - 60 : 0;
        ADD_FAILURE() << file << " differs between French and English from byte " << at << ":\n"
                      << bytes.substr(from, 160) << "\n---\n"
                      << other->second.substr(from, 160);
    }
}

} // namespace
} // namespace ksy
