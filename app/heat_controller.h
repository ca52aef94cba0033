#pragma once
// The heat shown on the board follows the race tree: selecting a heat loads
// it (pilots seated by the grid, stored result, transponders, radio
// conflict); leaving it, saving, replacing the working file, expanding a
// category and closing store it first and update its tree image.
//
// A store that fails (a full disk) loses nothing: the heat stays in memory,
// the official is told that it is not stored yet, every later store tries it
// again first, and selecting it again shows it as it was. Saving refuses a
// race that lacks it, and a program that ends with it still unstored leaves
// its start mark, so that the next start recovers it from its journal
// (set aside as Private/JournalPassages-<code>.txt when another heat was shown).
#include "app/app_services.h"
#include "race/run_entry.h"
#include "services/translate.h"
#include "session/heat_session.h"

#include <vector>

namespace ksy {

class MainWindow;
class RaceControl;

// Said when a heat could not be written into the race file.
inline constexpr const char* kHeatNotStored = KSY_TRANSLATE_NOOP("Prompts",
    "Erreur: la série n'est pas encore enregistrée dans la course (impossible d'écrire le "
    "fichier Course, disque plein ?). Elle est gardée et sera enregistrée de nouveau au "
    "prochain enregistrement.");

class HeatController {
public:
    HeatController(MainWindow& window, RaceControl& control, AppServices services);
    // The window may outlive this object: its hooks are taken back.
    ~HeatController();
    HeatController(const HeatController&) = delete;
    HeatController& operator=(const HeatController&) = delete;

    void loadHeat(int selectionCode);
    // False while a heat (shown or left) is not in the race file.
    bool storeShownHeat();
    // After the store: no heat shown any more.
    void forgetHeat();
    bool hasUnstoredHeat() const { return !unstored_.empty(); }

private:
    // Writes the heats kept after a failed store; true when none is left.
    bool retryUnstored();
    // The journal of a heat whose store failed is set aside under its code
    // once another heat is shown, so that its "Départ" does not replace it;
    // taken back when the heat is shown again or stored.
    static std::filesystem::path keptJournal(const HeatSession& heat);
    static void setJournalAside(const HeatSession& heat);
    static void takeBackJournal(const HeatSession& heat, bool stored);

    struct Unstored {
        HeatSession session;
        RunEntryTable entries;
    };
    MainWindow& window_;
    RaceControl& control_;
    AppServices services_;
    std::vector<Unstored> unstored_;
};

} // namespace ksy
