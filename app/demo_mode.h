#pragma once
// "kestrametrix --demo": the demo race in the working race file and the
// decoder simulator on a pseudo-terminal, which feeds the passings of a
// realistic heat each time "Depart" starts the decoder's clock.
#include "app/demo_race.h"
#include "services/prompts.h"
#include "storage/work_folder.h"

#include <QProcess>
#include <string>

namespace ksy {

// The demo heat's passings, "<ms> <transponder>" from the start of the heat:
// every pilot of the demo race laps at its own pace with a little variation.
std::string demoScenario(const RaceSpec& spec, int laps);

class DemoDecoder {
public:
    ~DemoDecoder();
    // Starts the simulator found beside the program and points the interface
    // settings of the folder at its port. False (and a box) when it cannot.
    bool start(const WorkFolder& folder, const RaceSpec& spec, Prompts& prompts);

private:
    QProcess process_;
};

// The simulator program beside this one (installed or in the build tree);
// empty when there is none.
std::string decoderSimulatorPath();

} // namespace ksy
