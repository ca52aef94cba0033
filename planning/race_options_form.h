#pragma once
// The rules of the "Options de course" dialog (CATEGORIEQUALIFSPARAMETRES),
// without any widget: which controls are shown, enabled and checked, how the
// numeric edits clamp while typing, and what "Valider" writes. The Qt dialog
// only mirrors this state.
#include "race/race_options.h"
#include "services/prompts.h"
#include "services/translate.h"
#include "storage/work_folder.h"

#include <string>
#include <string_view>

namespace ksy {

class RaceOptionsForm {
public:
    // Control ids of the dialog template.
    enum Control : int {
        CategoryName = 4401,
        TimeMode = 4402,
        LapsMode = 4403,
        MinutesEdit = 4404,
        LapsEdit = 4405,
        RestEdit = 4406,
        CountdownEdit = 4407,
        EditableOrder = 4408,
        RankLapsTime = 4409,
        RankBestLap = 4410,
        StartSignal = 4411,
        StartFirstCar = 4412,
        StartStaggered = 4413,
        TimedSignal = 4414,
        TimedFinishLap = 4415,
        TimedSandYacht = 4416,
        LapsSignal = 4417,
        LapsFinishLap = 4418,
        LapsAllLaps = 4419,
        MinutesUnit = 4420,
        LapsUnit = 4421,
        TimedGroup = 4422,
        LapsGroup = 4423,
    };

    // categoryName is UTF-8, shown read-only in control 4401.
    RaceOptionsForm(std::string categoryName, const RaceOptions& options);

    // Opening: the defaults, then the category's stored section if any. A race
    // file that cannot be opened is reported and the defaults stay.
    static RaceOptionsForm open(const WorkFolder& folder, int category,
                                std::string categoryName, Prompts& prompts);

    const RaceOptions& options() const { return options_; }
    const std::string& categoryName() const { return categoryName_; }

    bool isVisible(int control) const;
    bool isEnabled(int control) const;
    bool isChecked(int control) const; // radio buttons and the check box 4408

    // Numeric edits: their current text and their character limit.
    std::string editText(int control) const;
    static int maxLength(int control);

    // A click on a radio button (selects it) or on the check box 4408 (toggles
    // it). Clicks on disabled or unknown controls do nothing.
    void click(int control);

    // The text of a numeric edit changed. Only digits are kept, cut to the
    // edit's limit; the value is clamped, and editText() then gives what the
    // edit must show (rewritten only when the value was above the maximum).
    void typeText(int control, std::string_view text);

    // "Valider": writes the section; failures are reported. The dialog closes
    // whatever the outcome.
    RaceOptionsIo save(const WorkFolder& folder, int category, Prompts& prompts) const;

private:
    std::string* editOf(int control);

    std::string categoryName_;
    RaceOptions options_;
    std::string minutesText_, lapsText_, countdownText_, restText_;
};

// Texts of the dialog, shared by the Qt dialog and its tests.
struct RaceOptionsTexts {
    static constexpr std::string_view title =
        KSY_TRANSLATE_NOOP("RaceOptions", "Options de course");
    static std::string_view of(int control); // label of a radio/check box/group/unit
};

} // namespace ksy
