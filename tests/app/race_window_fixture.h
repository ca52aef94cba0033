#pragma once
// The main window wired as the program wires it (heat run, heat loading,
// dialog commands, all registered after the window exists), on a small race
// of two pilots in heats of two.
#include "app/demo_race.h"
#include "app/dialog_commands.h"
#include "app/heat_controller.h"
#include "app/race_control.h"
#include "window_fixture.h"

namespace ksy::test {

class RaceWindowTest : public WindowTest {
protected:
    explicit RaceWindowTest(QSize screen = QSize(1600, 900))
        : WindowTest(screen)
    {
        RaceSpec spec;
        spec.raceName = "Essais";
        spec.trackName = "Plage";
        spec.pilots = {{"ALPHA", "000701"}, {"BRAVO", "000702"}};
        spec.categories = {{"Seniors", {"ALPHA", "BRAVO"}, 2, 1, {}}};
        EXPECT_TRUE(buildRace(folder, spec, prompts));
        const AppServices services {clock, prompts, sounds, files};
        control = std::make_unique<RaceControl>(*window, folder, services, nullptr);
        heats = std::make_unique<HeatController>(*window, *control, services);
        registerDialogCommands(*window, *control, *heats, folder, services);
        window->reloadRaceTree();
    }

    // Ticks as the window's timer would, for ms milliseconds.
    void runFor(int ms)
    {
        for (int t = 0; t < ms; t += 10) {
            clock.advance(10);
            control->tick(clock.milliseconds());
        }
    }

    std::unique_ptr<RaceControl> control;
    std::unique_ptr<HeatController> heats;
};

} // namespace ksy::test
