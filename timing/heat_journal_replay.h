#pragma once
// Runs one heat of a scenario (timing/heat_journal_scenario.h) on a fake
// clock and a fake decoder and writes its outcome as text:
//   sound  <host ms> <file> [wait]
//   stop   <host ms>
//   row    <board texts> <name> <transponder> <finished> <holdsHeatBest> <newPersonalBest>
//   entry  <k> <name> <passingCount> <laps> <totalTime> <bestLap> <ownStart> <finished>
//          <lapTotals 0..laps> <lapTimes 0..laps>
//   heat   <heat best lap> <heat title>
//   record <record ms> <holder>                      (only with a track)
// Host time starts at 0 with the heat loaded; the tick runs every 10 ms up to
// the end; actions dated T run at T, before the tick at T; a passing is read
// by the first tick at or after its time. The counter runs at 1 MHz.
#include "storage/work_folder.h"
#include "timing/heat_journal_scenario.h"

#include <functional>
#include <string>

namespace ksy {

// The working folder receives what the heat writes on the way (the course
// database, the detailed results after "Effacer"); give a scratch folder.
// `atEnd` sees the heat as it stands at the end (to render its board).
std::string replayHeat(const HeatScenario& scenario, const WorkFolder& scratch,
                       const std::function<void(const HeatRun&)>& atEnd = {});

// The row, entry, heat and record lines of a heat as it stands.
std::string heatOutcomeText(const HeatRun& run);

} // namespace ksy
