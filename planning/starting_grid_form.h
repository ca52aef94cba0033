#pragma once
// The rules of the "Grilles de départs des qualifications" dialog
// (CATEGORIEQUALIFSGRILLEDEPART) without any widget: one edit of letters per
// round, round 1 always the identity, every edit read-only when the race
// options fix the starting order or results are stored, the three checks of
// "OK" with their combined message, and the identity grids written on
// closing when the race file held no grid for the current plan.
#include "planning/starting_grid.h"
#include "race/race_options.h"
#include "services/prompts.h"
#include "services/translate.h"
#include "storage/work_folder.h"

#include <string>
#include <string_view>

namespace ksy {

inline constexpr std::string_view kGridsIncomplete =
    KSY_TRANSLATE_NOOP("StartingGrid", "Certaines grilles sont incomplètes");
inline constexpr std::string_view kGridsDuplicates =
    KSY_TRANSLATE_NOOP("StartingGrid", "Il y a des doublons");
// "Les lettres doivent être comprises entre A et %c" with the n-th letter.
std::string gridLettersMessage(int pilotsPerHeat);
// "Erreur: la saisie n'est pas valide !\n\n    %s\n    %s\n    %s".
std::string gridInputErrorMessage(
    std::string_view incomplete, std::string_view letters, std::string_view duplicates);

class StartingGridForm {
public:
    // Round m's edit is control 4600 + m.
    static constexpr int kFirstRoundEdit = 4601;
    static constexpr int roundEdit(int round) { return kFirstRoundEdit - 1 + round; }

    // Opening: the race options (for the starting order), the first line of
    // the category's plan, and the stored grids when they were stored for the
    // same pilots per heat and rounds. Failures show their "Erreur" box.
    StartingGridForm(WorkFolder folder, int category, Prompts& prompts);

    int pilotsPerHeat() const { return grids_.pilotsPerHeat; }
    int rounds() const { return grids_.rounds; }
    // Whether the race file held a grid for this plan when the dialog opened.
    bool storedGridTaken() const { return storedTaken_; }
    const StartingGrids& grids() const { return grids_; }

    // The edits of rounds beyond the category's rounds are hidden.
    bool isVisible(int control) const;
    bool isReadOnly(int control) const;
    std::string editText(int control) const; // the round's letters
    int maxLength(int control) const; // n
    // A text change of a round's edit: cut to n and converted at once.
    void typeText(int control, std::string_view text);

    // The combined error text of the three checks; empty when all pass.
    std::string checkMessage() const;

    // "OK": false, after the combined message, when a check failed (the
    // dialog stays open); otherwise writes the grids and returns true.
    bool confirm();
    // Closing in any other way: writes the identity grids when no grid for
    // this plan was stored.
    void closeWithoutConfirming();

private:
    int roundOf(int control) const;
    void write(const StartingGrids& grids);

    WorkFolder folder_;
    int category_;
    Prompts& prompts_;
    bool fileOpened_ = false;
    bool planFound_ = false;
    bool storedTaken_ = false;
    StartOrder order_ = StartOrder::Fixed;
    StartingGrids grids_;
};

} // namespace ksy
