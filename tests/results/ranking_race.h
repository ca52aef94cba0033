#pragma once
// A race file for the ranking tests: category 1 with its participants, its
// heat plan, a track, and stored heats of pilots given as name, laps, total
// time and best lap.
#include "planning/race_track.h"
#include "race/heat_plan.h"
#include "race/participants.h"
#include "results/heat_result_section.h"
#include "storage/race_file.h"
#include "storage/section_titles.h"

#include <filesystem>
#include <string>
#include <vector>

namespace ksy::test {

struct SlotResult {
    std::string name; // "(NA)" for an empty slot
    int laps = 0;
    int totalTime = 0;
    int bestLap = 0;
};

class RankingRace {
public:
    // n participants "P01".."Pnn" (or the given names), pilotsPerHeat, rounds.
    RankingRace(const std::filesystem::path& file, std::vector<std::string> names,
        int pilotsPerHeat, int rounds, int resultsStored = 1)
        : file_(file)
        , names_(std::move(names))
    {
        Race race;
        createNewRaceFile(file_, race);
        RaceTrack track {"Grand Prix", "CCV", "Plage Nord", 5};
        writeRaceTrack(file_, track);
        ParticipantList list;
        HeatPlan plan;
        plan.pilotsPerHeat = pilotsPerHeat;
        plan.rounds = rounds;
        plan.resultsStored = resultsStored;
        for (std::size_t i = 0; i < names_.size(); ++i) {
            list.at(static_cast<int>(i)).name = names_[i];
            plan.at(static_cast<int>(i)) = names_[i];
        }
        writeParticipantList(file_, 1, list, true);
        writeHeatPlan(file_, 1, plan, true);
        race.header.categories.category(1).participants = static_cast<int>(names_.size());
        race.header.categories.category(1).resultsStored = resultsStored;
        race.header.categories.category(1).rounds = rounds;
        race.header.categories.category(1).heatsPerRound = plan.heatsPerRound();
        writeRaceHeader(file_, race.header);
    }

    static std::vector<std::string> numbered(int n)
    {
        std::vector<std::string> out;
        for (int i = 1; i <= n; ++i)
            out.push_back((i < 10 ? "P0" : "P") + std::to_string(i));
        return out;
    }

    void storeHeat(int round, int heat, const std::vector<SlotResult>& slots)
    {
        RunEntryTable t;
        clearToEmptySlots(t);
        for (std::size_t k = 0; k < slots.size(); ++k) {
            RunEntry& e = t.slot(static_cast<int>(k) + 1);
            e.pilotName = slots[k].name;
            e.laps = e.passingCount = slots[k].laps;
            e.totalTime = slots[k].totalTime;
            e.bestLap = slots[k].bestLap;
        }
        storeHeatResult(file_, heatResultTitle(1, round, heat), 10, t, HeatResultTexts {});
    }

    const std::filesystem::path& file() const { return file_; }

private:
    std::filesystem::path file_;
    std::vector<std::string> names_;
};

} // namespace ksy::test
