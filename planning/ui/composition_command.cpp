#include "planning/ui/composition_command.h"

#include "planning/ui/heat_composition_dialog.h"
#include "planning/ui/starting_grid_dialog.h"
#include "reports/ui/report_printer.h"
#include "storage/race_file.h"

namespace ksy {

int runHeatCompositionCommand(
    QWidget* parent, const WorkFolder& folder, int selection, Prompts& prompts, SoundPlayer& sounds)
{
    const int category = selection / 10000;
    if (category < 1 || category > kMaxCategories)
        return 0;
    const auto raceFile = workingRaceFile(folder);
    if (!writeRaceSelection(raceFile, selection)) {
        prompts.error(translate("Storage", kCannotOpenRaceFile.data()));
        return 0;
    }
    {
        HeatCompositionForm form(folder, category, prompts);
        HeatCompositionDialog dialog(
            form, folder, sounds,
            [parent, &folder](const ReportDocument& doc) { printReport(parent, doc, folder); },
            parent);
        dialog.exec();
    }
    // Whatever way the dialog closed, the grids follow when the category now
    // has rounds.
    RaceHeader header;
    if (readRaceHeader(raceFile, header) && header.categories.category(category).rounds >= 1) {
        StartingGridForm form(folder, category, prompts);
        StartingGridDialog dialog(form, parent);
        dialog.exec();
    }
    return category;
}

} // namespace ksy
