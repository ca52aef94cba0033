#pragma once
#include "app/app_services.h"
#include "app/command_router.h"
#include "app/race_file_commands.h"
#include "databases/database_files.h"
#include "display/display_settings.h"
#include "services/translate.h"
#include "storage/race_model.h"
#include "storage/race_tree.h"
#include "storage/work_folder.h"
#include "timing/sound_settings.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>

namespace ksy {

class MainMenus;
class RaceTreeView;
class RecentRacesMenu;
enum class ContextMenu;

inline constexpr const char* kImportantNoticeTitle =
    KSY_TRANSLATE_NOOP("Prompts", "Message Important");
inline constexpr const char* kImportantNotice = KSY_TRANSLATE_NOOP("Prompts",
    "Les impressions de documents avec les dernières versions de Windows 11 peuvent provoquer "
    "un bug entrainant la fermeture du logiciel.\nSi vous êtes sous W11, avant toute "
    "utilisation du logiciel, veuillez tester l'impression en imprimant au moins 2 documents "
    "consécutifs. Si ce bug apparait, pour pouvoir imprimer un document de course à partir du "
    "logiciel, il ne faudra pas l'imprimer directement, mais passer par une capture "
    "d'écran.\nNous travaillons actuellement à une résolution de ce problème.");
inline constexpr const char* kQuitQuestion = KSY_TRANSLATE_NOOP(
    "Prompts", "Vous voulez quitter!\nSouhaitez-vous sauvegarder la course en cours?");
inline constexpr const char* kCrashCopyFailed = KSY_TRANSLATE_NOOP("Prompts",
    "Erreur: impossible de copier la course précédente dans PcCrashRace.race.\nLa course "
    "précédente reste la course en cours; enregistrez-la sous un autre nom.");
inline constexpr const char* kCloseRefused = KSY_TRANSLATE_NOOP(
    "Prompts", "Un run ou un scan est en cours!\r\nVous ne pouvez pas fermer l'application !");

// The main window "Kestrametrix": the menus, the race tree, the race-control
// strip and the one 10 ms timer. Constructing it runs the creation steps
// (crash copy, new working race, databases and settings, tree, controls);
// the program then shows it, opens the decoder, starts the timer and shows
// the notice (app/main.cpp).
class MainWindow : public QMainWindow, private RaceFileView {
    Q_OBJECT
public:
    // screenSize: the size the child controls are laid out for.
    MainWindow(WorkFolder folder, AppServices services, QSize screenSize);
    ~MainWindow() override;

    // Start-up steps after the window is shown, in this order.
    void connectDecoder();
    void startTimer();
    void showImportantNotice();
    // Posts a close request once this many milliseconds have passed after the
    // timer started (scripts and tests).
    void setQuitAfter(int ms) { quitAfterMs_ = ms; }

    // --- Where later work plugs in ---
    CommandRouter& commands() { return router_; }
    // Called on every tick of the 10 ms timer with the clock's milliseconds.
    void setTickHandler(std::function<void(std::int64_t)> handler) { tick_ = std::move(handler); }
    // Called after every tick, outside it (the live results publish there).
    void setAfterTickHandler(std::function<void()> handler) { afterTick_ = std::move(handler); }
    // Whether a heat is armed or running or a scan is active: closing is then
    // refused and the menus are greyed.
    void setRunActiveQuery(std::function<bool()> query) { runActive_ = std::move(query); }
    // What selecting an item of this kind opens or loads.
    void onTreeSelection(TreeItemKind kind, std::function<void(int code)> handler);
    // Storing the heat shown on the board before it is left or saved.
    void setHeatStorer(std::function<bool()> storer) { storeHeat_ = std::move(storer); }
    // Clearing the board when no heat is shown any more.
    void setBoardResetter(std::function<void()> resetter) { resetBoard_ = std::move(resetter); }
    // Controls and menu items disabled for the moment (a heat or a scan runs).
    void setControlLock(std::function<bool(int id)> locked) { locked_ = std::move(locked); }
    // How "Aide" opens the guide (the desktop's viewer by default); false
    // when no viewer could show it.
    void setDocumentOpener(std::function<bool(const QString&)> opener)
    {
        openDocument_ = std::move(opener);
    }

    // Runs a command as the menus do, then refreshes the menu state.
    void runCommand(int id);
    // Greys and enables the menu items and buttons for the current state.
    void refreshCommands();

