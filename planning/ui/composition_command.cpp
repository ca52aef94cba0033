#include "planning/ui/composition_command.h"

#include "planning/ui/starting_grid_dialog.h"
#include "storage/race_file.h"

namespace ksy {

int selectedCategory(const WorkFolder& folder)
{
    RaceHeader header;
    if (!readRaceHeader(workingRaceFile(folder), header))
        return 0;
    const int category = header.selection / 10000;
    return category >= 1 && category <= std::min(header.categories.count, kMaxCategories) ? category
                                                                                          : 0;
}

int runHeatCompositionCommand(QWidget* parent, const WorkFolder& folder, Prompts& prompts,
    SoundPlayer& sounds, const ReportPrinter& print)
{
    const int category = selectedCategory(folder);
    if (category == 0) {
        prompts.error(std::string(kCannotOpenRaceFile));
        return 0;
    }
    {
        HeatCompositionForm form(folder, category, prompts);
        HeatCompositionDialog dialog(form, folder, sounds, print, parent);
        dialog.exec();
    }
    // Whatever way the dialog closed, the grids follow when the category now
    // has rounds.
    RaceHeader header;
    if (readRaceHeader(workingRaceFile(folder), header) &&
        header.categories.category(category).rounds >= 1) {
        StartingGridForm form(folder, category, prompts);
        StartingGridDialog dialog(form, parent);
        dialog.exec();
    }
    return category;
}

} // namespace ksy
