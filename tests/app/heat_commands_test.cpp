// Nothing enabled that does nothing: the heat's commands without a heat on
// the board; and no destructive default: a question that erases keeps what
// is there on Enter.
#include "app/menu_table.h"
#include "app/menus.h"
#include "app/offered_commands.h"
#include "app/race_tree_view.h"
#include "app/result_commands.h"
#include "platform/qt_prompts.h"
#include "race_window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace ksy {
namespace {

class HeatCommands : public test::RaceWindowTest { };

TEST_F(HeatCommands, AreGreyedAndRefusedWithoutAHeatOnTheBoard)
{
    registerResultCommands(*window, *control, folder, AppServices {clock, prompts, sounds, files});
    const auto enabled = [this](int id) {
        if (QWidget* c = window->control(id))
            return c->isEnabled();
        return window->menus().action(id)->isEnabled();
    };
    const std::vector<int> heatCommands = {2001, 6000, 6102, 6103, 6104, 6105, 6106};
    window->tree().selectCode(10000); // the category: no heat
    ASSERT_FALSE(control->session().showsHeat());
    for (int id : heatCommands) {
        EXPECT_FALSE(enabled(id)) << id;
        // A script runs only what is offered.
        EXPECT_FALSE(chooseOfferedCommand(*window, id)) << id;
    }
    window->runCommand(cmd::HeatSheetPdf);
    window->runCommand(cmd::HeatSheetSpreadsheet);
    window->runCommand(2001);
    EXPECT_TRUE(files.saved.empty());
    EXPECT_FALSE(control->active());
    // What does not act on a heat stays as it was.
    EXPECT_TRUE(enabled(2003));
    EXPECT_TRUE(window->menus().action(cmd::NewRace)->isEnabled());

    window->tree().selectCode(13101);
    ASSERT_TRUE(control->session().showsHeat());
    for (int id : heatCommands)
        EXPECT_TRUE(enabled(id)) << id;
    // A new race shows no heat any more.
    prompts.answers = {Answer::No};
    window->runCommand(cmd::NewRace);
    ASSERT_FALSE(control->session().showsHeat());
    for (int id : heatCommands)
        EXPECT_FALSE(enabled(id)) << id;
}

TEST_F(HeatCommands, EffacerAsksWithNoAsItsDefault)
{
    window->tree().selectCode(13101);
    window->runCommand(2001);
    runFor(5100);
    ASSERT_TRUE(control->run().state().running);
    window->runCommand(2002);
    runFor(100);
    prompts.boxes.clear();
    prompts.answers = {Answer::No};
    window->runCommand(2003);
    ASSERT_EQ(prompts.boxes.size(), 1u);
    EXPECT_TRUE(prompts.boxes[0].question);
    EXPECT_TRUE(prompts.boxes[0].defaultNo);
}

TEST(Questions, TheDefaultButtonIsNonWhereOuiErases)
{
    QtPrompts prompts;
    QStringList defaults;
    QStringList buttons;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            defaults << box->defaultButton()->text();
            for (QAbstractButton* b : box->buttons())
                buttons << b->text();
            box->done(QMessageBox::No);
        }
    });
    watcher.start(0);
    EXPECT_EQ(prompts.askYesNoDefaultNo("Kestrametrix", "Effacer ?"), Answer::No);
    EXPECT_EQ(prompts.askYesNo("Attention", "Sauvegarder ?"), Answer::No);
    EXPECT_EQ(prompts.askYesNoCancel("Attention", "Sauvegarder ?"), Answer::No);
    EXPECT_EQ(defaults, (QStringList {"Non", "Oui", "Oui"}));
    EXPECT_TRUE(buttons.contains("Echap")) << buttons.join(", ").toStdString();
    EXPECT_FALSE(buttons.contains("Annuler"));
}

} // namespace
} // namespace ksy
