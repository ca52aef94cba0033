// Every dialog the window opens, on the screen the test runs on (the test
// is run again on a 1366 × 768 and a 1920 × 1080 screen): its frame stands
// inside the screen's free room and its buttons are on screen without
// scrolling; on a large screen it keeps the size it was built with.
#include "app/demo_race.h"
#include "app/dialog_commands.h"
#include "app/heat_controller.h"
#include "app/menu_table.h"
#include "app/race_control.h"
#include "app/race_tree_view.h"
#include "app/result_commands.h"
#include "planning/ui/duration_calculator_dialog.h"
#include "planning/ui/participant_details_dialog.h"
#include "planning/ui/participants_command.h"
#include "platform/screen_fit.h"
#include "support/fake_serial_link.h"
#include "race_command_window.h"

#include <QApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <functional>
#include <iostream>

namespace ksy {
namespace {

QString rect(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QRect frameOf(const QWidget* w)
{
    // The offscreen screen draws a token border: count a window manager's
    // title bar as well.
    return w->frameGeometry().united(w->geometry().marginsAdded(kAssumedFrame));
}

bool insideScrollPage(const QWidget* w)
{
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (p->objectName() == QLatin1String("screenFitPage"))
            return true;
    return false;
}

struct Seen {
    QString name;
    QSize size;
    bool scrolled = false;
    QStringList problems;
};

Seen look(QDialog* d)
{
    Seen seen {d->objectName().isEmpty() ? d->windowTitle() : d->objectName(), d->size(),
        d->findChild<QScrollArea*>(QStringLiteral("screenFitScroll")) != nullptr,
        {}};
    // Where it stands is the window manager's choice (the offscreen screen
    // has none); what must hold is that it can stand on the screen whole,
    // and a dialog made smaller is put inside.
    const QRect room = d->screen()->availableGeometry();
    const QRect frame = frameOf(d);
    if (frame.width() > room.width() || frame.height() > room.height() ||
        (seen.scrolled && !room.contains(frame)))
        seen.problems << seen.name + ": frame " + rect(frame) + " larger than " + rect(room);
    for (QPushButton* b : d->findChildren<QPushButton*>()) {
        // The confirming and the cancelling buttons.
        if (!b->isVisibleTo(d) || !(b->isDefault() || b->objectName() == QLatin1String("2")))
            continue;
        const QRect at(b->mapTo(d, QPoint(0, 0)), b->size());
        if (insideScrollPage(b) || !d->rect().contains(at))
            seen.problems << seen.name + ": \"" + b->text() + "\" at " + rect(at) +
                    " is not in sight in " + rect(d->rect());
    }
    return seen;
}

class Window : public test::RaceCommandWindow {
public:
    Window()
    {
        window->show();
    }

    // Runs the action; every dialog it opens is looked at, then closed.
    std::vector<Seen> dialogsOf(const std::function<void()>& action)
    {
        std::vector<Seen> out;
        QTimer watcher;
        QObject::connect(&watcher, &QTimer::timeout, [&] {
            if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                out.push_back(look(d));
                d->reject();
            }
        });
        watcher.start(0);
        action();
        return out;
    }

    std::vector<Seen> everyDialog()
    {
        std::vector<Seen> all;
        const auto add = [&all](std::vector<Seen> seen) {
            all.insert(all.end(), seen.begin(), seen.end());
        };
        const auto command = [this](int id) { return [this, id] { window->runCommand(id); }; };
        const auto select = [this](int code) { return [this, code] { window->tree().selectCode(code); }; };
        for (int id : {cmd::TrackDatabase, cmd::ClubDatabase, cmd::PilotDatabase, cmd::PackDatabase,
                 cmd::FrequencyDatabase, cmd::DurationCalculator, cmd::SoundSettings,
                 cmd::DisplaySettings})
            add(dialogsOf(command(id)));
        add(dialogsOf(select(10000)));
        for (int id :
            {cmd::RaceTrack, cmd::ParticipantList, cmd::RaceOptions, cmd::HeatComposition})
            add(dialogsOf(command(id)));
        add(dialogsOf(select(13101)));
        for (int id : {cmd::HeatResultDetails, cmd::HeatComment})
            add(dialogsOf(command(id)));
        add(dialogsOf(select(13951)));
        add(dialogsOf(select(13990)));
        add(dialogsOf(select(11001))); // its first participant
        test::FakeSerialLink port;
        add(dialogsOf([&] {
            ParticipantDetailsDialog::edit(window.get(), folder, port, clock, prompts);
        }));
        return all;
    }

};

TEST(DialogsOnScreen, EveryDialogFitsWithItsButtonsInSight)
{
    const ScreenFit fit;
    Window w;
    const std::vector<Seen> seen = w.everyDialog();
    QStringList problems, names;
    for (const Seen& s : seen) {
        problems << s.problems;
        names << QStringLiteral("%1 %2x%3%4")
                     .arg(s.name)
                     .arg(s.size.width())
                     .arg(s.size.height())
                     .arg(s.scrolled ? " (scrolled)" : "");
    }
    const QSize screen = QGuiApplication::primaryScreen()->size();
    EXPECT_GE(seen.size(), 16u) << names.join("\n").toStdString();
    EXPECT_TRUE(problems.isEmpty()) << screen.width() << "x" << screen.height() << ":\n"
                                    << problems.join("\n").toStdString();
    // A screen with room for every dialog shows each as it was built.
    if (screen.height() >= 1000) {
        for (const Seen& s : seen)
            EXPECT_FALSE(s.scrolled) << s.name.toStdString();
    }
    std::cout << names.join("\n").toStdString() << std::endl;
}

TEST(DialogsOnScreen, AFittedDialogScrollsItsControlsAndKeepsItsButtonsBelow)
{
    // Laid out: the last row of buttons leaves the scroll area.
    QDialog laidOut;
    auto* column = new QVBoxLayout(&laidOut);
    for (int i = 0; i < 12; ++i) {
        auto* g = new QGroupBox(QStringLiteral("Groupe %1").arg(i), &laidOut);
        g->setMinimumHeight(70);
        column->addWidget(g);
    }
    auto* row = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("Valider"), &laidOut);
    ok->setDefault(true);
    row->addWidget(ok);
    column->addLayout(row);
    laidOut.adjustSize();
    const QRect room(0, 0, 1366, 600);
    ASSERT_GT(laidOut.height(), room.height());
    EXPECT_TRUE(fitDialogToRoom(&laidOut, room));
    EXPECT_LE(laidOut.frameGeometry().marginsAdded(kAssumedFrame).height(), room.height());
    auto* scroll = laidOut.findChild<QScrollArea*>(QStringLiteral("screenFitScroll"));
    ASSERT_NE(scroll, nullptr);
    EXPECT_EQ(ok->parentWidget(), &laidOut);
    EXPECT_EQ(laidOut.findChildren<QGroupBox*>().size(), 12);
    for (QGroupBox* g : laidOut.findChildren<QGroupBox*>())
        EXPECT_TRUE(scroll->widget()->isAncestorOf(g));

