#pragma once
// A working folder with a race whose category 1 has participants and a plan,
// as the participants dialog leaves it.
#include "race/heat_plan.h"
#include "race/participants.h"
#include "storage/race_file.h"
#include "storage/work_folder.h"
#include "support/fakes.h"

#include <string>

namespace ksy::test {

// "P001", "P002" ...: names that sort in plan order.
inline std::string pilotName(int i)
{
    std::string n = std::to_string(i);
    return "P" + std::string(3 - std::min<std::size_t>(3, n.size()), '0') + n;
}

struct CompositionRace {
    TempDir dir;
    WorkFolder folder {dir.path()};
    Race race;
    ParticipantList list;
    HeatPlan plan;

    std::filesystem::path file() const { return workingRaceFile(folder); }

    // count participants P001..., entered in order, category "Cadets".
    explicit CompositionRace(int count, bool withSections = true)
    {
        createNewRaceFile(file(), race);
        race.renameCategory(1, "Cadets");
        race.category(1).participants = count;
        for (int i = 0; i < count; ++i) {
            list.at(i).name = pilotName(i + 1);
            list.at(i).transponder = "0" + std::to_string(10000 + i);
            plan.at(i) = pilotName(i + 1);
        }
        writeRaceHeader(file(), race.header);
        if (withSections)
            save();
    }

    void save()
    {
        writeParticipantList(file(), 1, list, true);
        writeHeatPlan(file(), 1, plan, true);
    }
    void setFreq1(int participant, const std::string& freq)
    {
        list.at(participant).frequencies[0] = freq;
    }
    RaceHeader header() const
    {
        RaceHeader h;
        readRaceHeader(file(), h);
        return h;
    }
    HeatPlan storedPlan() const
    {
        HeatPlan p;
        readHeatPlan(file(), 1, p);
        return p;
    }
};

} // namespace ksy::test
