#pragma once
// "Fichier" > "Courses récentes": the last five races saved or loaded, each
// loaded as "Charger une course" would load it once chosen.
#include "app/recent_races.h"
#include "services/translate.h"

#include <QObject>
#include <QString>

class QMenu;
class QAction;

namespace ksy {

class RaceFileCommands;

inline constexpr const char* kRecentRacesMenu = KSY_TRANSLATE_NOOP("Menus", "Courses récentes");

class RecentRacesMenu : public QObject {
public:
    // Put into fileMenu before `before`; it tells raceFiles where races are
    // kept and hears of every race saved or loaded.
    RecentRacesMenu(QMenu* fileMenu, QAction* before, const std::filesystem::path& listFile,
        RaceFileCommands& raceFiles, QObject* parent);

    // Where the dialogs open when no race was saved yet.
    void setDefaultFolder(const QString& folder) { defaultFolder_ = folder; }
    QMenu* menu() const { return menu_; }
    const RecentRaces& races() const { return races_; }
    void setEnabled(bool enabled);

private:
    void rebuild();
    std::string folder() const;

    RecentRaces races_;
    RaceFileCommands& raceFiles_;
    QMenu* menu_ = nullptr;
    QString defaultFolder_;
};

} // namespace ksy
