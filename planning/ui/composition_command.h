#pragma once
// Command 1056 "Répartion des séries" for the category selected in the race
// tree: the heat composition dialog, then, when the category has rounds
// once it is closed, the starting grids. The caller then reads the race
// header again and rebuilds the category's rounds, heats and rankings in the
// race tree.
#include "planning/ui/heat_composition_dialog.h"
#include "services/prompts.h"
#include "services/sound_player.h"
#include "storage/work_folder.h"

class QWidget;

namespace ksy {

// The category the command works on: the header's selection / 10000, or 0
// when the file cannot be read or names no category of the race.
int selectedCategory(const WorkFolder& folder);

// Runs the two dialogs modally over parent. Returns the category worked on
// (0 when there was none, and nothing was shown).
int runHeatCompositionCommand(QWidget* parent, const WorkFolder& folder, Prompts& prompts,
    SoundPlayer& sounds, const ReportPrinter& print);

} // namespace ksy
