#include "composition_fixture.h"
#include "planning/starting_grid_form.h"
#include "race/race_options.h"
#include "storage/section_titles.h"

#include <gtest/gtest.h>

using namespace ksy;
using namespace ksy::test;

namespace {

const std::string kGridTitle = "Cat\xE9gorie"
                               "1GrilleD\xE9partQualifs";

StartingGrid typed(std::string_view letters, int n)
{
    StartingGrid g;
    setGridLetters(g, letters, n);
    return g;
}

// A race of 12 pilots at 4 a heat over 3 rounds, grids editable.
struct GridRace : CompositionRace {
    explicit GridRace(StartOrder order = StartOrder::Editable, int pilots = 4, int rounds = 3)
        : CompositionRace(12, false)
    {
        plan.pilotsPerHeat = pilots;
        plan.rounds = rounds;
        save();
        RaceOptions options;
        options.order = order;
        writeRaceOptions(folder, 1, options);
    }
    std::string gridArea() const
    {
        const std::string all = readFile(file());
        const auto at = all.find("\n" + kGridTitle + "\t\n");
        return at == std::string::npos ? std::string() : all.substr(at + kGridTitle.size() + 3);
    }
};

} // namespace

TEST(StartingGridSection, LayoutConversionsAndLargestBody)
{
    TempDir dir;
    const auto file = dir.path() / "Course.race";
    writeFile(file, newRaceFileBytes());
    StartingGrids grids;
    grids.pilotsPerHeat = 4;
    grids.rounds = 3;
    grids.round(1) = identityGrid(4);
    grids.round(2) = typed("DCBA", 4);
    grids.round(3) = identityGrid(4);
    ASSERT_EQ(writeStartingGrids(file, 1, grids), RewriteResult::Written);
    const std::string body = "0\t4\t3\t\n1\t2\t3\t4\t\n4\t3\t2\t1\t\n1\t2\t3\t4\t\n";
    EXPECT_EQ(readFile(file),
        newRaceFileBytes() + "\n" + kGridTitle + "\t\n" + body +
            sectionFiller(250).substr(body.size()));

    StartingGrids back;
    ASSERT_EQ(readStartingGrids(file, 1, back), StartingGridRead::Ok);
    EXPECT_EQ(back.round(2).positions, grids.round(2).positions);
    EXPECT_EQ(back.rounds, 3);
    EXPECT_EQ(readStartingGrids(file, 2, back), StartingGridRead::Absent);

    // n = 20 over 9 rounds: 476 bytes, inside the 500 of the area.
    grids.resultsStored = 1;
    grids.pilotsPerHeat = 20;
    grids.rounds = 9;
    for (int m = 1; m <= 9; ++m)
        grids.round(m) = identityGrid(20);
    EXPECT_EQ(formatStartingGridsBody(grids).size(), 476u);
    const auto size = readFile(file).size();
    ASSERT_EQ(writeStartingGrids(file, 1, grids), RewriteResult::Written);
    EXPECT_EQ(readFile(file).size(), size);

    // Letters and positions.
    EXPECT_EQ(gridLetter(1), 'A');
    EXPECT_EQ(gridLetter(20), 'T');
    EXPECT_EQ(gridLetter(0), '\0');
    EXPECT_EQ(gridLetter(21), '\0');
    EXPECT_EQ(gridPosition('D', 4), 4);
    EXPECT_EQ(gridPosition('E', 4), 0);
    EXPECT_EQ(gridPosition('a', 4), 0);
    EXPECT_EQ(gridPosition(' ', 4), 0);
    EXPECT_EQ(gridPosition('T', 20), 20);
    const StartingGrid abe = typed("ABEDC", 4);
    EXPECT_EQ(abe.letters, "ABED");
    EXPECT_EQ(abe.positions[2], 0);
    EXPECT_EQ(abe.positions[4], 0);
    EXPECT_EQ(identityGrid(8).letters, "ABCDEFGH");
    StartingGrid gap = identityGrid(4);
    gap.positions[1] = 0; // keeps its letter
    gap.positions[3] = 25;
    gridLettersFromPositions(gap, 4);
    EXPECT_EQ(gap.letters, "ABCD");
    gap.letters = "AB";
    gap.positions[2] = 0; // no letter there: the text ends
    gridLettersFromPositions(gap, 4);
    EXPECT_EQ(gap.letters, "AB");
}

