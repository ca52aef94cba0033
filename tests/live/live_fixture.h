#pragma once
// A race file with one category of one round of two heats, the first one
// stored with a hostile pilot name, and the round and global rankings, as the
// live site reads them.
#include "race/participants.h"
#include "results/heat_result_section.h"
#include "results/ranking_sections.h"
#include "storage/race_file.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

namespace ksy::test {

// Windows-1252: an accent, quotes and markup in one name.
inline const std::string kHostileName = "<script>alert(\"Zo\xE9'\")</script>";

// The bytes of the race file "Course.race" made in dir, with its rankings.
inline std::string hostileRaceBytes(const TempDir& dir)
{
    const auto file = dir.path() / "Course.race";
    Race race;
    EXPECT_TRUE(createNewRaceFile(file, race));
    race.header.categories.category(1).name = "Tabur & <Standart>";
    race.header.categories.category(1).rounds = 1;
    race.header.categories.category(1).participants = 2;
    ParticipantList list;
    list.at(0).name = "Lent";
    list.at(1).name = kHostileName;
    EXPECT_EQ(writeParticipantList(file, 1, list, true), RewriteResult::Written);
    race.header.categories.category(1).heatsPerRound = 2;
    EXPECT_TRUE(writeRaceHeader(file, race.header));
    RunEntryTable table;
    clearToEmptySlots(table);
    table.slot(1).pilotName = "Lent";
    table.slot(1).passingCount = 2;
    table.slot(1).laps = 1;
    table.slot(1).totalTime = 130000;
    table.slot(1).bestLap = 70000;
    table.slot(1).lapTotals[1] = 70000;
    table.slot(2).pilotName = kHostileName;
    table.slot(2).passingCount = 3;
    table.slot(2).laps = 2;
    table.slot(2).totalTime = 125000;
    table.slot(2).bestLap = 60000;
    table.slot(2).lapTotals[1] = 65000;
    table.slot(2).lapTotals[2] = 125000;
    const HeatResultTexts texts {"Dur\xE9"
                                 "e 0:10:00",
        "Vent <fort> & \"rafales\"", "Sec"};
    EXPECT_EQ(storeHeatResult(file, "Cat\xE9gorie1M1S1", 20, table, texts), RewriteResult::Written);
    // The round ranking and the global ranking, as their dialogs store them.
    RoundRankingRows rows = emptyRoundRankingRows();
    rows[0] = {kHostileName, 2, 125000, 60000, 0};
    rows[1] = {"Lent", 1, 130000, 70000, 2};
    EXPECT_EQ(storeRoundRanking(file, 1, 1, RankingMode::LapsThenTime, PointsScale {}, rows, 2),
        RewriteResult::Written);
    StoredGlobalRanking global;
    global.names = {kHostileName, "Lent"};
    EXPECT_EQ(storeGlobalRanking(file, 1, global, 2), RewriteResult::Written);
    return readFile(file);
}

} // namespace ksy::test
