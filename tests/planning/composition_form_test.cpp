#include "composition_fixture.h"
#include "planning/heat_composition_form.h"
#include "storage/section_titles.h"

#include <gtest/gtest.h>

using namespace ksy;
using namespace ksy::test;

namespace {

using F = HeatCompositionForm;

const std::string kPlanNotFound =
    "Erreur: Intitul\xC3\xA9 de R\xC3\xA9partition des qualifs non trouv\xC3\xA9";

// The pixel inside the up arrow of visible row `row` (1..19), and inside the
// down arrow of row `row` (0..18).
int upY(int row)
{
    return 154 + 22 * row + 5;
}
int downY(int row)
{
    return 154 + 22 * row + 5;
}
constexpr int kUpX = 355;
constexpr int kDownX = 375;

// Moves the entry at `entry` (from 0) one place up with its up arrow,
// scrolling first so that it stands in rows 1..19.
bool clickUp(F& form, SoundPlayer& sounds, int entry)
{
    if (entry - form.scrollPosition() < 1 || entry - form.scrollPosition() > 19)
        form.scrollTo(entry - 10);
    return form.press(kUpX, upY(entry - form.scrollPosition()), sounds);
}

int pilotsIn(const HeatComposition& c, int heat)
{
    int n = 0;
    for (int k = 1; k <= c.pilotsPerHeat(); ++k)
        n += c.isEmpty(planEntryIndex(heat, k, c.pilotsPerHeat())) ? 0 : 1;
    return n;
}

} // namespace

TEST(CompositionForm, HeatCountsFollowPilotsPerHeatAndEmptySlots)
{
    CompositionRace race(25);
    FakePrompts prompts;
    RecordingSoundPlayer sounds;
    F form(race.folder, 1, prompts);
    EXPECT_TRUE(prompts.boxes.empty());
    EXPECT_EQ(form.categoryName(), "Cadets");
    EXPECT_EQ(form.editText(F::PilotsPerHeatEdit), "10");
    EXPECT_EQ(form.heatsPerRound(), 3);
    EXPECT_TRUE(form.scrollBarShown());
    EXPECT_EQ(form.scrollMaximum(), 10);

    form.typeText(F::PilotsPerHeatEdit, "20");
    EXPECT_EQ(form.heatsPerRound(), 2);
    form.typeText(F::PilotsPerHeatEdit, "10");

    // The empty slot 26 walks up to slot 10: heat 1 keeps 9 pilots, heat 3
    // gets 6, and the plan still ends at 26, so 3 heats.
    for (int entry = 25; entry > 9; --entry)
        ASSERT_TRUE(clickUp(form, sounds, entry)) << entry;
    const HeatComposition& c = form.composition();
    EXPECT_TRUE(c.isEmpty(9));
    EXPECT_EQ(c.name(10), "P010");
    EXPECT_EQ(c.name(25), "P025");
    EXPECT_EQ(c.length(), 26);
    EXPECT_EQ(form.heatsPerRound(), 3);
    EXPECT_EQ(pilotsIn(c, 1), 9);
    EXPECT_EQ(pilotsIn(c, 2), 10);
    EXPECT_EQ(pilotsIn(c, 3), 6);
    ASSERT_EQ(sounds.played.size(), 16u);
    EXPECT_EQ(sounds.played[0].file, "sons/beep1.wav");
    EXPECT_FALSE(sounds.played[0].waited);
    // The transponder travels with its pilot.
    EXPECT_EQ(c.details(10).transponder, "010009");
}

TEST(CompositionForm, EditsClampWhileTyping)
{
    CompositionRace race(25);
    FakePrompts prompts;
    F form(race.folder, 1, prompts);
    form.scrollTo(5);

    form.typeText(F::PilotsPerHeatEdit, "25");
    EXPECT_EQ(form.composition().pilotsPerHeat(), 20);
    EXPECT_EQ(form.editText(F::PilotsPerHeatEdit), "20");
    EXPECT_EQ(form.scrollPosition(), 0);
    form.typeText(F::PilotsPerHeatEdit, "");
    EXPECT_EQ(form.composition().pilotsPerHeat(), 1);
    EXPECT_EQ(form.editText(F::PilotsPerHeatEdit), "");
    EXPECT_EQ(form.heatsPerRound(), 25);
    form.typeText(F::PilotsPerHeatEdit, "x7");
    EXPECT_EQ(form.editText(F::PilotsPerHeatEdit), "7");
    EXPECT_EQ(form.composition().pilotsPerHeat(), 7);

    form.typeText(F::RoundsEdit, "0");
    EXPECT_EQ(form.composition().rounds(), 1);
    EXPECT_EQ(form.editText(F::RoundsEdit), "0");
    form.typeText(F::RoundsEdit, "93");
    EXPECT_EQ(form.composition().rounds(), 9);
    EXPECT_EQ(F::maxLength(F::PilotsPerHeatEdit), 2);
    EXPECT_EQ(F::maxLength(F::RoundsEdit), 1);
}

