#include "planning/race_options_form.h"

#include "planning/digit_edit.h"

#include <algorithm>

namespace ksy {
namespace {

using C = RaceOptionsForm;

} // namespace

RaceOptionsForm::RaceOptionsForm(std::string categoryName, const RaceOptions& options)
    : categoryName_(std::move(categoryName))
    , options_(options)
    , minutesText_(std::to_string(options.minutes))
    , lapsText_(std::to_string(options.laps))
    , countdownText_(std::to_string(options.countdownSeconds))
    , restText_(std::to_string(options.restMinutes))
{
}

RaceOptionsForm RaceOptionsForm::open(const WorkFolder& folder, int category,
                                      std::string categoryName, Prompts& prompts)
{
    RaceOptions options;
    const RaceOptionsIo result = readRaceOptions(folder, category, options);
    if (result != RaceOptionsIo::Ok) {
        prompts.error(raceOptionsIoMessage(result));
        options = RaceOptions{};
    }
    return RaceOptionsForm(std::move(categoryName), options);
}

bool RaceOptionsForm::isVisible(int control) const
{
    const bool byTime = options_.durationMode == DurationMode::Time;
    switch (control) {
    case MinutesEdit:
    case MinutesUnit:
        return byTime;
    case LapsEdit:
    case LapsUnit:
        return !byTime;
    default:
        return true;
    }
}

bool RaceOptionsForm::isEnabled(int control) const
{
    const bool byTime = options_.durationMode == DurationMode::Time;
    // A staggered start can only end with every pilot finishing his lap (timed
    // heat) or doing all laps (heat over laps).
    const bool staggered = options_.start == StartType::Staggered;
    switch (control) {
    case TimedGroup:
    case TimedFinishLap:
        return byTime;
    case TimedSignal:
    case TimedSandYacht:
        return byTime && !staggered;
    case LapsGroup:
    case LapsAllLaps:
        return !byTime;
    case LapsSignal:
    case LapsFinishLap:
        return !byTime && !staggered;
    case CategoryName:
        return true; // read-only, but not greyed
    default:
        return true;
    }
}

bool RaceOptionsForm::isChecked(int control) const
{
    const RaceOptions& o = options_;
    switch (control) {
    case RankLapsTime: return o.ranking == RankingMode::LapsThenTime;
    case RankBestLap: return o.ranking == RankingMode::BestLap;
    case TimeMode: return o.durationMode == DurationMode::Time;
    case LapsMode: return o.durationMode == DurationMode::Laps;
    case StartSignal: return o.start == StartType::SoundSignal;
    case StartFirstCar: return o.start == StartType::FirstCar;
    case StartStaggered: return o.start == StartType::Staggered;
    case EditableOrder: return o.order == StartOrder::Editable;
    case TimedSignal: return o.timedEnd == TimedEnd::SoundSignal;
    case TimedFinishLap: return o.timedEnd == TimedEnd::FinishLap;
    case TimedSandYacht: return o.timedEnd == TimedEnd::SandYacht;
    case LapsSignal: return o.lapsEnd == LapsEnd::SoundSignal;
    case LapsFinishLap: return o.lapsEnd == LapsEnd::FinishLap;
    case LapsAllLaps: return o.lapsEnd == LapsEnd::AllLaps;
    default: return false;
    }
}

std::string RaceOptionsForm::editText(int control) const
{
    const std::string* edit = const_cast<RaceOptionsForm*>(this)->editOf(control);
    return edit ? *edit : std::string();
}

std::string* RaceOptionsForm::editOf(int control)
{
    switch (control) {
    case MinutesEdit: return &minutesText_;
    case LapsEdit: return &lapsText_;
    case CountdownEdit: return &countdownText_;
    case RestEdit: return &restText_;
    default: return nullptr;
    }
}

int RaceOptionsForm::maxLength(int control)
{
    switch (control) {
    case MinutesEdit:
    case RestEdit:
        return 2;
    case LapsEdit:
        return 3;
    case CountdownEdit:
        return 4;
    default:
        return 0;
    }
}

void RaceOptionsForm::click(int control)
{
    if (!isEnabled(control))
        return;
    RaceOptions& o = options_;
    switch (control) {
    case RankLapsTime: o.ranking = RankingMode::LapsThenTime; break;
    case RankBestLap: o.ranking = RankingMode::BestLap; break;
    case TimeMode: o.durationMode = DurationMode::Time; break;
    case LapsMode: o.durationMode = DurationMode::Laps; break;
    case StartSignal: o.start = StartType::SoundSignal; break;
    case StartFirstCar: o.start = StartType::FirstCar; break;
    case StartStaggered:
        o.start = StartType::Staggered;
        o.timedEnd = TimedEnd::FinishLap;
        o.lapsEnd = LapsEnd::AllLaps;
        break;
    case EditableOrder:
        o.order = o.order == StartOrder::Editable ? StartOrder::Fixed : StartOrder::Editable;
        break;
    case TimedSignal: o.timedEnd = TimedEnd::SoundSignal; break;
    case TimedFinishLap: o.timedEnd = TimedEnd::FinishLap; break;
    case TimedSandYacht: o.timedEnd = TimedEnd::SandYacht; break;
    case LapsSignal: o.lapsEnd = LapsEnd::SoundSignal; break;
    case LapsFinishLap: o.lapsEnd = LapsEnd::FinishLap; break;
    case LapsAllLaps: o.lapsEnd = LapsEnd::AllLaps; break;
    default: break;
    }
}

void RaceOptionsForm::typeText(int control, std::string_view text)
{
    std::string* target = editOf(control);
    if (!target)
        return;
    std::string& edit = *target;
    edit = digitsOnly(text, maxLength(control));
    const int value = digitsValue(edit);
    // Above the maximum the edit is rewritten; below the minimum only the
    // record takes the minimum, so that the field can be erased and retyped.
    auto clampInto = [&](int& field, int low, int high) {
        if (value > high) {
            field = high;
            edit = std::to_string(high);
        } else {
            field = std::max(value, low);
        }
    };
    switch (control) {
    case MinutesEdit: clampInto(options_.minutes, kMinHeatMinutes, kMaxHeatMinutes); break;
    case LapsEdit: clampInto(options_.laps, kMinHeatLaps, kMaxHeatLaps); break;
    case CountdownEdit: clampInto(options_.countdownSeconds, 0, kMaxCountdownSeconds); break;
    case RestEdit: clampInto(options_.restMinutes, 0, kMaxRestMinutes); break;
    default: break;
    }
}

RaceOptionsIo RaceOptionsForm::save(const WorkFolder& folder, int category,
                                    Prompts& prompts) const
{
    const RaceOptionsIo result = writeRaceOptions(folder, category, options_);
    if (result != RaceOptionsIo::Ok)
        prompts.error(raceOptionsIoMessage(result));
    return result;
}

std::string_view RaceOptionsTexts::of(int control)
{
    switch (control) {
    case C::CategoryName:
        return KSY_TRANSLATE_NOOP("RaceOptions", "Catégorie : ");
    case C::RankLapsTime:
        return KSY_TRANSLATE_NOOP("RaceOptions", "suivant nb tours+temps");
    case C::RankBestLap:
        return KSY_TRANSLATE_NOOP("RaceOptions", "suivant meilleur tour");
    case C::TimeMode:
        return KSY_TRANSLATE_NOOP("RaceOptions", "Temps");
    case C::LapsMode:
        return KSY_TRANSLATE_NOOP("RaceOptions", "Nbre tours");
    case C::MinutesUnit:
        return KSY_TRANSLATE_NOOP("RaceOptions", "min");
    case C::LapsUnit:
        return KSY_TRANSLATE_NOOP("RaceOptions", "tours");
    case C::StartSignal:
        return KSY_TRANSLATE_NOOP("RaceOptions", "simultané au signal sonore");
    case C::StartFirstCar:
        return KSY_TRANSLATE_NOOP("RaceOptions", "au passage du premier char");
    case C::StartStaggered:
        return KSY_TRANSLATE_NOOP("RaceOptions", "départ décalé");
    case C::EditableOrder:
        return KSY_TRANSLATE_NOOP("RaceOptions", "Positions modifiables (ABC..)");
    case C::TimedGroup:
        return KSY_TRANSLATE_NOOP("RaceOptions", "Si durée série = temps");
    case C::LapsGroup:
        return KSY_TRANSLATE_NOOP("RaceOptions", "Si durée série = nb tours");
    case C::TimedSignal:
    case C::LapsSignal:
        return KSY_TRANSLATE_NOOP("RaceOptions", "Arrêt immédiat au signal sonore");
    case C::TimedFinishLap:
    case C::LapsFinishLap:
        return KSY_TRANSLATE_NOOP("RaceOptions", "Tous les pilotes doivent finir leur tour");
    case C::TimedSandYacht:
        return KSY_TRANSLATE_NOOP("RaceOptions", "Fin de course de type chars à voile");
    case C::LapsAllLaps:
        return KSY_TRANSLATE_NOOP("RaceOptions", "Tous les pilotes doivent faire tous les tours");
    default: return {};
    }
}

} // namespace ksy