TEST(StartingGridSeating, SlotsTakeThePlanLinesOfTheirGrid)
{
    HeatPlan plan;
    plan.pilotsPerHeat = 4;
    plan.rounds = 3;
    for (int i = 0; i < 12; ++i)
        plan.at(i) = pilotName(i + 1);
    plan.at(5) = "(NA)";
    StartingGrids grids;
    grids.pilotsPerHeat = 4;
    grids.rounds = 3;
    grids.round(1) = identityGrid(4);
    grids.round(2) = typed("DCBA", 4);
    grids.round(3) = typed("BADC", 4);
    using V = std::vector<std::string>;
    EXPECT_EQ(seatHeat(plan, &grids, 1, 1), (V {"P001", "P002", "P003", "P004"}));
    // Round 2: line 4 takes slot 1 and line 1 slot 4, in every heat.
    EXPECT_EQ(seatHeat(plan, &grids, 2, 1), (V {"P004", "P003", "P002", "P001"}));
    EXPECT_EQ(seatHeat(plan, &grids, 2, 2), (V {"P008", "P007", "(NA)", "P005"}));
    EXPECT_EQ(seatHeat(plan, &grids, 3, 3), (V {"P010", "P009", "P012", "P011"}));

    // Grids that do not fit the plan seat every line in its own slot.
    const V identity2 {"P005", "(NA)", "P007", "P008"};
    EXPECT_EQ(seatHeat(plan, nullptr, 2, 2), identity2);
    EXPECT_EQ(seatHeat(plan, &grids, 4, 2), identity2); // no such round stored
    StartingGrids other = grids;
    other.pilotsPerHeat = 5;
    EXPECT_EQ(seatHeat(plan, &other, 2, 2), identity2);
    other = grids;
    other.round(2) = typed("AABC", 4); // one pilot twice
    EXPECT_EQ(seatHeat(plan, &other, 2, 2), identity2);
    other.round(2).positions = {4, 3, 2, 7}; // line 7 is another heat's
    EXPECT_EQ(seatHeat(plan, &other, 2, 2), identity2);

    // From the race file.
    GridRace race;
    grids.resultsStored = 0;
    writeStartingGrids(race.file(), 1, grids);
    EXPECT_EQ(readHeatSeating(race.file(), 1, 2, 3), (V {"P012", "P011", "P010", "P009"}));
    EXPECT_EQ(readHeatSeating(race.file(), 2, 1, 1), std::nullopt);
}

TEST(StartingGridForm, ChecksCombineIntoOneMessage)
{
    GridRace race;
    FakePrompts prompts;
    StartingGridForm form(race.folder, 1, prompts);
    EXPECT_TRUE(prompts.boxes.empty());
    const int r2 = StartingGridForm::roundEdit(2), r3 = StartingGridForm::roundEdit(3);
    EXPECT_TRUE(form.isReadOnly(StartingGridForm::roundEdit(1)));
    EXPECT_FALSE(form.isReadOnly(r2));
    EXPECT_TRUE(form.isVisible(r3));
    EXPECT_FALSE(form.isVisible(StartingGridForm::roundEdit(4)));
    EXPECT_EQ(form.editText(r2), "ABCD");
    EXPECT_EQ(form.maxLength(r2), 4);

    form.typeText(r3, "ABE");
    EXPECT_FALSE(form.confirm());
    ASSERT_EQ(prompts.boxes.size(), 1u);
    EXPECT_EQ(prompts.boxes[0].title, "Erreur");
    EXPECT_EQ(prompts.boxes[0].text,
        "Erreur: la saisie n'est pas valide !\n\n    Certaines grilles sont incompl\xC3\xA8tes\n"
        "    Les lettres doivent \xC3\xAAtre comprises entre A et D\n    ");
    EXPECT_TRUE(race.gridArea().empty());

    form.typeText(r3, "ABCD");
    form.typeText(r2, "abcd");
    EXPECT_EQ(form.checkMessage(), gridInputErrorMessage("", gridLettersMessage(4), ""));
    form.typeText(r2, "AABC");
    EXPECT_EQ(form.checkMessage(), gridInputErrorMessage("", "", kGridsDuplicates));
    form.typeText(r2, "A BC");
    EXPECT_EQ(form.checkMessage(), gridInputErrorMessage("", gridLettersMessage(4), ""));

    form.typeText(r2, "DCBA");
    EXPECT_EQ(form.checkMessage(), "");
    EXPECT_TRUE(form.confirm());
    // The body, then the filler of the area.
    EXPECT_EQ(
        race.gridArea().substr(0, 36), "0\t4\t3\t\n1\t2\t3\t4\t\n4\t3\t2\t1\t\n1\t2\t3\t4\t\n1\t");

    // The next opening takes the stored grid over; closing then writes nothing.
    const std::string stored = readFile(race.file());
    StartingGridForm again(race.folder, 1, prompts);
    EXPECT_TRUE(again.storedGridTaken());
    EXPECT_EQ(again.editText(r2), "DCBA");
    again.closeWithoutConfirming();
    EXPECT_EQ(readFile(race.file()), stored);
}

