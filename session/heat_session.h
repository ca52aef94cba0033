#pragma once
// The heat shown on the live board, between the race tree and the race file:
// loading a heat when its tree item is selected (pilots seated by the round's
// starting grid, stored result read back, transponders assigned by the mode,
// radio conflict), and storing it when it is left, before every save and
// before any command that replaces the working race file.
//
// Main window:
//   selection leaving a heat, before every save, before "Nouvelle course" and
//   "Charger une course", on expanding a category, at closing:
//       HeatStoreOutcome o = session.storeShownHeat(race, run.entries(),
//                                                   run.state().heatDirty, prompts);
//       if (o.due) set the image of tree item o.treeCode to o.treeImage
//   heat item selected:
//       LoadedHeat h = session.load(race, code, modes.mode(), databases.courses, prompts);
//       run.setOptions(h.options); run.loadHeat(h.slots);
//       board title session.headings().board, " Conflit Radio " when h.radioConflict
//   category expanded (after the store), race created or loaded: session.forget()
//   heat run listener: HeatDescriptionFollower (description of the start, "." on erase)
#include "databases/records.h"
#include "race/heat_plan.h"
#include "race/participants.h"
#include "race/race_options.h"
#include "race/run_entry.h"
#include "results/heat_result_section.h"
#include "services/prompts.h"
#include "storage/race_model.h"
#include "storage/work_folder.h"
#include "timing/heat_run.h"
#include "timing/transponder_modes.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ksy {

// Said when a heat's section cannot be read as a heat (edited by hand, cut,
// binary bytes): the heat is shown empty and its section left untouched.
std::string heatDamagedText(std::string_view sectionTitle, std::string_view fault);

// A heat of the race, all numbers from 1.
struct HeatId {
    int category = 0;
    int round = 0;
    int heat = 0;
    bool operator==(const HeatId&) const = default;
};

// The heat a tree item stands for; nothing for any other item.
std::optional<HeatId> heatOfSelection(int selectionCode);
// The tree item of a heat: 10000 x C + 3000 + 100 x R + H.
int heatSelectionCode(const HeatId& heat);

// The heat's texts for the board and the printed reports (Windows-1252).
struct HeatHeadings {
    std::string board; // " %s - Manche%d - Série%d ": category name, round, heat
    std::string category; // "CATEGORIE : %s"
    std::string roundAndHeat; // "Manche%d - Série%d"
    std::string course; // "Course : %s - %s": track name, city or beach

    bool operator==(const HeatHeadings&) const = default;
};
HeatHeadings makeHeatHeadings(std::string_view categoryName, const HeatId& heat,
    std::string_view trackName, std::string_view trackPlace);

// What the board and the heat run get from a load.
struct LoadedHeat {
    RunEntryTable slots; // for HeatRun::loadHeat
    RaceOptions options = RaceOptions{}; // for HeatRun::setOptions
    bool radioConflict = false; // " Conflit Radio " on the board
    bool opened = true; // false: the race file could not be opened (its box was shown)
};

struct HeatStoreOutcome {
    bool due = false; // the shown heat had something to store
    bool written = false; // its section was written
    bool complete = false; // and everything that goes with it (flags, header)
    int treeCode = 0; // the heat's tree item, when due
    int treeImage = 0; // treeimage::HeatWithResults or treeimage::Heat, when due
};

class HeatSession {
public:
    explicit HeatSession(WorkFolder folder);

    // Loading the heat of a tree item (nothing is shown when the code is not a
    // heat's). Every file failure is reported once with the race file's box;
    // the slots then keep what could be prepared.
    LoadedHeat load(const Race& race, int selectionCode, TransponderMode mode,
        const std::vector<Course>& courses, Prompts& prompts);

    // Stores the shown heat when it has results (now or when it was loaded)
    // or the heat run marked it dirty: its heat flag and tree image, the
    // section "CatégorieDrapeauxTreeview", the heat's result section, and the
    // results flag of its category in the header, the heat plan and the
    // starting grids. `race` gets the new flags and header.
    HeatStoreOutcome storeShownHeat(
        Race& race, const RunEntryTable& shown, bool heatDirty, Prompts& prompts);

    // No heat shown any more (category expanded, race created or loaded).
    void forget();

    bool showsHeat() const { return !sectionTitle_.empty(); }
    const WorkFolder& folder() const { return folder_; }
    const std::string& sectionTitle() const { return sectionTitle_; }
    const HeatId& heat() const { return heat_; }
    const HeatHeadings& headings() const { return headings_; }
    const ParticipantList& participants() const { return participants_; }
    int pilotsPerHeat() const { return pilotsPerHeat_; }
    bool hasResults() const { return hasResults_; }

    // The description, comment and condition stored with the heat. The
    // comment dialog reads and writes them through "CommentaireSerie.res".
    HeatResultTexts& texts() { return texts_; }
    const HeatResultTexts& texts() const { return texts_; }

    // The heat run's moments that change the stored texts.
    void heatStarted(std::string_view title) { texts_.description = std::string(title); }
    void heatErased();

    // A mode chosen while the heat is shown: the slots get the transponders
    // of that mode (personal ones from the participant list).
    void assignTransponders(RunEntryTable& slots, TransponderMode mode) const;

private:
    WorkFolder folder_;
    HeatId heat_;
    std::string sectionTitle_;
    HeatHeadings headings_;
    HeatResultTexts texts_;
    ParticipantList participants_;
    int pilotsPerHeat_ = 0;
    bool hasResults_ = false;
};

// Keeps the session's description in step with the heat run: the title of
// the heat's start once it has run, "." once its results are erased. Set it
// as the heat run's listener; every event goes on to `next` (the journal).
class HeatDescriptionFollower : public HeatListener {
public:
    HeatDescriptionFollower(HeatSession& session, const HeatRun& run, HeatListener* next = nullptr)
        : session_(session)
        , run_(run)
        , next_(next)
    {
    }
    void heatAction(std::int64_t nowMs, HeatAction action, int slot) override;
    void passingRead(std::int64_t nowMs, const Passing& passing, PassingFate fate) override;
    void decoderClockLost(std::int64_t nowMs, std::int64_t heatMs) override;
    void heatStopped(std::int64_t nowMs) override;

private:
    HeatSession& session_;
    const HeatRun& run_;
    HeatListener* next_;
};

} // namespace ksy
