#include "app/recovery.h"

#include "app/heat_controller.h"
#include "app/main_window.h"
#include "app/race_control.h"
#include "storage/encoding.h"
#include "storage/race_file.h"
#include "storage/race_lifecycle.h"
#include "timing/heat_journal.h"
#include "timing/heat_journal_replay.h"
#include "timing/heat_journal_scenario.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace ksy {
namespace {

std::string fileText(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// The journal's heat replayed; false when the journal cannot be read or
// names other pilots than the heat shown.
bool replayInto(const WorkFolder& folder, RaceControl& control)
{
    ScenarioParse parsed = parseHeatScenario(fileText(folder.file(kHeatJournalFile)));
    if (!parsed.scenario)
        return false;
    const RunEntryTable& shown = control.run().entries();
    for (int k = 1; k <= kSlotCount; ++k) {
        const std::string& utf8 = parsed.scenario->slots[static_cast<std::size_t>(k - 1)].name;
        if (utf8ToCp1252(utf8).value_or(utf8) != shown.slot(k).pilotName)
            return false;
    }
    RunEntryTable replayed;
    std::string title;
    std::error_code ec;
    const auto scratch = folder.file("Private/Recuperation");
    std::filesystem::remove_all(scratch, ec);
    replayHeat(*parsed.scenario, WorkFolder(scratch), [&](const HeatRun& run) {
        replayed = run.entries();
        title = run.texts().title;
    });
    std::filesystem::remove_all(scratch, ec);
    control.session().heatStarted(title);
    control.run().loadHeat(replayed);
    control.repaint();
    return true;
}

} // namespace

bool previousRunCrashed(const WorkFolder& folder)
{
    return std::filesystem::exists(folder.file(kRunningMarkFile));
}

void markRunning(const WorkFolder& folder)
{
    std::error_code ec;
    std::filesystem::create_directories(folder.file(kRunningMarkFile).parent_path(), ec);
    std::ofstream(folder.file(kRunningMarkFile)) << "Kestrametrix\n";
}

void clearRunningMark(const WorkFolder& folder)
{
    std::error_code ec;
    std::filesystem::remove(folder.file(kRunningMarkFile), ec);
}

bool unfinishedJournal(const WorkFolder& folder)
{
    const auto file = folder.file(kHeatJournalFile);
    if (!std::filesystem::exists(file))
        return false;
    std::istringstream in(fileText(file));
    bool started = false;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("at\t", 0) == 0)
            started = true;
        if (line.rfind("end\t", 0) == 0 || line == "end")
            return false;
    }
    return started;
}

void offerRecovery(MainWindow& window, RaceControl& control, HeatController& heats,
    const WorkFolder& folder, Prompts& prompts, bool crashed, bool crashCopyMade)
{
    const bool journal = unfinishedJournal(folder);
    const auto crashCopy = folder.file("PcCrashRace.race");
    if (!(crashed && crashCopyMade) && !journal)
        return;
    if (prompts.askYesNo(kRecoveryTitle, kRecoveryQuestion) != Answer::Yes)
        return;
    // When the crash copy failed the crashed race is still the working race.
    if (!window.previousRaceKept() && std::filesystem::exists(crashCopy)) {
        if (!loadIntoWorkingRace(folder, crashCopy)) {
            prompts.error(std::string(kCannotOpenRaceFile));
            return;
        }
        heats.forgetHeat();
        window.reloadRaceTree();
    }
    if (!journal)
        return;
    const int code = window.race().header.selection;
    heats.loadHeat(code);
    if (!control.session().showsHeat() || !replayInto(folder, control))
        prompts.error(kRecoveryHeatMismatch);
}

} // namespace ksy
