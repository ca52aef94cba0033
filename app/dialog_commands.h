#pragma once
// The menu commands that open the race's dialogs, each followed by what the
// window must read again afterwards.
#include "app/app_services.h"
#include "storage/work_folder.h"

namespace ksy {

class HeatController;
class MainWindow;
class RaceControl;

void registerDialogCommands(MainWindow& window, RaceControl& control, HeatController& heats,
    const WorkFolder& folder, AppServices services);

} // namespace ksy
