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
#include <utility>
#include <vector>

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
std::string replayInto(const WorkFolder& folder, const std::filesystem::path& journal,
    RaceControl& control, std::string& damage)
{
    ScenarioParse parsed = parseHeatJournal(fileText(journal));
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

// The texts name the main journal; a journal set aside is named instead.
std::string naming(std::string text, const WorkFolder& folder, const std::filesystem::path& journal)
{
    const std::string main(kHeatJournalFile);
    const std::string shown = "Private/" + journal.filename().string();
    if (journal != folder.file(kHeatJournalFile))
        if (const auto at = text.find(main); at != std::string::npos)
            text.replace(at, main.size(), shown);
    return text;
}

// The journals of heats whose store failed, set aside while another heat
// was shown, that no recovery took yet, by heat code.
std::vector<std::pair<int, std::filesystem::path>> journalsSetAside(const WorkFolder& folder)
{
    std::vector<std::pair<int, std::filesystem::path>> out;
    std::error_code ec;
    const std::string prefix = "JournalPassages-";
    for (const auto& entry :
        std::filesystem::directory_iterator(folder.file(kHeatJournalFile).parent_path(), ec)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind(prefix, 0) != 0 || entry.path().extension() != ".txt")
            continue;
        const int code = std::atoi(name.c_str() + prefix.size());
        const JournalState j = readJournalState(entry.path());
        if (code > 0 && j.started && !j.recovered && !j.erased)
            out.emplace_back(code, entry.path());
    }
    std::sort(out.begin(), out.end());
    return out;
}

// The journal's heat shown and replayed, then stored. `mayBeStored`: a heat
// that ended may have reached the race before the program died.
void recoverHeat(MainWindow& window, RaceControl& control, HeatController& heats,
    const WorkFolder& folder, Prompts& prompts, int code, const std::filesystem::path& journal,
    bool mayBeStored)
{
    window.tree().selectCode(code);
    if (!control.session().showsHeat() || heatSelectionCode(control.session().heat()) != code)
        heats.loadHeat(code);
    if (mayBeStored && control.session().hasResults())
        return;
    if (!control.session().showsHeat()) {
        prompts.message(
            kRecoveryTitle, naming(kRecoveryHeatMissing, folder, journal), PromptIcon::Exclamation);
        return;
    }
    std::string damage;
    if (const std::string refused = replayInto(folder, journal, control, damage);
        !refused.empty()) {
        prompts.message(kRecoveryTitle, naming(refused, folder, journal), PromptIcon::Exclamation);
        return;
    }
    if (!damage.empty())
        prompts.message(kRecoveryTitle, damage, PromptIcon::Exclamation);
    // Stored now: a second crash before the heat is left must not lose it.
    heats.storeShownHeat();
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
    return readJournalState(folder.file(kHeatJournalFile));
}

JournalState readJournalState(const std::filesystem::path& file)
{
    JournalState state;
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
    markJournalRecovered(folder.file(kHeatJournalFile));
}

void markJournalRecovered(const std::filesystem::path& journal)
{
    std::ofstream(journal, std::ios::binary | std::ios::app) << kJournalRecoveredLine << '\n';
}

void offerRecovery(MainWindow& window, RaceControl& control, HeatController& heats,
    const WorkFolder& folder, Prompts& prompts, bool crashed, bool crashCopyMade,
    const std::string& raceFileName)
{
    const JournalState j = readJournalState(folder);
    // A heat that ended may have died before its result was stored (or
    // inside the store): after a crash its journal is looked at too.
    const bool heatToTake = j.started && !j.recovered && !j.erased && (!j.ended || crashed);
    // Heats the disk refused, whose journals were set aside while another
    // heat was shown: the race lacks them.
    const auto setAside = journalsSetAside(folder);
    const auto crashCopy = folder.file(kCrashRaceFile);
    if (!(crashed && crashCopyMade) && !heatToTake && setAside.empty())
        return;
    const bool yes = prompts.askYesNo(kRecoveryTitle, kRecoveryQuestion) == Answer::Yes;
    // Asked once: whatever the answer, the next start does not ask again
    // (the journals stay on disk for kestrametrix-cli replay).
    if (heatToTake)
        markJournalRecovered(folder);
    for (const auto& aside : setAside)
        markJournalRecovered(aside.second);
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
    for (const auto& [code, journal] : setAside)
        recoverHeat(window, control, heats, folder, prompts, code, journal, false);
    if (!heatToTake)
        return;
    const int code = j.heatCode > 0 ? j.heatCode : window.race().header.selection;
    recoverHeat(
        window, control, heats, folder, prompts, code, folder.file(kHeatJournalFile), j.ended);
}

} // namespace ksy
