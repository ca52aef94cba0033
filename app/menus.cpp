#include "app/menus.h"

#include "app/resource_images.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>

namespace ksy {

MainMenus::MainMenus(
    QMenuBar* bar, const CommandRouter& router, const WorkFolder& folder, QWidget* owner)
    : QObject(owner)
    , router_(router)
{
    for (const MenuSpec& spec : menuBarSpec())
        fill(bar->addMenu(QCoreApplication::translate("Menus", spec.name.c_str())), spec, folder);
    for (ContextMenu which : {ContextMenu::Heat, ContextMenu::Track, ContextMenu::Category,
             ContextMenu::Participants, ContextMenu::RaceOptions, ContextMenu::HeatComposition}) {
        const MenuSpec& spec = contextMenuSpec(which);
        auto menu = std::make_unique<QMenu>();
        menu->setObjectName(QString::fromStdString(spec.name));
        fill(menu.get(), spec, folder);
        contexts_[which] = std::move(menu);
    }
}

MainMenus::~MainMenus() = default;

void MainMenus::fill(QMenu* menu, const MenuSpec& spec, const WorkFolder& folder)
{
    for (const MenuItemSpec& item : spec.items) {
        if (item.id == 0) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(QCoreApplication::translate("Menus", item.text.c_str()));
        action->setData(item.id);
        action->setObjectName(QStringLiteral("cmd%1").arg(item.id));
        if (item.bitmap != 0) {
            const auto file = folder.file(resourceImageFile(item.bitmap));
            const QString path = QString::fromStdString(file.string());
            if (QFileInfo::exists(path))
                action->setIcon(QIcon(path));
        }
        const int id = item.id;
        connect(action, &QAction::triggered, this, [this, id] { Q_EMIT commandChosen(id); });
        actions_[id] = action;
    }
}

QAction* MainMenus::action(int id) const
{
    const auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

QMenu* MainMenus::context(ContextMenu which) const
{
    const auto it = contexts_.find(which);
    return it == contexts_.end() ? nullptr : it->second.get();
}

void MainMenus::refresh(bool raceNamed, bool runActive)
{
    for (auto& [id, action] : actions_) {
        bool enabled = router_.has(id) && !(runActive && greyedWhileRunning(id));
        if (id == cmd::Save)
            enabled = enabled && raceNamed;
        action->setEnabled(enabled);
    }
}

} // namespace ksy
