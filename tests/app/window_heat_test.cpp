// What the window offers and shows around a heat: every command usable from
// the first frame, only what is shown can be chosen, no ghost heat after the
// tree is rebuilt, no run of a heat without pilot, the run's title, the rest
// in the strip, and a stored heat shown as it was.
#include "app/menus.h"
#include "app/offered_commands.h"
#include "app/race_tree_view.h"
#include "display/ui/board_widget.h"
#include "race/heat_plan.h"
#include "race_window_fixture.h"
#include "storage/encoding.h"
#include "storage/race_file.h"

#include <QLabel>

namespace ksy {
namespace {

std::optional<bool> offered(MainWindow& w, int id)
{
    for (const OfferedCommand& c : offeredCommands(w))
        if (c.id == id)
            return c.enabled;
    return std::nullopt;
}

class WindowHeat : public test::RaceWindowTest {
protected:
    void setSelection(int code)
    {
        RaceHeader header;
        ASSERT_TRUE(readRaceHeader(workingRaceFile(folder), header));
        header.selection = code;
        ASSERT_TRUE(writeRaceHeader(workingRaceFile(folder), header));
    }
    // Saves the working race as it stands and loads it back as a person would.
    void saveAndLoadBack()
    {
        const auto file = dir.path() / "essais.race";
        test::writeFile(file, test::readFile(workingRaceFile(folder)));
        files.choices = {std::string(file.string()), std::nullopt};
        window->runCommand(cmd::LoadRace);
    }
    const std::vector<BoardLine>& rows() { return control->board().inputs().rows; }
};

TEST_F(WindowHeat, LateCommandsAreUsableAtOnceAndOnlyWhatIsShownCanBeChosen)
{
    // Registered after everything else, as the program does, with no refresh.
    int participantLists = 0;
    window->commands().add(cmd::ParticipantList, [&] { ++participantLists; });
    for (int id : {1013, 1014, 1053, 1054, 1055, 1056})
        EXPECT_TRUE(window->menus().action(id)->isEnabled()) << id;

    // The tree's menu follows the selection; what it does not offer is refused.
    window->tree().selectCode(1000);
    EXPECT_EQ(offered(*window, 1053), true);
    EXPECT_EQ(offered(*window, 1054), std::nullopt);
    EXPECT_FALSE(chooseOfferedCommand(*window, 1054));
    window->tree().selectCode(11000);
    EXPECT_TRUE(chooseOfferedCommand(*window, 1054));
    EXPECT_EQ(participantLists, 1);
    EXPECT_EQ(offered(*window, 2105), false); // "Scan" is hidden outside "Mixte (scan)"

    // While a heat runs the greyed commands cannot be chosen.
    window->tree().selectCode(13101);
    ASSERT_TRUE(chooseOfferedCommand(*window, 2001));
    ASSERT_TRUE(control->active());
    EXPECT_FALSE(chooseOfferedCommand(*window, cmd::NewRace));
    EXPECT_FALSE(chooseOfferedCommand(*window, 1054));
    EXPECT_EQ(offered(*window, cmd::Help), true);
    EXPECT_TRUE(chooseOfferedCommand(*window, 2002));
    EXPECT_FALSE(control->active());
}

TEST_F(WindowHeat, ARebuiltTreeLoadsTheHeatItHighlightsOrHighlightsNone)
{
    setSelection(13101);
    saveAndLoadBack();
    EXPECT_EQ(window->tree().selectedCode(), 13101);
    ASSERT_TRUE(control->session().showsHeat());
    ASSERT_EQ(rows().size(), 2u);
    EXPECT_EQ(control->board().inputs().heatTitle, " Seniors - Manche1 - S\xC3\xA9rie1 ");

    // A participant would open its dialog when clicked: its category is
    // highlighted instead, and the board is as empty as at start-up.
    setSelection(11001);
    saveAndLoadBack();
    EXPECT_EQ(window->tree().selectedCode(), 10000);
    EXPECT_FALSE(control->session().showsHeat());
    EXPECT_TRUE(rows().empty());
    EXPECT_EQ(control->board().inputs().heatTitle, "");
    window->runCommand(2001);
    EXPECT_FALSE(control->active());
}

TEST_F(WindowHeat, AHeatWithoutPilotIsNotRunNorStored)
{
    HeatPlan plan;
    ASSERT_EQ(readHeatPlan(workingRaceFile(folder), 1, plan), HeatPlanRead::Ok);
    plan.at(2) = plan.at(0);
    plan.at(3) = plan.at(1);
    plan.at(0) = plan.at(1) = std::string(kEmptySlotName);
    ASSERT_EQ(writeHeatPlan(workingRaceFile(folder), 1, plan, false), RewriteResult::Written);
    window->tree().selectCode(13101);
    ASSERT_TRUE(control->session().showsHeat());
    prompts.boxes.clear();
    window->runCommand(2001);
    EXPECT_FALSE(control->active());
    ASSERT_EQ(prompts.boxes.size(), 1u);
    EXPECT_EQ(prompts.boxes[0].text, kHeatWithoutPilot);

    window->tree().selectCode(10000);
    HeatFlags flags;
    ASSERT_TRUE(readHeatFlags(workingRaceFile(folder), flags));
    EXPECT_EQ(flags.get(1, 1, 1), 0);
    EXPECT_EQ(window->race().category(1).resultsStored, 0);
}

TEST_F(WindowHeat, TheRunsTitleTheRestAndAStoredHeatLookAsTheyDid)
{
    window->resize(1600, 900);
    window->show();
    window->tree().selectCode(13101);
    RaceOptions options = control->run().options();
    options.restMinutes = 1;
    ASSERT_TRUE(control->run().setOptions(options));
    window->runCommand(2001);
    runFor(5100); // the countdown
    ASSERT_TRUE(control->run().state().running);
    const std::string title = control->run().texts().title;
    EXPECT_EQ(title.rfind("Dur\xE9"
                          "e ",
                  0),
        0u)
        << title;
    // The heat's name first, then the run's title.
    const std::string named = " Seniors - Manche1 - S\xC3\xA9rie1 - " + cp1252ToUtf8(title);
    EXPECT_EQ(control->board().inputs().heatTitle, named);
    EXPECT_EQ(control->board().inputs().heatDetails, cp1252ToUtf8(title));
    EXPECT_EQ(control->board().inputs().heatCategory, "Seniors");
    EXPECT_EQ(control->board().inputs().heatRoundAndHeat, "Manche1 - S\xC3\xA9rie1");

    // ALPHA laps 30 s then 25 s (a new best, the heat's); BRAVO 28 s then 29 s.
    for (const auto& [at, button] : std::vector<std::pair<int, int>> {{1000, 2201}, {1000, 2202},
             {28000, 2202}, {1000, 2201}, {25000, 2201}, {3000, 2202}}) {
        runFor(at);
        window->runCommand(button);
    }
    window->runCommand(2002);
    runFor(1500);
    EXPECT_EQ(control->board().inputs().heatTitle, named);
    auto* rest = window->findChild<QLabel*>("restDisplay");
    ASSERT_NE(rest, nullptr);
    EXPECT_TRUE(rest->isVisible());
    EXPECT_NE(rest->text().indexOf("avant départ"), -1) << rest->text().toStdString();
    EXPECT_FALSE(rest->geometry().intersects(window->tree().geometry()));
    EXPECT_FALSE(control->board().inputs().rest.shown);

    // Left, then selected again: flags and best-lap colours come back.
    window->tree().selectCode(10000);
    window->tree().selectCode(13101);
    ASSERT_EQ(rows().size(), 2u);
    EXPECT_EQ(control->board().inputs().heatTitle, named);
    for (const BoardLine& row : rows()) {
        EXPECT_TRUE(row.finished) << row.name;
        EXPECT_EQ(row.holdsHeatBest, row.name == "ALPHA") << row.name;
        EXPECT_EQ(row.newPersonalBest, row.name == "ALPHA") << row.name;
    }

    window->runCommand(2003); // "Effacer", confirmed
    EXPECT_TRUE(prompts.boxes.back().defaultNo);
    runFor(10);
    EXPECT_EQ(control->board().inputs().heatTitle, " Seniors - Manche1 - S\xC3\xA9rie1 ");
    EXPECT_EQ(control->board().inputs().heatDetails, "");
}

} // namespace
} // namespace ksy