    // --- State, for the window's own parts and for tests ---
    const Race& race() const { return race_; }
    const MainDatabases& databases() const { return databases_; }
    const SoundSettings& soundSettings() const { return soundSettings_; }
    const DisplaySettings& displaySettings() const { return display_; }
    // The window's own parts update these in place.
    Race& mutableRace() { return race_; }
    MainDatabases& mutableDatabases() { return databases_; }
    DisplaySettings& mutableDisplaySettings() { return display_; }
    // "RéglagesSons.rg" read again (after "Sons").
    void reloadSoundSettings();
    // The window and tree colours after the display settings changed.
    void displaySettingsChanged() { applyDisplayColours(); }
    // The race read again from the working file and its tree rebuilt (after
    // the participants and the heat composition).
    void reloadRaceTree();
    QWidget* clientArea() const { return client_; }
    // Whether the start-up kept the previous working race as the crash copy.
    bool crashCopyMade() const { return crashCopyMade_; }
    // Whether the crash copy failed, so that the previous race is still the
    // working race.
    bool previousRaceKept() const { return previousRaceKept_; }
    // The end on a logout or a service stop: the shown heat stored, a named
    // race saved to its own file as the Yes answer to the save question would
    // (nobody is there to answer it; a race without a name stays in the
    // working race, where the next start keeps it as the crash copy), and the
    // closing files written as after "Quitter". The caller stops a running
    // heat first and then ends the event loop.
    void endWithoutQuestion();
    QSize screenSize() const { return screen_; }
    RaceFileCommands& raceFiles() { return raceFiles_; }
    MainMenus& menus() { return *menus_; }
    RecentRacesMenu& recentRaces() { return *recent_; }
    RaceTreeView& tree() { return *tree_; }
    QWidget* control(int id) const;
    // The context menu the selected tree item offers.
    ContextMenu treeContextMenuNow() const;
    std::int64_t ticks() const { return tickCount_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // RaceFileView
    void showTitle(const std::string& titleUtf8) override;
    void setSaveEnabled(bool enabled) override;
    void resetBoard() override;
    void rebuildTree() override;
    bool storeShownHeat() override;

    void createRace();
    void loadDatabasesAndSettings();
    void createChildControls(QSize screen);
    // Window background ("Fond logiciel") and tree background colours.
    void applyDisplayColours();
    void registerCommands();
    void placeTree();
    void onTick();
    // Every tree notification first re-reads the header and writes the
    // selection back; false when the file could not be read.
    bool treeNotification();
    // The header with the selection, written over the file that holds the
    // selection inFile; a failure is said once and the write retried by the
    // next selection or store.
    bool writeSelection(int inFile);
    void onCategoryRenamed(int code, const QString& text);
    void onSelectionChanged(int code);
    void addCategory();
    void openHelp();
    void showContextMenu(ContextMenu which, const QPoint& globalPos);
    void destroySequence();
    bool runActive() const { return runActive_ && runActive_(); }

    WorkFolder folder_;
    AppServices services_;
    Race race_;
    MainDatabases databases_;
    SoundSettings soundSettings_;
    DisplaySettings display_;
    // The display settings file in use: written back when the window goes.
    std::string displayFile_ = std::string(kDisplaySettingsFile);
    CommandRouter router_;
    RaceFileCommands raceFiles_;
    MainMenus* menus_ = nullptr;
    RecentRacesMenu* recent_ = nullptr;
    RaceTreeView* tree_ = nullptr;
    QWidget* client_ = nullptr;
    std::map<int, QWidget*> controls_;
    std::map<TreeItemKind, std::function<void(int)>> selectionHandlers_;
    std::function<void(std::int64_t)> tick_;
    std::function<void()> afterTick_;
    std::function<bool()> runActive_;
    std::function<bool()> storeHeat_;
    std::function<void()> resetBoard_;
    std::function<bool(int)> locked_;
    QSize screen_;
    bool crashCopyMade_ = false;
    bool headerUnwritten_ = false; // the disk refused the last selection
    bool headerWriteTold_ = false; // and that was said
    bool previousRaceKept_ = false;
    std::function<bool(const QString&)> openDocument_;
    QTimer timer_;
    QElapsedTimer sinceTimerStart_;
    std::optional<int> quitAfterMs_;
    bool quitPosted_ = false;
    bool inTick_ = false;
    bool destroyed_ = false;
    std::int64_t tickCount_ = 0;
};

} // namespace ksy
