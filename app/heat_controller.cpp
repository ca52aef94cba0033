#include "app/heat_controller.h"

#include "app/main_window.h"
#include "app/race_control.h"
#include "app/race_tree_view.h"

namespace ksy {

HeatController::HeatController(MainWindow& window, RaceControl& control, AppServices services)
    : window_(window)
    , control_(control)
    , services_(services)
{
    window_.onTreeSelection(TreeItemKind::Heat, [this](int code) { loadHeat(code); });
    window_.setHeatStorer([this] { storeShownHeat(); });
    window_.setBoardResetter([this] { forgetHeat(); });
}

HeatController::~HeatController()
{
    window_.onTreeSelection(TreeItemKind::Heat, [](int) {});
    window_.setHeatStorer([] {});
    window_.setBoardResetter([] {});
}

void HeatController::loadHeat(int selectionCode)
{
    if (control_.active())
        return;
    HeatSession& session = control_.session();
    const LoadedHeat h = session.load(window_.race(), selectionCode, control_.modes().mode(),
        window_.databases().courses, services_.prompts);
    HeatRun& run = control_.run();
    run.setOptions(h.options);
    control_.applyTrack();
    run.loadHeat(h.slots);
    control_.showHeat(h.radioConflict);
    window_.refreshCommands();
}

void HeatController::storeShownHeat()
{
    HeatSession& session = control_.session();
    if (!session.showsHeat())
        return;
    const HeatRun& run = control_.run();
    const HeatStoreOutcome o = session.storeShownHeat(
        window_.mutableRace(), run.entries(), run.state().heatDirty, services_.prompts);
    if (o.due)
        window_.tree().setImage(o.treeCode, o.treeImage);
}

void HeatController::forgetHeat()
{
    control_.clearBoard();
    window_.refreshCommands();
}

} // namespace ksy
