#include "app/demo_race.h"

#include "databases/database_files.h"
#include "databases/database_loaders.h"
#include "databases/database_writers.h"
#include "planning/heat_composition_form.h"
#include "planning/participants_form.h"
#include "planning/race_track.h"
#include "planning/starting_grid_form.h"
#include "storage/race_file.h"

#include <algorithm>
#include <cstdio>

namespace ksy {
namespace {

bool addMissingPilots(const WorkFolder& folder, const RaceSpec& spec)
{
    const auto file = folder.file(kPilotFile);
    std::vector<Pilot> pilots = loadPilots(file).records;
    pilots.erase(
        std::remove_if(pilots.begin(), pilots.end(), [](const Pilot& p) { return p.name.empty(); }),
        pilots.end());
    for (const RacePilotSpec& p : spec.pilots) {
        const auto same = [&](const Pilot& q) { return q.name == p.name; };
        if (std::none_of(pilots.begin(), pilots.end(), same)) {
            Pilot pilot;
            pilot.name = p.name;
            pilot.transponder = p.transponder;
            pilots.push_back(pilot);
        }
    }
    std::sort(pilots.begin(), pilots.end(),
        [](const Pilot& a, const Pilot& b) { return a.name < b.name; });
    return writePilots(file, pilots);
}

bool addMissingCourse(const WorkFolder& folder, const RaceSpec& spec, Prompts& prompts)
{
    std::vector<Course> courses;
    loadCourseDatabase(folder, prompts, courses);
    const auto same = [&](const Course& c) { return c.name == spec.trackName; };
    if (std::any_of(courses.begin(), courses.end(), same))
        return true;
    Course course;
    course.name = spec.trackName;
    course.place = spec.trackPlace;
    course.lapProtectionTime = std::to_string(spec.lapProtectionSeconds);
    courses.push_back(course);
    return writeCourses(folder.file(kCourseFile), courses);
}

bool buildCategory(const WorkFolder& folder, int c, const RaceCategorySpec& spec, Prompts& prompts)
{
    {
        ParticipantsForm form(folder, c, prompts);
        for (const std::string& name : spec.pilots) {
            const auto& pilots = form.pilots();
            const auto it = std::find_if(pilots.begin(), pilots.end(),
                [&](const PilotSummary& p) { return p.name == name; });
            if (it == pilots.end() || !form.enter(static_cast<int>(it - pilots.begin())))
                return false;
        }
        if (!form.save())
            return false;
    }
    {
        HeatCompositionForm form(folder, c, prompts);
        form.typeText(HeatCompositionForm::PilotsPerHeatEdit, std::to_string(spec.pilotsPerHeat));
        form.typeText(HeatCompositionForm::RoundsEdit, std::to_string(spec.rounds));
        if (!form.generate())
            return false;
    }
    StartingGridForm grids(folder, c, prompts);
    for (std::size_t i = 0; i < spec.grids.size(); ++i)
        grids.typeText(StartingGridForm::roundEdit(static_cast<int>(i) + 2), spec.grids[i]);
    if (!grids.confirm()) {
        grids.closeWithoutConfirming();
        return false;
    }
    return true;
}

} // namespace

bool buildRace(const WorkFolder& folder, const RaceSpec& spec, Prompts& prompts)
{
    if (!addMissingPilots(folder, spec) || !addMissingCourse(folder, spec, prompts))
        return false;
    const auto file = workingRaceFile(folder);
    RaceTrack track;
    track.raceName = spec.raceName;
    track.trackName = spec.trackName;
    track.lapProtectionSeconds = spec.lapProtectionSeconds;
    if (writeRaceTrack(file, track, &prompts) != RewriteResult::Written)
        return false;
    Race race;
    if (!loadRace(file, race))
        return false;
    for (std::size_t i = 0; i < spec.categories.size(); ++i) {
        const int c = static_cast<int>(i) + 1;
        if (c > race.categoryCount() && !race.addCategory())
            return false;
        race.renameCategory(c, spec.categories[i].name);
    }
    if (!writeRaceHeader(file, race.header))
        return false;
    for (std::size_t i = 0; i < spec.categories.size(); ++i)
        if (!buildCategory(folder, static_cast<int>(i) + 1, spec.categories[i], prompts))
            return false;
    return true;
}

RaceSpec demoRaceSpec()
{
    static const char* const names[] = {"ARNAUD Paul", "BERTIN Lucie", "CARON Hugo", "DUBOIS Emma",
        "FABRE Louis", "GARNIER Chlo\xE9", "HENRY Jules", "JOLY Manon", "LAMBERT Nathan",
        "LEROY L\xE9\x61", "MARTIN Th\xE9o", "MOREAU In\xE8s", "NOEL Adam", "PERRIN Camille",
        "RENARD Tom", "ROUX Zo\xE9", "SIMON Lucas", "THOMAS Jade", "VIDAL Enzo", "WEBER Sarah",
        "AUBERT Yann", "BLANC Marie", "COLIN Maxime", "DURAND Alice"};
    RaceSpec spec;
    spec.raceName = "Course de d\xE9monstration";
    spec.trackName = "Plage de d\xE9monstration";
    spec.trackPlace = "Berck";
    spec.lapProtectionSeconds = 2;
    RaceCategorySpec classe5 {"Classe 5", {}, 7, 2, {"GFEDCBA"}};
    RaceCategorySpec standart {"Standart", {}, 5, 2, {"EDCBA"}};
    for (int i = 0; i < 24; ++i) {
        const std::string name = names[i];
        char transponder[8];
        std::snprintf(transponder, sizeof transponder, "%06d", 20101 + i);
        spec.pilots.push_back({name, transponder});
        (i < 14 ? classe5 : standart).pilots.push_back(name);
    }
    spec.categories = {classe5, standart};
    return spec;
}

} // namespace ksy
