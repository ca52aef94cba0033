#pragma once
// Command 1056 "Répartion des séries" for the category selected in the race
// tree: the selection is written at the start of the working file (the grid
// dialog finds its category there), the heat composition dialog runs, then,
// when the category has rounds once it is closed, the starting grids. The
// caller then reads the race header again and rebuilds the category's
// rounds, heats and rankings in the race tree.
#include "services/prompts.h"
#include "services/sound_player.h"
#include "storage/work_folder.h"

class QWidget;

namespace ksy {

// Returns the category worked on, 0 when the selection names none or the
// file could not be written (its box is then shown and no dialog opens).
int runHeatCompositionCommand(QWidget* parent, const WorkFolder& folder, int selection,
    Prompts& prompts, SoundPlayer& sounds);

} // namespace ksy
