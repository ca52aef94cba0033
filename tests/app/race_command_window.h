#pragma once
// The main window on a race of three pilots in two rounds of two heats, every
// command registered as the program does: the window the dialog walks open
// each dialog from.
#include "app/dialog_commands.h"
#include "app/heat_controller.h"
#include "app/race_control.h"
#include "app/result_commands.h"
#include "planning/ui/duration_calculator_dialog.h"
#include "planning/ui/participants_command.h"
#include "app/demo_race.h"
#include "window_fixture.h"

#include <QGuiApplication>
#include <QScreen>

namespace ksy::test {

class RaceCommandWindow : public WindowTest {
public:
    RaceCommandWindow()
        : WindowTest(QGuiApplication::primaryScreen()->size())
    {
        RaceSpec spec;
        spec.raceName = "Championnat de France";
        spec.trackName = "Plage de la Baie";
        spec.pilots = {{"ALPHA", "000701"}, {"BRAVO", "000702"}, {"CHARLIE", "000703"}};
        spec.categories = {{"Classe 5 Standart", {"ALPHA", "BRAVO", "CHARLIE"}, 2, 2, {"B"}}};
        EXPECT_TRUE(buildRace(folder, spec, prompts));
        window->reloadRaceTree();
        const AppServices services {clock, prompts, sounds, files};
        control = std::make_unique<RaceControl>(*window, folder, services, nullptr);
        heats = std::make_unique<HeatController>(*window, *control, services);
        registerDialogCommands(*window, *control, *heats, folder, services);
        registerResultCommands(*window, *control, folder, services);
        window->commands().add(
            cmd::DurationCalculator, [this] { DurationCalculatorDialog::run(window.get(), calc); });
        window->commands().add(cmd::ParticipantList, [this] {
            runParticipantsCommand(window.get(), folder, window->race().header.selection, prompts);
        });
    }
    void TestBody() override { }
    using WindowTest::clock;
    using WindowTest::folder;
    using WindowTest::prompts;
    using WindowTest::window;

    DurationCalculation calc;
    std::unique_ptr<RaceControl> control;
    std::unique_ptr<HeatController> heats;
};

} // namespace ksy::test