TEST(StartingGridForm, StoredGridsOnlyForTheSamePlanAndIdentityOnClosing)
{
    // Fixed starting order: every edit read-only, identity written on closing.
    GridRace fixed(StartOrder::Fixed, 10, 2);
    FakePrompts prompts;
    StartingGridForm form(fixed.folder, 1, prompts);
    EXPECT_TRUE(form.isReadOnly(StartingGridForm::roundEdit(2)));
    form.typeText(StartingGridForm::roundEdit(2), "JIHGFEDCBA");
    EXPECT_EQ(form.editText(StartingGridForm::roundEdit(2)), "ABCDEFGHIJ");
    EXPECT_FALSE(form.storedGridTaken());
    form.closeWithoutConfirming();
    const std::string identity10 = "0\t10\t2\t\n1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t\n"
                                   "1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t\n";
    EXPECT_EQ(fixed.gridArea().substr(0, identity10.size()), identity10);

    // A grid stored for 10 pilots a heat is ignored once the heats hold 8.
    GridRace editable(StartOrder::Editable, 10, 2);
    StartingGrids ten;
    ten.pilotsPerHeat = 10;
    ten.rounds = 2;
    ten.round(1) = identityGrid(10);
    ten.round(2) = typed("JIHGFEDCBA", 10);
    writeStartingGrids(editable.file(), 1, ten);
    EXPECT_EQ(
        StartingGridForm(editable.folder, 1, prompts).editText(StartingGridForm::roundEdit(2)),
        "JIHGFEDCBA");
    editable.plan.pilotsPerHeat = 8;
    editable.save();
    StartingGridForm eight(editable.folder, 1, prompts);
    EXPECT_FALSE(eight.storedGridTaken());
    EXPECT_EQ(eight.editText(StartingGridForm::roundEdit(2)), "ABCDEFGH");
    EXPECT_EQ(eight.maxLength(StartingGridForm::roundEdit(2)), 8);
    eight.closeWithoutConfirming();
    EXPECT_EQ(eight.grids().round(2).letters, "ABCDEFGH");
    StartingGrids back;
    readStartingGrids(editable.file(), 1, back);
    EXPECT_EQ(back.pilotsPerHeat, 8);
    EXPECT_EQ(back.round(2).positions, identityGrid(8).positions);

    // Results stored: read-only even when the order may change.
    editable.plan.resultsStored = 1;
    editable.save();
    EXPECT_TRUE(
        StartingGridForm(editable.folder, 1, prompts).isReadOnly(StartingGridForm::roundEdit(2)));

    // A stored line beyond n shows as a bad letter and is refused.
    StartingGrids bad = ten;
    bad.pilotsPerHeat = 8;
    bad.round(2).positions = {8, 7, 6, 5, 4, 3, 2, 9};
    bad.resultsStored = 0;
    editable.plan.resultsStored = 0;
    editable.save();
    writeStartingGrids(editable.file(), 1, bad);
    StartingGridForm refused(editable.folder, 1, prompts);
    EXPECT_TRUE(refused.storedGridTaken());
    EXPECT_EQ(refused.editText(StartingGridForm::roundEdit(2)), "HGFEDCBI");
    EXPECT_EQ(refused.checkMessage(), gridInputErrorMessage("", gridLettersMessage(8), ""));
    EXPECT_TRUE(prompts.boxes.empty());
}
