#include "app/recent_races_menu.h"

#include "app/race_file_commands.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace ksy {

RecentRacesMenu::RecentRacesMenu(QMenu* fileMenu, QAction* before,
    const std::filesystem::path& listFile, RaceFileCommands& raceFiles, QObject* parent)
    : QObject(parent)
    , races_(listFile)
    , raceFiles_(raceFiles)
{
    menu_ = new QMenu(QCoreApplication::translate("Menus", kRecentRacesMenu), fileMenu);
    menu_->setObjectName(QStringLiteral("recentRaces"));
    fileMenu->insertMenu(before, menu_);
    raceFiles_.setRaceFolder([this] { return folder(); });
    raceFiles_.setRaceFileListener([this](const std::string& file) {
        races_.add(file);
        rebuild();
    });
    rebuild();
}

std::string RecentRacesMenu::folder() const
{
    const std::string fallback = defaultFolder_.toStdString();
    const std::string newest = races_.folder(fallback);
    // A folder taken away since (a USB key) would leave the dialog nowhere.
    if (newest != fallback && !QFileInfo(QString::fromStdString(newest)).isDir())
        return fallback;
    if (!fallback.empty() && newest == fallback)
        QDir().mkpath(defaultFolder_);
    return newest;
}

void RecentRacesMenu::setEnabled(bool enabled)
{
    menu_->setEnabled(enabled && !races_.paths().empty());
}

void RecentRacesMenu::rebuild()
{
    // Not clear(): the action being triggered may be among them.
    for (QAction* old : menu_->actions()) {
        menu_->removeAction(old);
        old->deleteLater();
    }
    int n = 0;
    for (const std::string& path : races_.paths()) {
        const QString file = QString::fromStdString(path);
        QAction* a = menu_->addAction(
            QStringLiteral("&%1  %2").arg(++n).arg(QFileInfo(file).fileName()));
        a->setToolTip(file);
        a->setStatusTip(file);
        a->setObjectName(QStringLiteral("recent%1").arg(n));
        connect(a, &QAction::triggered, this, [this, path] {
            if (!QFileInfo::exists(QString::fromStdString(path))) {
                // Said by the load, then forgotten: it cannot be loaded again.
                raceFiles_.loadRaceFile(path);
                races_.remove(path);
                rebuild();
                return;
            }
            raceFiles_.loadRaceFile(path);
        });
    }
    menu_->setEnabled(!races_.paths().empty());
}

} // namespace ksy
