#include "heat_session_fixture.h"
#include "storage/race_tree.h"

#include <gtest/gtest.h>

namespace ksy {
namespace {

using test::giveLaps;
using test::SessionRace;

const std::string kDescription = "Dur\xE9"
                                 "e 0:12:00 - DEPARTSignalSonore - FINTEMPSCharsVoile - D\xE9"
                                 "part 04/05/2024 14:07";

std::string emptyLine()
{
    return "(NA)\t0\t0\t0\t0\t0\t0\t\n";
}

// The area of a section with `reserve` pairs and `body` written over its start.
std::string area(int reserve, const std::string& body)
{
    std::string out;
    for (int i = 0; i < reserve; ++i)
        out += "1\t";
    out += "\n";
    return out.replace(0, body.size(), body);
}

void replaceOnce(std::string& bytes, const std::string& from, const std::string& to)
{
    const std::size_t at = bytes.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    bytes.replace(at, from.size(), to);
}

TEST(HeatSession, LoadSeatsThePilotsByTheGridWithTheirTranspondersAndTexts)
{
    SessionRace r;
    LoadedHeat h = r.load(1, 1);
    // Grid "CAB": slot 1 takes line 3, slot 2 line 1, slot 3 line 2.
    EXPECT_EQ(h.slots.slot(1).pilotName, "Claude");
    EXPECT_EQ(h.slots.slot(2).pilotName, "Arnaud");
    EXPECT_EQ(h.slots.slot(3).transponder, "000102");
    EXPECT_EQ(h.slots.slot(4).pilotName, "(NA)");
    EXPECT_EQ(h.slots.slot(20).number, 20);
    EXPECT_TRUE(h.radioConflict); // 27.145 twice, as frequency 1 and frequency 3
    EXPECT_EQ(h.options.minutes, 12);
    EXPECT_EQ(r.session.sectionTitle(), "Cat\xE9gorie1M1S1");

    // Heat 2: the grid's line 3 lies beyond the plan.
    h = r.load(1, 2);
    EXPECT_EQ(h.slots.slot(1).pilotName, "(NA)");
    EXPECT_EQ(h.slots.slot(2).pilotName, "Denis");
    EXPECT_FALSE(h.radioConflict); // both on 2.4Ghz
    EXPECT_EQ(r.session.headings(),
        (HeatHeadings {" Espoirs - Manche1 - S\xE9rie2 ", "CATEGORIE : Espoirs",
            "Manche1 - S\xE9rie2", "Course : Berck - Plage nord"}));

    // Club transponders are chosen row by row, not given at load.
    h = r.load(2, 1, TransponderMode::Club);
    EXPECT_EQ(h.slots.slot(1).pilotName, "Arnaud");
    EXPECT_EQ(h.slots.slot(1).transponder, "");
    EXPECT_TRUE(r.prompts.boxes.empty());
    r.session.load(r.race, 13010, TransponderMode::Personal, r.courses, r.prompts);
    EXPECT_FALSE(r.session.showsHeat());
}

TEST(HeatSession, StoringAHeatWritesTheSectionFlagsAndResultsFlagsByteForByte)
{
    SessionRace r;
    LoadedHeat h = r.load(1, 2);
    RunEntryTable slots = h.slots;
    resetRunData(slots); // as the heat run holds them: empty slots carry sort keys
    giveLaps(slots.slot(2), 3);
    r.session.heatStarted(kDescription);
    r.session.texts().comment = "Vent fort";
    std::string expected = r.bytes();

    const HeatStoreOutcome o = r.session.storeShownHeat(r.race, slots, false, r.prompts);
    EXPECT_TRUE(o.written);
    EXPECT_EQ(o.treeCode, 13102);
    EXPECT_EQ(o.treeImage, treeimage::HeatWithResults);
    EXPECT_TRUE(r.prompts.boxes.empty());

    replaceOnce(
        expected, "10000\t1\tEspoirs\t5\t0\t0\t2\t2\t0\t", "10000\t1\tEspoirs\t5\t1\t0\t2\t2\t0\t");
    replaceOnce(
        expected, "R\xE9partitionQualifs\t\n0\t3\t2\t", "R\xE9partitionQualifs\t\n1\t3\t2\t");
    replaceOnce(
        expected, "GrilleD\xE9partQualifs\t\n0\t3\t2\t", "GrilleD\xE9partQualifs\t\n1\t3\t2\t");
    replaceOnce(expected, "DrapeauxTreeview\t\n0\t0\t0\t", "DrapeauxTreeview\t\n0\t1\t0\t");
    std::string body = emptyLine() +
        "Denis\t3\t3\t180500\t59500\t59500\t0\t60000\t121000\t180500\t\n" +
        "Emile\t0\t0\t0\t0\t0\t0\t\n";
    for (int k = 4; k <= 20; ++k)
        body += emptyLine();
    body += kDescription + "\tVent fort\tSec\t\n";
    expected += "\nCat\xE9gorie1M1S2\t\n" + area(617 * 3 + 565, body);
    EXPECT_EQ(r.bytes(), expected);

    EXPECT_EQ(r.race.heatFlags.get(1, 1, 2), 1);
    EXPECT_EQ(r.race.category(1).resultsStored, 1);
}

TEST(HeatSession, AStoredHeatLoadsBackAndErasedResultsAreStoredEmpty)
{
    SessionRace r;
    RunEntryTable slots = r.load(1, 2).slots;
    giveLaps(slots.slot(2), 3);
    giveLaps(slots.slot(3), 1);
    r.session.heatStarted(kDescription);
    r.session.texts().condition = "Pluie";
    ASSERT_TRUE(r.session.storeShownHeat(r.race, slots, false, r.prompts).written);

    r.load(1, 1); // another heat in between
    r.session.texts().condition = "Sec";
    const LoadedHeat back = r.load(1, 2);
    EXPECT_TRUE(r.session.hasResults());
    // Every stored field comes back: the same table gives the same section.
    EXPECT_EQ(formatHeatResultBody(back.slots, r.session.texts()),
        formatHeatResultBody(slots, r.session.texts()));
    EXPECT_EQ(back.slots.slot(2).transponder, "000104"); // given again by the mode
    EXPECT_EQ(r.session.texts().description, kDescription);
    EXPECT_EQ(r.session.texts().condition, "Pluie");

    // Erased by the official: nothing has results any more, yet the heat is
    // stored (as cleared slots) because it had results when it was loaded.
    RunEntryTable erased = back.slots;
    resetRunData(erased);
    r.session.heatErased();
    const std::size_t size = r.bytes().size();
    const HeatStoreOutcome o = r.session.storeShownHeat(r.race, erased, false, r.prompts);
    EXPECT_TRUE(o.written);
    EXPECT_EQ(o.treeImage, treeimage::Heat);
    EXPECT_EQ(r.race.heatFlags.at(1), 0);
    EXPECT_EQ(r.bytes().size(), size); // rewritten in place
    RaceHeader header;
    ASSERT_TRUE(readRaceHeader(r.file(), header));
    EXPECT_EQ(header.categories.category(1).resultsStored, 1); // never back to 0
    const std::string bytes = r.bytes();
    const std::string section = "Cat\xE9gorie1M1S2\t\n" + emptyLine() +
        "Denis\t0\t0\t0\t0\t0\t0\t\nEmile\t0\t0\t0\t0\t0\t0\t\n";
    EXPECT_NE(bytes.find(section), std::string::npos);
    EXPECT_NE(bytes.find(emptyLine() + ".\t\tPluie\t\n"), std::string::npos);
}

TEST(HeatSession, AHeatIsStoredOnlyWithResultsOrWhenTheRunMarkedItDirty)
{
    SessionRace r;
    RunEntryTable slots = r.load(1, 1).slots;
    const std::string before = r.bytes();
    EXPECT_FALSE(r.session.storeShownHeat(r.race, slots, false, r.prompts).due);
    EXPECT_EQ(r.bytes(), before);

    // An empty heat that was started is stored empty, with the plain image.
    const HeatStoreOutcome o = r.session.storeShownHeat(r.race, slots, true, r.prompts);
    EXPECT_TRUE(o.written);
    EXPECT_EQ(o.treeCode, 13101);
    EXPECT_EQ(o.treeImage, treeimage::Heat);
    EXPECT_EQ(r.race.category(1).resultsStored, 1);
    EXPECT_NE(
        r.bytes().find("Cat\xE9gorie1M1S1\t\nClaude\t0\t0\t0\t0\t0\t0\t\n"), std::string::npos);

    r.session.forget(); // the board shows no heat any more
    giveLaps(slots.slot(1), 2);
    EXPECT_FALSE(r.session.storeShownHeat(r.race, slots, true, r.prompts).due);
}

TEST(HeatSession, AMissingRaceFileIsReportedOnceAndChangesNothing)
{
    SessionRace r;
    std::filesystem::remove(r.file());
    const LoadedHeat h = r.load(1, 1);
    EXPECT_FALSE(h.opened);
    EXPECT_EQ(h.slots.pilotCount(), 0);
    EXPECT_EQ(r.prompts.texts(),
        std::vector<std::string> {"Erreur: impossible d'ouvrir le fichier Course"});

    RunEntryTable slots = h.slots;
    slots.slot(1).pilotName = "Claude";
    giveLaps(slots.slot(1), 1);
    EXPECT_FALSE(r.session.storeShownHeat(r.race, slots, false, r.prompts).written);
    EXPECT_EQ(r.prompts.boxes.size(), 2u);
    EXPECT_EQ(r.race.category(1).resultsStored, 0);
    EXPECT_FALSE(std::filesystem::exists(r.file()));
}

TEST(HeatSession, TheDescriptionFollowsTheStartAndTheEraseOfTheHeatRun)
{
    SessionRace r;
    test::FakeClock clock;
    NoHeatDecoder decoder(clock);
    test::RecordingSoundPlayer sounds;
    HeatRun run(clock, decoder, sounds, r.prompts, r.wf);
    run.setLocalTime([] { return LocalDateTime {2024, 5, 4, 14, 7}; });
    HeatDescriptionFollower follower(r.session, run);
    run.setListener(&follower);

    const LoadedHeat h = r.load(1, 2);
    run.setOptions(h.options);
    run.loadHeat(h.slots);
    run.depart();
    for (std::int64_t t = 0; t <= 6000 && !run.state().running; t += 10) {
        clock.set(t);
        run.tick(t);
    }
    ASSERT_TRUE(run.state().running);
    run.manualPassing(2);
    EXPECT_TRUE(r.session.texts().description.empty()); // not before the heat ends
    run.arret();
    EXPECT_EQ(r.session.texts().description, kDescription);

    r.session.texts().comment = "Vent fort";
    run.effacer(); // the question is answered Yes
    EXPECT_EQ(r.session.texts().description, ".");
    EXPECT_EQ(r.session.texts().comment, "");
}

} // namespace
} // namespace ksy
