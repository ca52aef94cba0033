#include "app/heat_controller.h"

#include "app/main_window.h"
#include "app/race_control.h"
#include "app/race_tree_view.h"
#include "app/recovery.h"
#include "timing/heat_journal.h"

#include <algorithm>
#include <vector>

namespace ksy {
namespace {

// Keeps the store's own boxes, so that a heat that could not be stored is
// said once, in its own words; questions still reach the official.
class HeldPrompts : public Prompts {
public:
    explicit HeldPrompts(Prompts& shown)
        : shown_(shown)
    {
    }
    void message(const std::string& title, const std::string& text, PromptIcon icon) override
    {
        held_.push_back({title, text, icon});
    }
    Answer askYesNoCancel(const std::string& title, const std::string& text) override
    {
        return shown_.askYesNoCancel(title, text);
    }
    Answer askYesNo(const std::string& title, const std::string& text) override
    {
        return shown_.askYesNo(title, text);
    }
    void release()
    {
        for (const Held& h : held_)
            shown_.message(h.title, h.text, h.icon);
        held_.clear();
    }

private:
    struct Held {
        std::string title;
        std::string text;
        PromptIcon icon;
    };
    Prompts& shown_;
    std::vector<Held> held_;
};

} // namespace

HeatController::HeatController(MainWindow& window, RaceControl& control, AppServices services)
    : window_(window)
    , control_(control)
    , services_(services)
{
    window_.onTreeSelection(TreeItemKind::Heat, [this](int code) { loadHeat(code); });
    window_.setHeatStorer([this] { return storeShownHeat(); });
    window_.setBoardResetter([this] { forgetHeat(); });
}

HeatController::~HeatController()
{
    window_.onTreeSelection(TreeItemKind::Heat, [](int) {});
    window_.setHeatStorer([] { return true; });
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
    // The file lacks the heat that could not be stored: memory shows it.
    const auto kept = std::find_if(unstored_.begin(), unstored_.end(),
        [&](const Unstored& u) { return heatSelectionCode(u.session.heat()) == selectionCode; });
    if (kept != unstored_.end()) {
        session = kept->session;
        run.loadHeat(kept->entries);
        takeBackJournal(kept->session, false);
    } else {
        // Another heat may be run now: its "Départ" must not replace the
        // journal of a heat the disk has not taken yet.
        for (const Unstored& u : unstored_)
            setJournalAside(u.session);
        run.loadHeat(h.slots);
    }
    control_.showHeat(h.radioConflict);
    window_.refreshCommands();
}

std::filesystem::path HeatController::keptJournal(const HeatSession& heat)
{
    return heat.folder().file(
        "Private/JournalPassages-" + std::to_string(heatSelectionCode(heat.heat())) + ".txt");
}

void HeatController::setJournalAside(const HeatSession& heat)
{
    if (readJournalState(heat.folder()).heatCode != heatSelectionCode(heat.heat()))
        return;
    // A rename needs no room on the disk.
    std::error_code ec;
    std::filesystem::rename(heat.folder().file(kHeatJournalFile), keptJournal(heat), ec);
}

void HeatController::takeBackJournal(const HeatSession& heat, bool stored)
{
    // Its journal is the last one again unless a later heat has one; once
    // the heat is stored, a copy set aside is of no more use.
    std::error_code ec;
    if (!std::filesystem::exists(heat.folder().file(kHeatJournalFile), ec))
        std::filesystem::rename(keptJournal(heat), heat.folder().file(kHeatJournalFile), ec);
    else if (stored)
        std::filesystem::remove(keptJournal(heat), ec);
}

bool HeatController::retryUnstored()
{
    std::vector<Unstored> left;
    for (Unstored& u : unstored_) {
        // Already said when it failed: a retry that fails again says nothing.
        HeldPrompts quiet(services_.prompts);
        const HeatStoreOutcome o =
            u.session.storeShownHeat(window_.mutableRace(), u.entries, true, quiet);
        if (o.due && !o.complete) {
            left.push_back(std::move(u));
            continue;
        }
        if (o.due)
            window_.tree().setImage(o.treeCode, o.treeImage);
        takeBackJournal(u.session, true);
    }
    unstored_ = std::move(left);
    return unstored_.empty();
}

bool HeatController::storeShownHeat()
{
    HeatSession& session = control_.session();
    // The heat shown again is newer than what was kept of it; its failure
    // was said already.
    const bool told = std::erase_if(unstored_, [&](const Unstored& u) {
        return session.showsHeat() && u.session.heat() == session.heat();
    }) > 0;
    const bool earlierStored = retryUnstored();
    if (!session.showsHeat())
        return earlierStored;
    const HeatRun& run = control_.run();
    HeldPrompts held(services_.prompts);
    const HeatStoreOutcome o =
        session.storeShownHeat(window_.mutableRace(), run.entries(), run.state().heatDirty, held);
    if (o.due)
        window_.tree().setImage(o.treeCode, o.treeImage);
    if (o.due && !o.complete) {
        unstored_.push_back({session, run.entries()});
        if (!told)
            services_.prompts.error(kHeatNotStored);
        return false;
    }
    held.release();
    if (told)
        takeBackJournal(session, true);
    return earlierStored;
}

void HeatController::forgetHeat()
{
    control_.clearBoard();
    window_.refreshCommands();
}

} // namespace ksy
