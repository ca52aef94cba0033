#pragma once
// Recovery after a crash. The program marks its working folder while it runs
// (the mark holds the race's file name) and clears the mark when it ends
// normally; a mark found at start-up means the previous run died. The race it
// was working on is then in the crash copy, and the heat it ran last has its
// passing journal: unfinished when the heat was armed or running, ended when
// it stopped but may not have been stored yet. The official is asked whether
// to take both back: the crash copy becomes the working race again under its
// file name, and the journal is replayed into its heat (unless that heat's
// result is already in the race), which is stored at once. The journal is
// then marked, so that no later start asks again.
#include "services/prompts.h"
#include "services/translate.h"
#include "storage/work_folder.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace ksy {

class HeatController;
class MainWindow;
class RaceControl;

inline constexpr std::string_view kRunningMarkFile = "Private/ProgrammeEnCours.txt";
inline constexpr const char* kRecoveryTitle = KSY_TRANSLATE_NOOP("Prompts", "Récupération");
inline constexpr const char* kRecoveryQuestion = KSY_TRANSLATE_NOOP("Prompts",
    "Le logiciel ne s'est pas fermé normalement lors de sa dernière utilisation.\n"
    "Souhaitez-vous récupérer la course en cours et les passages de la série interrompue?");
// Said when the journal's heat cannot be found in the race taken back; the
// journal is kept for kestrametrix-cli replay.
inline constexpr const char* kRecoveryHeatMissing = KSY_TRANSLATE_NOOP("Prompts",
    "La série du journal des passages n'est pas dans la course récupérée : ses passages "
    "restent dans Private/JournalPassages.txt (kestrametrix-cli replay).");
inline constexpr const char* kRecoveryPilotsDiffer = KSY_TRANSLATE_NOOP("Prompts",
    "Les pilotes du journal des passages ne sont plus ceux de sa série dans la course "
    "récupérée : ses passages restent dans Private/JournalPassages.txt (kestrametrix-cli "
    "replay).");

// Whether the previous run left its mark.
bool previousRunCrashed(const WorkFolder& folder);
// The race file name (UTF-8) that the previous run's mark holds; empty for a
// race that had none.
std::string markedRaceFileName(const WorkFolder& folder);
// Marks this run, with the race's file name (rewritten whenever it changes).
void markRunning(const WorkFolder& folder, const std::string& raceFileName = {});
void clearRunningMark(const WorkFolder& folder);

// What the passing journal says of its heat.
struct JournalState {
    bool started = false; // it holds actions or passings
    bool ended = false; // its heat stopped ("end" line)
    bool erased = false; // its results were erased with "Effacer" afterwards
    bool recovered = false; // a recovery already took it back or was declined
    int heatCode = 0; // the heat's race tree code; 0 when not written
};
JournalState readJournalState(const WorkFolder& folder);
JournalState readJournalState(const std::filesystem::path& journal);
// A journal of a heat that was armed or running when the program died, not
// yet taken back.
bool unfinishedJournal(const WorkFolder& folder);
// Marks the journal as dealt with by a recovery.
void markJournalRecovered(const WorkFolder& folder);
void markJournalRecovered(const std::filesystem::path& journal);

// Asks and recovers. crashCopyMade: the previous working race was just kept
// as the crash copy; raceFileName: the name it had (markedRaceFileName).
void offerRecovery(MainWindow& window, RaceControl& control, HeatController& heats,
    const WorkFolder& folder, Prompts& prompts, bool crashed, bool crashCopyMade,
    const std::string& raceFileName = {});

} // namespace ksy
