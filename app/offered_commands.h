#pragma once
// What the window offers the person right now: the menu bar, the context menu
// of the selected tree item, the heat menu behind "Résultats" and the
// race-control buttons, each with its id, whether it can be chosen and its
// text. Scripts run only what is offered, as a person could.
#include <string>
#include <vector>

namespace ksy {

class MainWindow;

struct OfferedCommand {
    int id = 0;
    bool enabled = false;
    std::string text; // UTF-8
};

std::vector<OfferedCommand> offeredCommands(MainWindow& window);

// Runs `id` the way the person would (triggers its menu item or clicks its
// button); false, and nothing done, when the window shows it greyed or does
// not offer it at all.
bool chooseOfferedCommand(MainWindow& window, int id);

} // namespace ksy
