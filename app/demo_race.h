#pragma once
// A race built in a working folder through the same forms the dialogs use:
// pilots in the pilot database, the race's track, categories, participants,
// heat composition and starting grids. The demo mode starts from it, and the
// end-to-end tests build their races with it.
#include "services/prompts.h"
#include "storage/work_folder.h"

#include <string>
#include <vector>

namespace ksy {

struct RacePilotSpec {
    std::string name; // Windows-1252
    std::string transponder; // digits
};

struct RaceCategorySpec {
    std::string name; // Windows-1252
    std::vector<std::string> pilots; // names, entered in this order
    int pilotsPerHeat = 10;
    int rounds = 1;
    // Letters of rounds 2, 3, ... (round 1 is always in grid order).
    std::vector<std::string> grids;
};

struct RaceSpec {
    std::string raceName; // Windows-1252
    std::string trackName; // a course added to the course database when missing
    std::string trackPlace;
    int lapProtectionSeconds = 2;
    std::vector<RacePilotSpec> pilots; // added to the pilot database when missing
    std::vector<RaceCategorySpec> categories;
};

// Builds the race into the folder's working race file (which must exist).
// False when a step failed (its box was shown through `prompts`).
bool buildRace(const WorkFolder& folder, const RaceSpec& spec, Prompts& prompts);

// The demo race: two categories, 24 pilots with transponders, heats composed
// and starting grids set.
RaceSpec demoRaceSpec();

} // namespace ksy
