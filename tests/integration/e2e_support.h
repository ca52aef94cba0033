#pragma once
// The real program run headless on a working folder with a script, and the
// race file pieces the end-to-end tests compare.
#include "app/demo_race.h"
#include "decoder_sim_process.h"
#include "race/run_entry.h"
#include "storage/work_folder.h"

#include <QProcess>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace ksy::test {

struct ScriptedRun {
    bool finished = false;
    int exitCode = -1;
    std::string errors; // what the program wrote on standard error
};

// Writes the script next to the folder and runs the program on it until it
// ends by itself, pumping the simulator meanwhile (it may be null).
ScriptedRun runScripted(const WorkFolder& folder, const std::vector<std::string>& script,
    SimProcess* sim, int timeoutMs = 100000);

// The body of the section titled `title` (Windows-1252): the bytes after its
// title line, up to the next blank-padded reserve or the end.
std::string sectionBody(const std::string& file, const std::string& title, std::size_t length);

// Points the folder's interface settings at the simulator's port as an RC2.
void useSimulatedRc2(const WorkFolder& folder, const std::string& link);

// The race built in dir/prep as the participants, composition and grid
// dialogs do, copied to dir/"Qualifs.race" whose path is returned.
std::filesystem::path buildRaceFile(const std::filesystem::path& dir, const RaceSpec& spec);

// Passings in time order for transponders firstTransponder+1..+cars: car k
// crosses `crossings` times, first at startMs + gapMs*k, then every
// lapMs + 100*k ms.
std::string staggeredPassings(
    int firstTransponder, int cars, int crossings, int startMs, int gapMs, int lapMs);

// The simulator as an RC2 playing `passings` in sync with the start clock,
// the folder's interface pointed at it; `extra`: further options ("--pace").
std::unique_ptr<SimProcess> startScenarioSim(const std::filesystem::path& dir,
    const WorkFolder& work, const std::string& passings, const QStringList& extra = {});

// kestrametrix-cli run to its end with these arguments; exit code -1 for a
// crash or a hang.
struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};
CliRun runCli(const QStringList& arguments);

// A category "Juniors" of three pilots (PILOTE A to C, transponders 000501
// to 000503) in one heat of one round, on "Plage Sud".
RaceSpec threeJuniors();

// Their heat of two laps each, PILOTE B's passings corrected by hand to 3.
RunEntryTable correctedJuniorsHeat();

} // namespace ksy::test
