#pragma once
// The heat's result commands: "Résultats détaillés série" (6103),
// "Commentaire série" (6104), the "Imprimer" button of the result sheet
// (6000), its PDF (6105) and its spreadsheet (6106), and the pilot run analysis opened by a
// Ctrl-click on a board row.
#include "app/app_services.h"
#include "storage/work_folder.h"

namespace ksy {

class MainWindow;
class RaceControl;

void registerResultCommands(
    MainWindow& window, RaceControl& control, const WorkFolder& folder, AppServices services);

} // namespace ksy
