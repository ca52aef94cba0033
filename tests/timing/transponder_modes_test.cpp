#include "timing/transponder_modes.h"

#include <gtest/gtest.h>

namespace ksy {
namespace {

TEST(TransponderModes, RadioButtonsShowTheirControlsAndAreRefusedWhileLocked)
{
    TransponderModes m;
    EXPECT_EQ(m.mode(), TransponderMode::Personal);
    EXPECT_EQ(m.controls(), (TransponderControls {false, false, false}));

    EXPECT_TRUE(m.choose(TransponderMode::Club, false));
    EXPECT_EQ(m.controls(), (TransponderControls {true, false, false}));
    EXPECT_TRUE(m.clubChoiceActive());
    m.endClubChoice(); // "Modifier résultats série"
    EXPECT_FALSE(m.clubChoiceActive());
    EXPECT_EQ(m.mode(), TransponderMode::Club);

    EXPECT_TRUE(m.choose(TransponderMode::Mixed, false));
    EXPECT_EQ(m.controls(), (TransponderControls {false, true, true}));
    EXPECT_FALSE(m.choose(TransponderMode::Personal, true)); // heat running or scan
    EXPECT_EQ(m.mode(), TransponderMode::Mixed);

    // Choosing a pack is choosing club transponders.
    EXPECT_FALSE(m.selectPack(3, true));
    EXPECT_FALSE(m.selectPack(20, false));
    EXPECT_TRUE(m.selectPack(3, false));
    EXPECT_EQ(m.mode(), TransponderMode::Club);
    EXPECT_EQ(m.pack(), 3);
}

TEST(TransponderModes, PersonalTranspondersAndRadioConflictComeFromTheParticipantList)
{
    ParticipantList list;
    list.at(0) = {"Arnaud", "000101", {"27.145", "", "", "", ""}};
    list.at(1) = {"Denis", "000104", {"2.4Ghz", "", "", "", ""}};
    list.at(2) = {"Emile", "000105", {"", "2.4Ghz", "", "", "27.195"}};
    list.at(3) = {"Arnaud", "000909", {"", "", "", "", ""}}; // listed twice: the last wins
    RunEntryTable t;
    clearToEmptySlots(t);
    t.slot(1).pilotName = "Arnaud";
    t.slot(2).pilotName = "Denis";
    t.slot(3).pilotName = "Emile";
    t.slot(4).pilotName = "Inconnu";
    t.slot(4).transponder = "000777";

    RunEntryTable club = t;
    assignTransponders(club, TransponderMode::Club, list);
    EXPECT_EQ(club.slot(4).transponder, "000777");
    assignTransponders(t, TransponderMode::Personal, list);
    EXPECT_EQ(t.slot(1).transponder, "000909");
    EXPECT_EQ(t.slot(2).transponder, "000104");
    EXPECT_EQ(t.slot(4).transponder, ""); // not a participant
    EXPECT_EQ(t.slot(5).transponder, "");

    // Denis and Emile both on 2.4Ghz; the second Arnaud has no frequency.
    EXPECT_FALSE(hasRadioConflict(t, list));
    list.at(3).frequencies[1] = "27.195"; // now shared with Emile's fifth
    EXPECT_TRUE(hasRadioConflict(t, list));
    t.slot(3).pilotName = "(NA)";
    EXPECT_FALSE(hasRadioConflict(t, list));
}

TEST(TransponderModes, ClubListOffersThePackAndAChoiceFollowsThePilot)
{
    TransponderPack pack;
    pack.label = "CVB";
    for (int i = 0; i < 20; ++i)
        pack.transponders[static_cast<std::size_t>(i)] = "0002" + std::to_string(10 + i);
    ClubTransponderList list = clubTransponderList(pack, "000213");
    ASSERT_EQ(list.entries.size(), 20u);
    EXPECT_EQ(list.entries[0], "000210");
    EXPECT_EQ(list.selected, 3);
    EXPECT_FALSE(clubTransponderList(pack, "000101").selected.has_value());

    RunEntryTable t;
    clearToEmptySlots(t);
    t.slot(1).pilotName = "Arnaud";
    t.slot(2).pilotName = "Denis";
    resetRunData(t);
    Standings s;
    computeStandings(t, RankingMode::LapsThenTime, s);
    ASSERT_EQ(s.count, 2);
    const int denis = s.rows[0].pilotName == "Denis" ? 0 : 1;
    EXPECT_TRUE(chooseClubTransponder(t, s, denis, "000215"));
    EXPECT_EQ(t.slot(2).transponder, "000215");
    EXPECT_EQ(t.slot(1).transponder, "");
    EXPECT_EQ(s.board[static_cast<std::size_t>(denis)].transponder, "000215");
    EXPECT_EQ(s.board[static_cast<std::size_t>(1 - denis)].transponder, "");
    EXPECT_FALSE(chooseClubTransponder(t, s, 2, "000216"));
}

} // namespace
} // namespace ksy
