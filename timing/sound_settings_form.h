#pragma once
// The rules of the SONS dialog ("Options du son"): it shows the settings file
// as it stands when the dialog opens and writes it only on "Ok".
#include "services/translate.h"
#include "services/prompts.h"
#include "storage/work_folder.h"
#include "timing/sound_settings.h"

#include <string_view>

namespace ksy {

class SoundSettingsForm {
public:
    // Control ids.
    static constexpr int Ok = 1;
    static constexpr int Cancel = 2;
    static constexpr int English = 3701;
    static constexpr int French = 3702;
    static constexpr int FirstSwitch = 3703; // 3703 to 3709, in SoundSwitch order

    static constexpr std::string_view kTitle = KSY_TRANSLATE_NOOP("SoundSettings", "Options du son");
    // The text of a control ("English", "Annonce vocale du décompte", "Ok" ...).
    static std::string_view textOf(int control);
    static int controlOf(SoundSwitch s) { return FirstSwitch + static_cast<int>(s); }

    // Reads the file; when it cannot be opened the error box is shown and
    // every control starts unchecked.
    void open(const WorkFolder& folder, Prompts& prompts);

    bool isChecked(int control) const;
    // A click on a radio button checks it; a click on a check box toggles it.
    void click(int control);

    // "Ok": writes the file; the error box when it cannot be written.
    bool confirm(const WorkFolder& folder, Prompts& prompts) const;

    const SoundSettings& settings() const { return settings_; }

private:
    SoundSettings settings_;
};

} // namespace ksy
