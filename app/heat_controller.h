#pragma once
// The heat shown on the board follows the race tree: selecting a heat loads
// it (pilots seated by the grid, stored result, transponders, radio
// conflict); leaving it, saving, replacing the working file, expanding a
// category and closing store it first and update its tree image.
#include "app/app_services.h"

namespace ksy {

class MainWindow;
class RaceControl;

class HeatController {
public:
    HeatController(MainWindow& window, RaceControl& control, AppServices services);
    // The window may outlive this object: its hooks are taken back.
    ~HeatController();
    HeatController(const HeatController&) = delete;
    HeatController& operator=(const HeatController&) = delete;

    void loadHeat(int selectionCode);
    void storeShownHeat();
    // After the store: no heat shown any more.
    void forgetHeat();

private:
    MainWindow& window_;
    RaceControl& control_;
    AppServices services_;
};

} // namespace ksy
