#include "planning/ui/participants_command.h"

#include "planning/ui/participants_dialog.h"
#include "storage/race_file.h"

namespace ksy {

int runParticipantsCommand(
    QWidget* parent, const WorkFolder& folder, int selection, Prompts& prompts)
{
    const int category = selection / 10000;
    if (category < 1 || category > kMaxCategories)
        return 0;
    if (!writeRaceSelection(workingRaceFile(folder), selection)) {
        prompts.error(translate("Storage", kCannotOpenRaceFile.data()));
        return 0;
    }
    ParticipantsDialog::edit(parent, folder, category, prompts);
    return category;
}

} // namespace ksy
