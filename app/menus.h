#pragma once
#include "app/command_router.h"
#include "app/menu_table.h"
#include "storage/work_folder.h"

#include <QObject>
#include <map>
#include <memory>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace ksy {

// The Qt menus built from the menu table. Every action carries its command id
// (QAction::data and the object name "cmd<id>") and sends it to the router.
class MainMenus : public QObject {
    Q_OBJECT
public:
    MainMenus(QMenuBar* bar, const CommandRouter& router, const WorkFolder& folder, QWidget* owner);
    ~MainMenus() override;

    QAction* action(int id) const;
    QMenu* context(ContextMenu which) const;

    // Enabled = the command has a handler, is not greyed by a running heat or
    // scan, and, for "Enregistrer", the race has a file name.
    void refresh(bool raceNamed, bool runActive);

Q_SIGNALS:
    void commandChosen(int id);

private:
    void fill(QMenu* menu, const MenuSpec& spec, const WorkFolder& folder);

    const CommandRouter& router_;
    std::map<int, QAction*> actions_;
    std::map<ContextMenu, std::unique_ptr<QMenu>> contexts_;
};

} // namespace ksy