    // Built at fixed places: the bottom buttons leave, the rest keeps its place.
    QDialog fixed;
    fixed.setFixedSize(760, 770);
    auto* top = new QPushButton(QStringLiteral("Imprimer"), &fixed);
    top->setGeometry(20, 20, 44, 44);
    auto* cancel = new QPushButton(QStringLiteral("Echap"), &fixed);
    cancel->setGeometry(640, 726, 100, 30);
    EXPECT_TRUE(fitDialogToRoom(&fixed, QRect(0, 0, 1366, 738)));
    EXPECT_EQ(top->geometry(), QRect(20, 20, 44, 44));
    EXPECT_NE(top->parentWidget(), &fixed);
    EXPECT_EQ(cancel->parentWidget(), &fixed);
    EXPECT_LE(fixed.height() + kAssumedFrame.top() + kAssumedFrame.bottom(), 738);

    // A dialog that fits is left alone.
    QDialog small;
    small.setFixedSize(400, 300);
    EXPECT_FALSE(fitDialogToRoom(&small, QRect(0, 0, 1366, 738)));
    EXPECT_EQ(small.findChild<QScrollArea*>(), nullptr);
}

TEST(DialogsOnScreen, TheRankingsOfTheTreeAreWholeAtItsWidth)
{
    Window w;
    QTreeWidget& tree = w.window->tree();
    tree.expandAll();
    QStringList seen;
    for (QTreeWidgetItemIterator it(&tree); *it; ++it) {
        const QString text = (*it)->text(0);
        if (!text.startsWith(QStringLiteral("Classement")))
            continue;
        const QModelIndex index = tree.indexFromItem(*it);
        QStyleOptionViewItem option;
        option.initFrom(&tree);
        const int right = tree.visualRect(index).left() +
            tree.itemDelegate()->sizeHint(option, index).width();
        EXPECT_LE(right, tree.viewport()->width()) << text.toStdString();
        seen << text;
    }
    EXPECT_EQ(seen, (QStringList {"Classements", "Classement M1", "Classement M2",
                        "Classement Global"}));
}

} // namespace
} // namespace ksy