TEST(CompositionForm, MovesStopBeforeTheLastTwentyEntries)
{
    CompositionRace race(200);
    race.plan.pilotsPerHeat = 7;
    race.save();
    FakePrompts prompts;
    RecordingSoundPlayer sounds;
    F form(race.folder, 1, prompts);
    EXPECT_EQ(form.heatsPerRound(), 29);
    EXPECT_EQ(form.scrollMaximum(), 29 * 7 - 20);
    ASSERT_TRUE(form.scrollToLast());
    const int s = form.scrollPosition();

    // Row 198 - s holds entry 198 (position 199): it may go down.
    EXPECT_TRUE(form.press(kDownX, downY(198 - s), sounds));
    EXPECT_EQ(form.composition().name(199), "P199");
    EXPECT_EQ(form.composition().name(198), "P200");
    // Entry 199 (position 200) may not, by either arrow.
    EXPECT_FALSE(form.press(kDownX, downY(199 - s), sounds));
    EXPECT_FALSE(form.press(kUpX, upY(200 - s), sounds));
    EXPECT_EQ(form.composition().name(199), "P199");
    EXPECT_TRUE(form.composition().isEmpty(200));
    EXPECT_EQ(sounds.played.size(), 1u);

    // The edges of the down arrow of row 0.
    F top(race.folder, 1, prompts);
    EXPECT_FALSE(top.press(370, 155, sounds));
    EXPECT_FALSE(top.press(371, 154, sounds));
    EXPECT_FALSE(top.press(382, 160, sounds));
    EXPECT_FALSE(top.press(375, 166, sounds));
    EXPECT_TRUE(top.press(371, 155, sounds));
    EXPECT_TRUE(top.press(381, 165, sounds));
    EXPECT_EQ(top.composition().name(0), "P001");
}

TEST(CompositionForm, GenerateWritesHeaderAndPlanInPlace)
{
    CompositionRace race(25);
    const std::string before = readFile(race.file());
    FakePrompts prompts;
    RecordingSoundPlayer sounds;
    F form(race.folder, 1, prompts);
    form.typeText(F::PilotsPerHeatEdit, "8");
    form.typeText(F::RoundsEdit, "3");
    ASSERT_TRUE(form.press(kDownX, downY(0), sounds)); // P001 <-> P002
    ASSERT_TRUE(form.generate());
    EXPECT_TRUE(prompts.boxes.empty());

    const std::string after = readFile(race.file());
    const std::string title = "\n" + heatPlanTitle(1) + "\t\n";
    const auto at = before.find(title) + title.size();
    std::string body = "0\t8\t3\t\nP002\t\nP001\t\n";
    for (int i = 3; i <= 25; ++i)
        body += pilotName(i) + "\t\n";
    for (int i = 25; i < 220; ++i)
        body += "(NA)\t\n";
    const std::string header = "10000\t1\tCadets\t25\t0\t0\t3\t4\t0\t";
    std::string expected = before;
    expected.replace(0, header.size(), header);
    std::string area = sectionFiller(4625);
    expected.replace(at, area.size(), area.replace(0, body.size(), body));
    EXPECT_EQ(after, expected);
}

TEST(CompositionForm, RefusesMoreThanTwentyHeats)
{
    CompositionRace race(70);
    race.plan.pilotsPerHeat = 3;
    race.save();
    const std::string before = readFile(race.file());
    FakePrompts prompts;
    F form(race.folder, 1, prompts);
    EXPECT_EQ(form.heatsPerRound(), 24);
    EXPECT_FALSE(form.generate());
    ASSERT_EQ(prompts.boxes.size(), 1u);
    EXPECT_EQ(prompts.boxes[0].title, "Erreur");
    EXPECT_EQ(prompts.boxes[0].text, kTooManyHeats);
    EXPECT_EQ(readFile(race.file()), before);
    form.typeText(F::PilotsPerHeatEdit, "4");
    EXPECT_EQ(form.heatsPerRound(), 18);
    EXPECT_TRUE(form.generate());
    EXPECT_EQ(race.header().categories.category(1).heatsPerRound, 18);
}

TEST(CompositionForm, LockedOnceResultsAreStored)
{
    CompositionRace race(25);
    race.race.category(1).resultsStored = 1;
    writeRaceHeader(race.file(), race.race.header);
    const std::string before = readFile(race.file());
    FakePrompts prompts;
    RecordingSoundPlayer sounds;
    F form(race.folder, 1, prompts);
    EXPECT_TRUE(form.readOnly());
    EXPECT_FALSE(form.isEnabled(F::PilotsPerHeatEdit));
    EXPECT_FALSE(form.isEnabled(F::RoundsEdit));
    EXPECT_FALSE(form.isEnabled(F::GenerateButton));
    EXPECT_TRUE(form.isEnabled(F::PrintButton));
    form.typeText(F::PilotsPerHeatEdit, "5");
    EXPECT_EQ(form.composition().pilotsPerHeat(), 10);
    EXPECT_FALSE(form.press(kDownX, downY(0), sounds));
    EXPECT_EQ(form.composition().name(0), "P001");
    EXPECT_TRUE(sounds.played.empty());
    EXPECT_FALSE(form.generate());
    EXPECT_EQ(readFile(race.file()), before);
}

TEST(CompositionForm, MissingSectionsAreReportedAndNothingIsWritten)
{
    CompositionRace race(5, false);
    const std::string before = readFile(race.file());
    FakePrompts prompts;
    F form(race.folder, 1, prompts);
    EXPECT_EQ(prompts.texts(),
        (std::vector<std::string> {
            "Erreur: Intitul\xC3\xA9 de Liste des participants non trouv\xC3\xA9", kPlanNotFound}));
    EXPECT_TRUE(form.generate());
    EXPECT_EQ(prompts.texts().back(), kPlanNotFound);
    EXPECT_EQ(readFile(race.file()), before);

    std::filesystem::remove(race.file());
    FakePrompts none;
    F missing(race.folder, 1, none);
    EXPECT_EQ(
        none.texts(), std::vector<std::string> {"Erreur: impossible d'ouvrir le fichier Course"});
    EXPECT_TRUE(missing.generate());
    EXPECT_FALSE(std::filesystem::exists(race.file()));
}
