#include "databases/ui/database_editors.h"

#include "databases/editors/club_editor.h"
#include "databases/editors/course_editor.h"
#include "databases/editors/frequency_editor.h"
#include "databases/editors/pilot_editor.h"
#include "databases/ui/list_editor_dialog.h"
#include "databases/ui/transponder_pack_dialog.h"

namespace ksy {
namespace {

// The club and frequency editors choose no file; they never use this one.
class NoFileChooser : public FileChooser {
public:
    std::optional<std::string> openFile(const std::string&, const FileFilter&) override
    {
        return std::nullopt;
    }
    std::optional<std::string> saveFile(const std::string&, const FileFilter&) override
    {
        return std::nullopt;
    }
};

template <typename Editor>
bool runList(QWidget* parent, const WorkFolder& folder, Prompts& prompts, FileChooser& files)
{
    ListEditorDialog dialog(
        std::make_unique<Editor>(Editor::open(folder, prompts)), folder, prompts, files, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

bool editCourseDatabase(
    QWidget* parent, const WorkFolder& folder, Prompts& prompts, FileChooser& files)
{
    return runList<CourseEditor>(parent, folder, prompts, files);
}

bool editClubDatabase(QWidget* parent, const WorkFolder& folder, Prompts& prompts)
{
    NoFileChooser none;
    return runList<ClubEditor>(parent, folder, prompts, none);
}

bool editPilotDatabase(
    QWidget* parent, const WorkFolder& folder, Prompts& prompts, FileChooser& files)
{
    return runList<PilotEditor>(parent, folder, prompts, files);
}

bool editTransponderPackDatabase(QWidget* parent, const WorkFolder& folder, Prompts& prompts)
{
    TransponderPackDialog dialog(
        TransponderPackEditor::open(folder, prompts), folder, prompts, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool editFrequencyDatabase(QWidget* parent, const WorkFolder& folder, Prompts& prompts)
{
    NoFileChooser none;
    return runList<FrequencyEditor>(parent, folder, prompts, none);
}

bool runDatabaseCommand(int command, QWidget* parent, const WorkFolder& folder, Prompts& prompts,
    FileChooser& files, MainDatabases& databases)
{
    switch (command) {
    case TrackDatabaseCommand:
        editCourseDatabase(parent, folder, prompts, files);
        loadCourseDatabase(folder, prompts, databases.courses);
        return true;
    case ClubDatabaseCommand:
        editClubDatabase(parent, folder, prompts);
        return true;
    case PilotDatabaseCommand:
        editPilotDatabase(parent, folder, prompts, files);
        return true;
    case PackDatabaseCommand:
        editTransponderPackDatabase(parent, folder, prompts);
        loadTransponderPackDatabase(folder, prompts, databases.packs);
        return true;
    case FrequencyDatabaseCommand:
        editFrequencyDatabase(parent, folder, prompts);
        return true;
    }
    return false;
}

} // namespace ksy
