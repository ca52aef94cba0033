#pragma once
// The "Base de données" menu: each command opens its editor modally ("Ok"
// writes the file) and then reloads what the main window keeps of it.
#include "databases/database_files.h"
#include "services/file_chooser.h"
#include "services/prompts.h"
#include "storage/work_folder.h"

class QWidget;

namespace ksy {

// The menu's command ids.
enum DatabaseCommand : int {
    TrackDatabaseCommand = 1006,
    ClubDatabaseCommand = 1007,
    PilotDatabaseCommand = 1008,
    PackDatabaseCommand = 1009,
    FrequencyDatabaseCommand = 1010,
};

// Each runs its editor; true when it was closed with "Ok".
bool editCourseDatabase(
    QWidget* parent, const WorkFolder& folder, Prompts& prompts, FileChooser& files);
bool editClubDatabase(QWidget* parent, const WorkFolder& folder, Prompts& prompts);
bool editPilotDatabase(
    QWidget* parent, const WorkFolder& folder, Prompts& prompts, FileChooser& files);
bool editTransponderPackDatabase(QWidget* parent, const WorkFolder& folder, Prompts& prompts);
bool editFrequencyDatabase(QWidget* parent, const WorkFolder& folder, Prompts& prompts);

// Runs the command: the editor, then for 1006 the course table and for 1009
// the pack table of `databases` reloaded from their files ("Erreur:
// impossible d'ouvrir la base de données Parcours" / "... Transpondeurs" on
// failure). The caller then selects the race's track again by name after
// 1006. False for an id that is not one of these commands.
bool runDatabaseCommand(int command, QWidget* parent, const WorkFolder& folder, Prompts& prompts,
    FileChooser& files, MainDatabases& databases);

} // namespace ksy
