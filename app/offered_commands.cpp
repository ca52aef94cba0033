#include "app/offered_commands.h"

#include "app/main_window.h"
#include "app/menus.h"
#include "app/race_tree_view.h"

#include <QAbstractButton>
#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace ksy {
namespace {

// The race-control buttons, in the strip's order.
std::vector<int> stripButtons()
{
    std::vector<int> ids = {2001, 2002, 2003, 6101, 6000, 2101, 2102, 2103, 2105};
    for (int k = 1; k <= 20; ++k)
        ids.push_back(2200 + k);
    return ids;
}

QAbstractButton* usableButton(MainWindow& window, int id)
{
    return qobject_cast<QAbstractButton*>(window.control(id));
}

bool buttonEnabled(MainWindow& window, QAbstractButton* b)
{
    return b && b->isEnabled() && b->isVisibleTo(&window);
}

struct Entry {
    OfferedCommand command;
    QAction* action = nullptr;
    QAbstractButton* button = nullptr;
};

std::vector<Entry> entries(MainWindow& window)
{
    std::vector<Entry> out;
    MainWindow& w = window;
    MainMenus& menus = w.menus();
    const auto addMenu = [&](const MenuSpec& spec, bool reachable) {
        for (const MenuItemSpec& item : spec.items) {
            QAction* a = item.id != 0 ? menus.action(item.id) : nullptr;
            if (a)
                out.push_back(
                    {{item.id, reachable && a->isEnabled(), a->text().toStdString()}, a, nullptr});
        }
    };
    for (const MenuSpec& spec : menuBarSpec())
        addMenu(spec, true);
    // The tree's menu opens only on a tree that takes clicks.
    const ContextMenu treeMenu = window.treeContextMenuNow();
    if (treeMenu != ContextMenu::None)
        addMenu(contextMenuSpec(treeMenu), w.tree().isEnabled());
    QAbstractButton* results = usableButton(window, cmd::ResultsButton);
    addMenu(contextMenuSpec(ContextMenu::Heat), buttonEnabled(window, results));
    for (int id : stripButtons()) {
        QAbstractButton* b = usableButton(window, id);
        if (!b)
            continue;
        const QString text = b->text().isEmpty() ? b->accessibleName() : b->text();
        out.push_back({{id, buttonEnabled(window, b), text.toStdString()}, nullptr, b});
    }
    return out;
}

} // namespace

std::vector<OfferedCommand> offeredCommands(MainWindow& window)
{
    std::vector<OfferedCommand> out;
    for (const Entry& e : entries(window))
        out.push_back(e.command);
    return out;
}

bool chooseOfferedCommand(MainWindow& window, int id)
{
    for (const Entry& e : entries(window)) {
        if (e.command.id != id || !e.command.enabled)
            continue;
        if (e.action)
            e.action->trigger();
        else
            e.button->click();
        return true;
    }
    return false;
}

} // namespace ksy
