#pragma once
// Command 1054 "Liste participants" for the category selected in the race
// tree: the selection is written at the start of the working file (the
// dialog finds its category there), then the participants dialog runs. The
// caller then reads the race header and the participant names again and
// rebuilds the category's branches of the race tree.
#include "services/prompts.h"
#include "storage/work_folder.h"

class QWidget;

namespace ksy {

// Returns the category worked on, 0 when the selection names none or the
// file could not be written (its box is then shown and no dialog opens).
int runParticipantsCommand(
    QWidget* parent, const WorkFolder& folder, int selection, Prompts& prompts);

} // namespace ksy
