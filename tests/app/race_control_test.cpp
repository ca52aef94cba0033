// A heat run in the main window on the numbered buttons: loading from the
// tree, the strip's greying while it runs, the refused close, the board fed
// from the run, and the store when the heat is left.
#include "app/demo_race.h"
#include "app/dialog_commands.h"
#include "app/heat_controller.h"
#include "app/menus.h"
#include "app/race_control.h"
#include "app/race_tree_view.h"
#include "display/ui/board_widget.h"
#include "storage/race_file.h"
#include "race_window_fixture.h"

#include <QAbstractButton>
#include <QAction>

namespace ksy {
namespace {

class RaceControlTest : public test::RaceWindowTest {
protected:
    RaceControlTest() { window->refreshCommands(); }
};

TEST_F(RaceControlTest, AHeatRunOnTheButtonsGreysTheWindowAndIsStoredWhenLeft)
{
    window->tree().selectCode(13101);
    ASSERT_TRUE(control->session().showsHeat());
    EXPECT_EQ(control->run().entries().slot(1).pilotName, "ALPHA");
    EXPECT_EQ(control->board().inputs().heatTitle, " Seniors - Manche1 - S\xC3\xA9rie1 ");
    ASSERT_EQ(control->board().inputs().rows.size(), 2u);

    // The dialogs of the race are offered until the heat starts.
    for (int id : {1013, 1014, 1053, 1055, 1056})
        EXPECT_TRUE(window->menus().action(id)->isEnabled()) << id;
    for (int id : {6103, 6104})
        EXPECT_FALSE(window->menus().action(id)->isEnabled()) << id;

    window->runCommand(2001);
    ASSERT_TRUE(control->active());
    for (int id : {1013, 1014, 6102})
        EXPECT_FALSE(window->menus().action(id)->isEnabled()) << id;
    for (int id : {2001, 2003, 2101, 2104, 6000})
        EXPECT_FALSE(window->control(id)->isEnabled()) << id;
    EXPECT_TRUE(window->control(2002)->isEnabled());
    EXPECT_TRUE(window->control(2201)->isEnabled());
    EXPECT_FALSE(window->menus().action(1001)->isEnabled());
    EXPECT_FALSE(window->tree().isEnabled());
    EXPECT_FALSE(window->close());
    EXPECT_EQ(prompts.texts().back(), kCloseRefused);

    runFor(8000); // countdown, then the heat runs
    ASSERT_TRUE(control->run().state().running);
    const std::string clockBefore = control->board().inputs().elapsedText;
    window->runCommand(2201);
    runFor(3000);
    window->runCommand(2201);
    window->runCommand(2202);
    runFor(10);
    EXPECT_NE(control->board().inputs().elapsedText, clockBefore);
    EXPECT_EQ(control->board().inputs().rows[0].name, "ALPHA");
    EXPECT_EQ(control->board().inputs().rows[0].passingCount, "2");

    window->runCommand(2002);
    runFor(10);
    EXPECT_FALSE(control->active());
    EXPECT_TRUE(window->control(2003)->isEnabled());
    EXPECT_TRUE(window->tree().isEnabled());

    // Leaving the heat stores it: its flag, its category's results flag.
    window->tree().selectCode(10000);
    HeatFlags flags;
    ASSERT_TRUE(readHeatFlags(workingRaceFile(folder), flags));
    EXPECT_EQ(flags.get(1, 1, 1), 1);
    EXPECT_EQ(window->race().category(1).resultsStored, 1);

    // Loaded again, the stored result is back and the heat is not ready.
    window->tree().selectCode(13101);
    EXPECT_EQ(control->run().entries().slot(1).passingCount, 2);
    window->runCommand(2001);
    EXPECT_FALSE(control->active());
}

TEST_F(RaceControlTest, ResultEditingChangesThePilotsValueAndEndsWithTheModeRadios)
{
    window->tree().selectCode(13101);
    window->runCommand(2001);
    runFor(8000);
    window->runCommand(2201);
    window->runCommand(2002);
    runFor(10);

    window->runCommand(6102);
    EXPECT_TRUE(control->board().resultEditing());
    Q_EMIT control->board().resultCellClicked(0, EditedValue::Laps);
    EXPECT_TRUE(control->board().fieldsOpen());
    EXPECT_EQ(sounds.played.back().file, "sons/beep1.wav");
    Q_EMIT control->board().resultEdited(0, EditedValue::Laps, 5);
    EXPECT_EQ(control->run().entries().slot(1).passingCount, 5);
    EXPECT_FALSE(control->run().state().ready);

    static_cast<QAbstractButton*>(window->control(2102))->click();
    EXPECT_FALSE(control->board().resultEditing());
    EXPECT_FALSE(window->control(2104)->isHidden());
    EXPECT_EQ(control->modes().mode(), TransponderMode::Club);
}

} // namespace
} // namespace ksy
