#include "planning/starting_grid_form.h"

#include "services/translate.h"
#include "storage/race_file.h"
#include "storage/section_titles.h"

#include <algorithm>

namespace ksy {

std::string gridLettersMessage(int pilotsPerHeat)
{
    const char last = gridLetter(pilotsPerHeat);
    return fillText(translate("StartingGrid", "Les lettres doivent être comprises entre A et %1"),
        {last ? std::string_view(&last, 1) : std::string_view()});
}

std::string gridInputErrorMessage(
    std::string_view incomplete, std::string_view letters, std::string_view duplicates)
{
    return fillText(
        translate("StartingGrid", "Erreur: la saisie n'est pas valide !\n\n    %1\n    %2\n    %3"),
        {incomplete, letters, duplicates});
}

StartingGridForm::StartingGridForm(WorkFolder folder, int category, Prompts& prompts)
    : folder_(std::move(folder))
    , category_(std::clamp(category, 1, kMaxCategories))
    , prompts_(prompts)
{
    const auto raceFile = workingRaceFile(folder_);
    fileOpened_ = FileStream::open(raceFile, OpenMode::Read).has_value();
    if (!fileOpened_) {
        prompts_.error(translate("Storage", kCannotOpenRaceFile.data()));
        return;
    }
    RaceOptions options;
    if (readRaceOptions(folder_, category_, options) == RaceOptionsIo::Ok)
        order_ = options.order;

    HeatPlan plan;
    planFound_ = readHeatPlan(raceFile, category_, plan) == HeatPlanRead::Ok;
    if (!planFound_) {
        prompts_.error(sectionNotFoundMessage(heatPlanTitle(category_)));
        return;
    }
    grids_.resultsStored = plan.resultsStored;
    // Beyond 20 slots or 9 rounds there is nothing a grid could hold.
    grids_.pilotsPerHeat = std::clamp(plan.pilotsPerHeat, 0, kGridSlots);
    grids_.rounds = std::clamp(plan.rounds, 0, kMaxRounds);
    for (int m = 1; m <= grids_.rounds; ++m)
        grids_.round(m) = identityGrid(grids_.pilotsPerHeat);

    StartingGrids stored = grids_;
    if (readStartingGrids(raceFile, category_, stored) == StartingGridRead::Ok &&
        stored.pilotsPerHeat == grids_.pilotsPerHeat && stored.rounds == grids_.rounds) {
        storedTaken_ = true;
        for (int m = 1; m <= grids_.rounds; ++m) {
            StartingGrid& grid = grids_.round(m);
            grid.positions = stored.round(m).positions;
            gridLettersFromPositions(grid, grids_.pilotsPerHeat);
            // Positions are taken back from the letters, so that a stored line
            // beyond n shows as a bad letter and is checked like a typed one.
            setGridLetters(grid, grid.letters, grids_.pilotsPerHeat);
        }
    }
}

int StartingGridForm::roundOf(int control) const
{
    const int round = control - kFirstRoundEdit + 1;
    return round >= 1 && round <= kMaxRounds ? round : 0;
}

bool StartingGridForm::isVisible(int control) const
{
    const int round = roundOf(control);
    return round >= 1 && round <= grids_.rounds;
}

bool StartingGridForm::isReadOnly(int control) const
{
    return roundOf(control) <= 1 || grids_.resultsStored == 1 || order_ == StartOrder::Fixed;
}

std::string StartingGridForm::editText(int control) const
{
    const int round = roundOf(control);
    return round >= 1 ? grids_.round(round).letters : std::string();
}

int StartingGridForm::maxLength(int /*control*/) const
{
    return grids_.pilotsPerHeat;
}

void StartingGridForm::typeText(int control, std::string_view text)
{
    if (!isVisible(control) || isReadOnly(control))
        return;
    setGridLetters(grids_.round(roundOf(control)), text, grids_.pilotsPerHeat);
}

std::string StartingGridForm::checkMessage() const
{
    const int n = grids_.pilotsPerHeat;
    bool incomplete = false, badLetter = false, duplicate = false;
    for (int m = 1; m <= grids_.rounds; ++m) {
        const StartingGrid& grid = grids_.round(m);
        if (m >= 2 && static_cast<int>(grid.letters.size()) != n)
            incomplete = true;
        for (std::size_t k = 0; k < grid.letters.size(); ++k) {
            const char c = grid.letters[k];
            if (k < grid.positions.size() && grid.positions[k] == 0)
                badLetter = true;
            if (c != ' ' && grid.letters.find(c, k + 1) != std::string::npos)
                duplicate = true;
        }
    }
    if (!incomplete && !badLetter && !duplicate)
        return {};
    return gridInputErrorMessage(
        incomplete ? translate("StartingGrid", kGridsIncomplete.data()) : std::string(),
        badLetter ? gridLettersMessage(n) : std::string(),
        duplicate ? translate("StartingGrid", kGridsDuplicates.data()) : std::string());
}

bool StartingGridForm::confirm()
{
    if (!fileOpened_) {
        prompts_.error(translate("Storage", kCannotOpenRaceFile.data()));
        return true;
    }
    const std::string message = checkMessage();
    if (!message.empty()) {
        prompts_.error(message);
        return false;
    }
    write(grids_);
    return true;
}

void StartingGridForm::closeWithoutConfirming()
{
    if (storedTaken_)
        return;
    StartingGrids identity = grids_;
    for (int m = 1; m <= identity.rounds; ++m)
        identity.round(m) = identityGrid(identity.pilotsPerHeat);
    write(identity);
}

void StartingGridForm::write(const StartingGrids& grids)
{
    // Without the plan there is no pilots per heat to write a grid for.
    if (!fileOpened_ || !planFound_)
        return;
    if (writeStartingGrids(workingRaceFile(folder_), category_, grids, &prompts_) ==
        RewriteResult::CannotOpen)
        prompts_.error(translate("Storage", kCannotOpenRaceFile.data()));
}

} // namespace ksy
