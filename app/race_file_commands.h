#pragma once
// "Nouvelle course", "Charger une course", "Enregistrer", "Enregistrer sous..."
// and the save offered when quitting. The race lives in the working race file;
// saving copies it to the race's file name, loading copies a file over it.
// Plain C++: the window is reached through RaceFileView, the person through
// Prompts and FileChooser, so tests drive every path without a screen.
#include "services/file_chooser.h"
#include "services/prompts.h"
#include "services/translate.h"
#include "storage/race_model.h"
#include "storage/work_folder.h"

#include <functional>
#include <string>

namespace ksy {

// What the file commands change in the window.
class RaceFileView {
public:
    virtual ~RaceFileView() = default;
    virtual void showTitle(const std::string& titleUtf8) = 0;
    virtual void setSaveEnabled(bool enabled) = 0;
    // The board shows no heat and the heat run is back to its idle state.
    virtual void resetBoard() = 0;
    // The race model in memory was replaced (new or loaded): show its tree.
    virtual void rebuildTree() = 0;
    // Writes the heat shown on the board into the working file when it holds
    // results, as leaving it in the tree would; false while a heat could not
    // be written there (the race saved now would lack it).
    virtual bool storeShownHeat() = 0;
};

inline constexpr const char* kNewRaceQuestion = KSY_TRANSLATE_NOOP("Prompts",
    "Vous voulez commencer une nouvelle course!\nSouhaitez-vous sauvegarder la course en cours?");
inline constexpr const char* kLoadRaceQuestion =
    KSY_TRANSLATE_NOOP("Prompts", "Souhaitez-vous sauvegarder la course en cours?");
inline constexpr const char* kQuestionTitle = KSY_TRANSLATE_NOOP("Prompts", "Attention");
// A save refused since a heat could not be written into the working race.
inline constexpr const char* kSaveLacksHeat = KSY_TRANSLATE_NOOP("Prompts",
    "Erreur: la course n'est pas enregistrée, car une série n'a pas pu y être écrite. "
    "Libérez de la place sur le disque puis enregistrez de nouveau.");

class RaceFileCommands {
public:
    RaceFileCommands(
        WorkFolder folder, Race& race, Prompts& prompts, FileChooser& files, RaceFileView& view);

    void newRace(); // 1001
    void loadRace(); // 1002
    // "Charger une course" of a file already chosen (a recent race).
    void loadRaceFile(const std::string& chosenUtf8);
    void save(); // 1003: only for a named race
    // 1004; false when the copy failed (a cancelled dialog is not a failure).
    bool saveAs();
    // The Yes answer of the quit question: "Enregistrer" for a named race,
    // "Enregistrer sous..." otherwise. False when the copy failed (a
    // cancelled dialog is not a failure).
    bool saveBeforeQuit();

    // Full path of the race's file (UTF-8); empty for a new race.
    const std::string& fileName() const { return fileName_; }
    bool named() const { return !fileName_.empty(); }
    // The name of a race taken back after a crash: titled and saved as before.
    void restoreName(const std::string& fileName) { setName(fileName); }
    // Told of every new name (empty for a new race), so that a crash can be
    // recovered under the same name.
    void setNameListener(std::function<void(const std::string&)> listener)
    {
        nameListener_ = std::move(listener);
    }

    // Where the load and save dialogs open (the working folder when unset).
    void setRaceFolder(std::function<std::string()> folder) { raceFolder_ = std::move(folder); }
    // Told of every file the race was saved to or loaded from.
    void setRaceFileListener(std::function<void(const std::string&)> listener)
    {
        fileListener_ = std::move(listener);
    }
    // The working race is still the new empty race of a start or of
    // "Nouvelle course", never saved.
    bool untouchedNewRace() const;

    static FileFilter raceFilter()
    {
        return {KSY_TRANSLATE_NOOP("FileFilters", "Fichier course (.race)"), "*.race"};
    }
    // What the save dialog starts with: the races' folder and "*.race".
    std::string savePreset() const;

private:
    // What the redo log of the race replaced had to say, once.
    void sayRedoLogDropped();
    // The save offered before the race is replaced. False when a copy failed:
    // the race must then not be replaced, it would be lost.
    bool saveBeforeReplacing();
    bool copyTo(const std::string& fileName);
    std::string raceFolder() const;
    void told(const std::string& fileName) const;
    void setName(const std::string& fileName);

    WorkFolder folder_;
    Race& race_;
    Prompts& prompts_;
    FileChooser& files_;
    RaceFileView& view_;
    std::string fileName_;
    std::function<void(const std::string&)> nameListener_;
    std::function<std::string()> raceFolder_;
    std::function<void(const std::string&)> fileListener_;
};

} // namespace ksy
