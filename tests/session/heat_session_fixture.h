#pragma once
// A working folder with a race of one category "Espoirs": five participants
// (A to E) in a plan of 3 pilots per heat over 2 rounds, so 2 heats a round;
// round 1 seats its heats by the grid "CAB", round 2 line by line.
#include "planning/race_track.h"
#include "planning/starting_grid.h"
#include "race/heat_plan.h"
#include "race/participants.h"
#include "race/race_options.h"
#include "session/heat_session.h"
#include "storage/race_file.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

namespace ksy::test {

inline const char* const kPilots[] = {"Arnaud",
    "B\351atrice",
    "Claude", "Denis", "Emile"};

struct SessionRace {
    SessionRace()
    {
        EXPECT_TRUE(createNewRaceFile(file(), race));
        race.category(1).name = "Espoirs";
        race.category(1).participants = 5;
        race.category(1).rounds = 2;
        race.category(1).heatsPerRound = 2;
        EXPECT_TRUE(writeRaceHeader(file(), race.header));

        ParticipantList list;
        for (int i = 0; i < 5; ++i) {
            list.at(i).name = kPilots[i];
            list.at(i).transponder = "00010" + std::to_string(i + 1);
        }
        list.at(0).frequencies[0] = "27.145";
        list.at(1).frequencies[2] = "27.145"; // Arnaud and Béatrice share it
        list.at(3).frequencies[0] = "2.4Ghz";
        list.at(4).frequencies[0] = "2.4Ghz"; // never a conflict
        EXPECT_EQ(writeParticipantList(file(), 1, list, true), RewriteResult::Written);

        HeatPlan plan;
        plan.pilotsPerHeat = 3;
        plan.rounds = 2;
        for (int i = 0; i < 5; ++i)
            plan.at(i) = kPilots[i];
        EXPECT_EQ(writeHeatPlan(file(), 1, plan, true), RewriteResult::Written);

        StartingGrids grids;
        grids.pilotsPerHeat = 3;
        grids.rounds = 2;
        setGridLetters(grids.round(1), "CAB", 3);
        setGridLetters(grids.round(2), "ABC", 3);
        EXPECT_EQ(writeStartingGrids(file(), 1, grids), RewriteResult::Written);

        RaceOptions options;
        options.minutes = 12;
        EXPECT_EQ(writeRaceOptions(wf, 1, options), RaceOptionsIo::Ok);

        RaceTrack track;
        track.raceName = "Coupe";
        track.trackName = "Berck";
        EXPECT_EQ(writeRaceTrack(file(), track), RewriteResult::Written);
        EXPECT_TRUE(loadRace(file(), race));

        Course berck;
        berck.name = "Berck";
        berck.place = "Plage nord";
        courses.push_back(berck);
    }

    std::filesystem::path file() const { return workingRaceFile(wf); }
    std::string bytes() const { return readFile(file()); }

    LoadedHeat load(int round, int heat, TransponderMode mode = TransponderMode::Personal)
    {
        return session.load(race, heatSelectionCode({1, round, heat}), mode, courses, prompts);
    }

    TempDir dir;
    WorkFolder wf {dir.path()};
    Race race;
    std::vector<Course> courses;
    FakePrompts prompts;
    HeatSession session {wf};
};

// Laps ending at 60 s, 121 s and 180.5 s from the heat start (laps of 60,
// 61 and 59.5 s).
inline void giveLaps(RunEntry& e, int laps)
{
    static const std::int32_t totals[] = {0, 60000, 121000, 180500};
    e.passingCount = e.laps = laps;
    e.bestLap = 0;
    for (int k = 1; k <= laps; ++k) {
        const std::int32_t lap = totals[k] - totals[k - 1];
        e.lapTotals[static_cast<std::size_t>(k)] = totals[k];
        e.lapTimes[static_cast<std::size_t>(k)] = lap;
        if (e.bestLap == 0 || lap < e.bestLap)
            e.bestLap = lap;
    }
    e.totalTime = totals[laps];
}

} // namespace ksy::test
