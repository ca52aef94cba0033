#include "planning/heat_composition_form.h"

#include "planning/digit_edit.h"
#include "planning/heat_composition_view.h"
#include "services/translate.h"
#include "storage/race_file.h"
#include "storage/section_titles.h"

#include <algorithm>

namespace ksy {

HeatCompositionForm::HeatCompositionForm(WorkFolder folder, int category, Prompts& prompts)
    : folder_(std::move(folder))
    , category_(std::clamp(category, 1, kMaxCategories))
    , prompts_(prompts)
{
    const auto raceFile = workingRaceFile(folder_);
    HeatPlan plan;
    headerRead_ = readRaceHeader(raceFile, header_);
    if (!headerRead_) {
        prompts_.error(translate("Storage", kCannotOpenRaceFile.data()));
    } else {
        readRaceTrack(raceFile, track_);
        if (readParticipantList(raceFile, category_, participants_) == ParticipantListRead::Absent)
            prompts_.error(sectionNotFoundMessage(participantListTitle(category_)));
        if (readHeatPlan(raceFile, category_, plan) == HeatPlanRead::Absent)
            prompts_.error(sectionNotFoundMessage(heatPlanTitle(category_)));
    }
    // A hand-edited plan may hold numbers the edits could never produce;
    // they are brought back into the edits' bounds as typing would.
    plan.pilotsPerHeat = std::clamp(plan.pilotsPerHeat, 1, kMaxPilotsPerHeat);
    plan.rounds = std::clamp(plan.rounds, 1, kMaxRounds);
    composition_ = HeatComposition(plan, participants_);
    pilotsText_ = std::to_string(plan.pilotsPerHeat);
    roundsText_ = std::to_string(plan.rounds);
    header_.categories.category(category_).heatsPerRound = composition_.heatsPerRound();
}

const std::string& HeatCompositionForm::categoryName() const
{
    return header_.categories.category(category_).name;
}

bool HeatCompositionForm::readOnly() const
{
    return header_.categories.category(category_).resultsStored == 1 ||
        composition_.plan().resultsStored == 1;
}

bool HeatCompositionForm::isEnabled(int control) const
{
    switch (control) {
    case PilotsPerHeatEdit:
    case RoundsEdit:
    case GenerateButton:
        return !readOnly();
    default:
        return true;
    }
}

std::string HeatCompositionForm::editText(int control) const
{
    switch (control) {
    case PilotsPerHeatEdit:
        return pilotsText_;
    case RoundsEdit:
        return roundsText_;
    default:
        return {};
    }
}

int HeatCompositionForm::maxLength(int control)
{
    return control == PilotsPerHeatEdit ? 2 : control == RoundsEdit ? 1 : 0;
}

void HeatCompositionForm::typeText(int control, std::string_view text)
{
    if (!isEnabled(control))
        return;
    if (control == PilotsPerHeatEdit) {
        pilotsText_ = digitsOnly(text, maxLength(control));
        int v = digitsValue(pilotsText_);
        if (v > kMaxPilotsPerHeat) {
            v = kMaxPilotsPerHeat;
            pilotsText_ = std::to_string(v);
        }
        composition_.setPilotsPerHeat(std::max(v, 1));
        header_.categories.category(category_).heatsPerRound = composition_.heatsPerRound();
        scroll_ = 0;
    } else if (control == RoundsEdit) {
        roundsText_ = digitsOnly(text, maxLength(control));
        int v = digitsValue(roundsText_);
        if (v > kMaxRounds) {
            v = kMaxRounds;
            roundsText_ = std::to_string(v);
        }
        composition_.setRounds(std::max(v, 1));
        header_.categories.category(category_).rounds = composition_.rounds();
    }
}

int HeatCompositionForm::scrollMaximum() const
{
    return std::max(0, composition_.rowsOfHeats() - kVisibleRows);
}

bool HeatCompositionForm::scrollTo(int position)
{
    const int before = scroll_;
    scroll_ = std::clamp(position, 0, scrollMaximum());
    return scroll_ != before;
}

bool HeatCompositionForm::scrollLines(int delta)
{
    return scrollTo(scroll_ + delta);
}

void HeatCompositionForm::normaliseScroll()
{
    scroll_ = std::clamp(scroll_, 0, scrollMaximum());
}

bool HeatCompositionForm::press(int x, int y, SoundPlayer& sounds)
{
    if (readOnly())
        return false;
    const std::optional<int> upper = compositionArrowHit(composition_, scroll_, x, y);
    if (!upper)
        return false;
    const bool moved = composition_.moveDown(*upper);
    if (moved)
        sounds.playAsync(std::string(kMoveSound));
    header_.categories.category(category_).heatsPerRound = composition_.heatsPerRound();
    normaliseScroll();
    return moved;
}

bool HeatCompositionForm::generate()
{
    if (readOnly())
        return false;
    if (composition_.heatsPerRound() > kMaxHeatsPerRound) {
        prompts_.message(translate("HeatComposition", "Erreur"),
            translate("HeatComposition", kTooManyHeats.data()), PromptIcon::Stop);
        return false;
    }
    const auto raceFile = workingRaceFile(folder_);
    // The plan is rewritten, never created here. Without it the header must
    // not announce heats either: the tree would show heats with no pilots.
    {
        auto file = FileStream::open(raceFile, OpenMode::Read);
        if (!file || !headerRead_) {
            prompts_.error(translate("Storage", kCannotOpenRaceFile.data()));
            return true;
        }
        if (!sectionLookup(*file, heatPlanTitle(category_)).found) {
            prompts_.error(sectionNotFoundMessage(heatPlanTitle(category_)));
            return true;
        }
    }
    CategoryRecord& record = header_.categories.category(category_);
    record.rounds = composition_.rounds();
    record.heatsPerRound = composition_.heatsPerRound();
    if (!writeRaceHeader(raceFile, header_)) {
        prompts_.error(translate("Storage", kCannotOpenRaceFile.data()));
        return true;
    }
    HeatPlan plan = composition_.plan();
    plan.resultsStored = record.resultsStored;
    if (writeHeatPlan(raceFile, category_, plan, false, &prompts_) == RewriteResult::CannotOpen)
        prompts_.error(translate("Storage", kCannotOpenRaceFile.data()));
    return true;
}

} // namespace ksy
