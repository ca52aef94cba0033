#pragma once
// Recovery after a crash. The program marks its working folder while it runs
// and clears the mark when it ends normally; a mark found at start-up means
// the previous run died. The race it was working on is then in the crash
// copy, and a heat that was armed or running has an unfinished passing
// journal. The official is asked whether to take both back: the crash copy
// becomes the working race again and the journal is replayed into its heat,
// which is then stored like any heat when it is left.
#include "services/prompts.h"
#include "storage/work_folder.h"

#include <string_view>

namespace ksy {

class HeatController;
class MainWindow;
class RaceControl;

inline constexpr std::string_view kRunningMarkFile = "Private/ProgrammeEnCours.txt";
inline constexpr const char* kRecoveryTitle = "Récupération";
inline constexpr const char* kRecoveryQuestion =
    "Le logiciel ne s'est pas fermé normalement lors de sa dernière utilisation.\n"
    "Souhaitez-vous récupérer la course en cours et les passages de la série interrompue?";
inline constexpr const char* kRecoveryHeatMismatch =
    "Erreur: les passages enregistrés ne correspondent pas à la série de la course récupérée";

// Whether the previous run left its mark; then marks this run.
bool previousRunCrashed(const WorkFolder& folder);
void markRunning(const WorkFolder& folder);
void clearRunningMark(const WorkFolder& folder);

// A journal of a heat that was armed or running when the program died.
bool unfinishedJournal(const WorkFolder& folder);


// Asks and recovers. crashCopyMade: the previous working race was just kept
// as the crash copy.
void offerRecovery(MainWindow& window, RaceControl& control, HeatController& heats,
    const WorkFolder& folder, Prompts& prompts, bool crashed, bool crashCopyMade);

} // namespace ksy
