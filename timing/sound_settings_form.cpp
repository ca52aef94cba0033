#include "timing/sound_settings_form.h"

#include "services/translate.h"

namespace ksy {

namespace {
bool isSwitch(int control)
{
    return control >= SoundSettingsForm::FirstSwitch &&
        control < SoundSettingsForm::FirstSwitch + static_cast<int>(kSoundSwitchCount);
}
SoundSwitch switchOf(int control)
{
    return static_cast<SoundSwitch>(control - SoundSettingsForm::FirstSwitch);
}
} // namespace

std::string_view SoundSettingsForm::textOf(int control)
{
    switch (control) {
    case Ok:
        return KSY_TRANSLATE_NOOP("SoundSettings", "Ok");
    case Cancel:
        return KSY_TRANSLATE_NOOP("SoundSettings", "Echap");
    case English:
        return KSY_TRANSLATE_NOOP("SoundSettings", "English");
    case French:
        return KSY_TRANSLATE_NOOP("SoundSettings", "Francais");
    case 3703:
        return KSY_TRANSLATE_NOOP("SoundSettings", "Annonce vocale du décompte");
    case 3704:
        return KSY_TRANSLATE_NOOP("SoundSettings", "Signal sonore au départ");
    case 3705:
        return KSY_TRANSLATE_NOOP("SoundSettings", "Signal sonore lors des passages des chars");
    case 3706:
        return KSY_TRANSLATE_NOOP("SoundSettings", "Annonce vocale meilleur tour");
    case 3707:
        return KSY_TRANSLATE_NOOP("SoundSettings", "Annonce vocale Horloge de course");
    case 3708:
        return KSY_TRANSLATE_NOOP("SoundSettings", "Signal sonore à la fin de la course");
    case 3709:
        return KSY_TRANSLATE_NOOP("SoundSettings", "Annonce vocale de fin de course pour chaque char");
    default:
        return "";
    }
}

void SoundSettingsForm::open(const WorkFolder& folder, Prompts& prompts)
{
    settings_ = {};
    if (!readSoundSettings(folder.file(kSoundSettingsFile), settings_))
        prompts.error(std::string(kSoundSettingsError));
}

bool SoundSettingsForm::isChecked(int control) const
{
    if (control == English) return settings_.english();
    if (control == French) return settings_.french();
    return isSwitch(control) && settings_.isOn(switchOf(control));
}

void SoundSettingsForm::click(int control)
{
    if (control == English)
        settings_.language = kEnglishVoiceKeyword;
    else if (control == French)
        settings_.language = kFrenchVoiceKeyword;
    else if (isSwitch(control))
        settings_.set(switchOf(control), !settings_.isOn(switchOf(control)));
}

bool SoundSettingsForm::confirm(const WorkFolder& folder, Prompts& prompts) const
{
    // Every switch is written as one of its two keywords, as the check boxes
    // show it, whatever text the file held.
    SoundSettings out = settings_;
    for (std::size_t i = 0; i < kSoundSwitchCount; ++i) {
        const auto s = static_cast<SoundSwitch>(i);
        out.set(s, settings_.isOn(s));
    }
    if (writeSoundSettings(folder.file(kSoundSettingsFile), out)) return true;
    prompts.error(std::string(kSoundSettingsError));
    return false;
}

} // namespace ksy
