#include "app/recovery.h"

#include "app/heat_controller.h"
#include "app/main_window.h"
#include "app/race_control.h"
#include "app/race_tree_view.h"
#include "storage/encoding.h"
#include "storage/race_file.h"
#include "storage/race_lifecycle.h"
#include "timing/heat_journal.h"
#include "timing/heat_journal_replay.h"
#include "timing/heat_journal_scenario.h"

#include <algorithm>
#include <cstdlib>
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

// The journal's heat replayed. Lines the disk tore are passed over and
// named in `damage`; the reason in one French sentence when the journal
// names other pilots than the heat shown.
std::string replayInto(const WorkFolder& folder, RaceControl& control, std::string& damage)
{
    ScenarioParse parsed = parseHeatJournal(fileText(folder.file(kHeatJournalFile)));
    if (!parsed.scenario)
        return kRecoveryPilotsDiffer;
    damage = journalDamageText(parsed.damaged);
    const RunEntryTable& shown = control.run().entries();
    for (int k = 1; k <= kSlotCount; ++k) {
        const std::string& utf8 = parsed.scenario->slots[static_cast<std::size_t>(k - 1)].name;
        const std::string name = utf8ToCp1252(utf8).value_or(utf8).substr(0, 39);
        if (name != shown.slot(k).pilotName.substr(0, 39))
            return kRecoveryPilotsDiffer;
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
    return {};
}

} // namespace

bool previousRunCrashed(const WorkFolder& folder)
{
    return std::filesystem::exists(folder.file(kRunningMarkFile));
}

std::string markedRaceFileName(const WorkFolder& folder)
{
    std::istringstream in(fileText(folder.file(kRunningMarkFile)));
    std::string line;
    std::getline(in, line); // "Kestrametrix"
    std::getline(in, line);
    return line;
}

void markRunning(const WorkFolder& folder, const std::string& raceFileName)
{
    std::error_code ec;
    std::filesystem::create_directories(folder.file(kRunningMarkFile).parent_path(), ec);
    std::ofstream(folder.file(kRunningMarkFile), std::ios::binary | std::ios::trunc)
        << "Kestrametrix\n"
        << raceFileName << '\n';
}

void clearRunningMark(const WorkFolder& folder)
{
    std::error_code ec;
    std::filesystem::remove(folder.file(kRunningMarkFile), ec);
}

JournalState readJournalState(const WorkFolder& folder)
{
    JournalState state;
    const auto file = folder.file(kHeatJournalFile);
    if (!std::filesystem::exists(file))
        return state;
    std::istringstream in(fileText(file));
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.rfind("at\t", 0) == 0)
            state.started = true;
        else if (line.rfind("end\t", 0) == 0 || line == "end")
            state.ended = true;
        else if (line == kJournalRecoveredLine)
            state.recovered = true;
        else if (line == kJournalErasedLine)
            state.erased = true;
        else if (line.rfind(kJournalHeatLine, 0) == 0)
            state.heatCode = std::atoi(line.c_str() + kJournalHeatLine.size());
    }
    return state;
}

bool unfinishedJournal(const WorkFolder& folder)
{
    const JournalState j = readJournalState(folder);
    return j.started && !j.ended && !j.recovered && !j.erased;
}

void markJournalRecovered(const WorkFolder& folder)
{
    std::ofstream(folder.file(kHeatJournalFile), std::ios::binary | std::ios::app)
        << kJournalRecoveredLine << '\n';
}

void offerRecovery(MainWindow& window, RaceControl& control, HeatController& heats,
    const WorkFolder& folder, Prompts& prompts, bool crashed, bool crashCopyMade,
    const std::string& raceFileName)
{
    const JournalState j = readJournalState(folder);
    // A heat that ended may have died before its result was stored (or
    // inside the store): after a crash its journal is looked at too.
    const bool heatToTake = j.started && !j.recovered && !j.erased && (!j.ended || crashed);
    const auto crashCopy = folder.file(kCrashRaceFile);
    if (!(crashed && crashCopyMade) && !heatToTake)
        return;
    const bool yes = prompts.askYesNo(kRecoveryTitle, kRecoveryQuestion) == Answer::Yes;
    // Asked once: whatever the answer, the next start does not ask again
    // (the journal stays on disk for kestrametrix-cli replay).
    if (heatToTake)
        markJournalRecovered(folder);
    if (!yes)
        return;
    // When the crash copy failed the crashed race is still the working race.
    const bool raceTaken = window.previousRaceKept() ||
        (crashed && crashCopyMade && std::filesystem::exists(crashCopy));
    if (!window.previousRaceKept() && raceTaken) {
        if (!loadIntoWorkingRace(folder, crashCopy)) {
            prompts.error(std::string(kCannotOpenRaceFile));
            return;
        }
        heats.forgetHeat();
        window.reloadRaceTree();
    }
    // "Enregistrer" writes the race back where it came from.
    if (raceTaken && !raceFileName.empty())
        window.raceFiles().restoreName(raceFileName);
    if (!heatToTake)
        return;
    const int code = j.heatCode > 0 ? j.heatCode : window.race().header.selection;
    window.tree().selectCode(code);
    if (!control.session().showsHeat())
        heats.loadHeat(code);
    // The heat's result reached the race before the program died.
    if (j.ended && control.session().hasResults())
        return;
    if (!control.session().showsHeat()) {
        prompts.message(kRecoveryTitle, kRecoveryHeatMissing, PromptIcon::Exclamation);
        return;
    }
    std::string damage;
    if (const std::string refused = replayInto(folder, control, damage); !refused.empty()) {
        prompts.message(kRecoveryTitle, refused, PromptIcon::Exclamation);
        return;
    }
    if (!damage.empty())
        prompts.message(kRecoveryTitle, damage, PromptIcon::Exclamation);
    // Stored now: a second crash before the heat is left must not lose it.
    heats.storeShownHeat();
}

} // namespace ksy
