#include "app/dialog_commands.h"

#include "app/heat_controller.h"
#include "app/main_window.h"
#include "app/menu_table.h"
#include "app/race_control.h"
#include "display/ui/display_settings_dialog.h"
#include "planning/ui/composition_command.h"
#include "planning/ui/race_options_dialog.h"
#include "planning/ui/race_track_dialog.h"
#include "results/ui/ranking_commands.h"
#include "storage/encoding.h"
#include "storage/race_file.h"
#include "timing/ui/sounds_dialog.h"

namespace ksy {

void registerDialogCommands(MainWindow& window, RaceControl& control, HeatController& heats,
    const WorkFolder& folder, AppServices services)
{
    CommandRouter& r = window.commands();
    r.add(cmd::SoundSettings, [&window, &control, folder, services] {
        if (SoundsDialog::edit(&window, folder, services.prompts)) {
            window.reloadSoundSettings();
            control.applySounds();
        }
    });
    r.add(cmd::DisplaySettings, [&window, &control, folder, services] {
        if (DisplaySettingsDialog::edit(&window, folder, window.mutableDisplaySettings(),
                services.prompts, services.files)) {
            window.displaySettingsChanged();
            control.applyDisplaySettings();
        }
    });
    r.add(cmd::RaceTrack, [&window, &control, folder, services] {
        RaceTrackDialog::edit(&window, folder, services.prompts);
        std::string name;
        if (readTrackName(workingRaceFile(folder), name))
            window.mutableRace().trackName = name;
        control.applyTrack();
    });
    r.add(cmd::RaceOptions, [&window, &control, folder, services] {
        const int c = window.race().header.selection / 10000;
        if (c < 1 || c > window.race().categoryCount())
            return;
        control.modes().endClubChoice();
        control.setResultEditing(false);
        RaceOptionsDialog::edit(
            &window, folder, c, cp1252ToUtf8(window.race().category(c).name), services.prompts);
    });
    // The composition may move every heat: the shown one is stored and
    // forgotten before the tree is rebuilt.
    r.add(cmd::HeatComposition, [&window, &heats, folder, services] {
        heats.storeShownHeat();
        if (runHeatCompositionCommand(&window, folder, window.race().header.selection,
                services.prompts, services.sounds) != 0) {
            heats.forgetHeat();
            window.reloadRaceTree();
        }
    });
    window.onTreeSelection(TreeItemKind::RoundRanking, [&window, folder, services](int code) {
        runRoundRankingDialog(&window, folder, code, services.prompts, services.files);
    });
    window.onTreeSelection(TreeItemKind::GlobalRanking, [&window, folder, services](int code) {
        runGlobalRankingDialog(&window, folder, code, services.prompts, services.files);
    });
}

} // namespace ksy
