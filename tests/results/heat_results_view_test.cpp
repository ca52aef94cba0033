#include "results/heat_results_layout.h"
#include "results/heat_results_view.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace ksy {
namespace {

HeatDetail emptyDetail(std::string mode = "CLASSEMENTToursTemps")
{
    HeatDetail d;
    d.rankingMode = std::move(mode);
    for (auto& s : d.slots)
        s.name = std::string(kEmptySlotName);
    return d;
}

// Slot `slot` (1-based) gets a pilot passing every `lap` ms, `laps` times.
void pilot(HeatDetail& d, int slot, const std::string& name, int laps, int lap)
{
    auto& s = d.slots[static_cast<std::size_t>(slot - 1)];
    s.name = name;
    s.passingCount = laps;
    for (int i = 0; i < laps; ++i)
        s.passingTimes[static_cast<std::size_t>(i)] = (i + 1) * lap;
}

TEST(HeatResultsView, PositionsAreRankedOverTheFileSlotsBeforeTheEmptyOnesAreSqueezedOut)
{
    HeatDetail d = emptyDetail();
    pilot(d, 1, "Anne", 8, 60000);
    // Slot 2 is empty: Bruno and Chloe keep their file slot numbers 3 and 4.
    pilot(d, 3, "Bruno", 5, 59000); // fastest, but stops after 5 laps
    pilot(d, 4, "Chloe", 8, 60000); // the same times as Anne, in a later slot
    const HeatResultsTable t = buildHeatResults(d);

    ASSERT_EQ(t.pilotCount, 3);
    EXPECT_EQ(t.maxPassings, 8);
    EXPECT_EQ(t.pilots[0].name, "Anne");
    EXPECT_EQ(t.pilots[1].fileSlot, 3);
    EXPECT_EQ(t.pilots[2].fileSlot, 4);
    EXPECT_EQ(t.pilots[3].name, "(NA)");
    EXPECT_EQ(t.pilots[3].passingCount, 0);

    // Lap 1: Bruno first; Chloe, in the later slot, before Anne on equal times.
    EXPECT_EQ(t.pilots[1].positions[0], 1);
    EXPECT_EQ(t.pilots[2].positions[0], 2);
    EXPECT_EQ(t.pilots[0].positions[0], 3);
    // Laps 6 to 8: Bruno did not complete them and ranks after both.
    for (int lap = 5; lap < 8; ++lap) {
        EXPECT_EQ(t.pilots[2].positions[static_cast<std::size_t>(lap)], 1) << lap;
        EXPECT_EQ(t.pilots[0].positions[static_cast<std::size_t>(lap)], 2) << lap;
        EXPECT_GT(t.pilots[1].positions[static_cast<std::size_t>(lap)], 2) << lap;
    }
    // Lap times: the first is the first passing, then the differences.
    EXPECT_EQ(t.pilots[1].lapTimes[0], 59000);
    EXPECT_EQ(t.pilots[1].lapTimes[4], 59000);

    // The command-line form: lap, then one cell per pilot; a missing lap is empty.
    const std::string text = heatResultsText(t, HeatResultsMode::Passings);
    EXPECT_EQ(text.substr(0, text.find('\n') + 1), "1\t1:00.000\t59.000\t1:00.000\n");
    EXPECT_NE(text.find("\n6\t6:00.000\t\t6:00.000\n"), std::string::npos) << text;
    EXPECT_NE(heatResultsText(t, HeatResultsMode::LapTimes).find("\n8\t1:00.000\t\t1:00.000\n"),
        std::string::npos);
    EXPECT_NE(heatResultsText(t, HeatResultsMode::Positions).find("\n7\t2\t"), std::string::npos);
}

TEST(HeatResultsView, ScrollBarsFollowTheLapsAndPilotsOfTheHeat)
{
    HeatDetail d = emptyDetail();
    for (int k = 1; k <= 12; ++k)
        pilot(d, k, "P" + std::to_string(k), k == 5 ? 25 : 19, 50000 + k);
    HeatResultsView view(buildHeatResults(d));
    EXPECT_EQ(view.visibleColumns(), 10);
    EXPECT_TRUE(view.pilots().shown);
    EXPECT_EQ(view.pilots().maximum, 2);
    EXPECT_TRUE(view.laps().shown);
    EXPECT_EQ(view.laps().maximum, 6); // m - 19

    // Line moves stay within the range, page moves go to an end.
    EXPECT_FALSE(view.pilots().move(ScrollMove::LineUp));
    EXPECT_TRUE(view.pilots().move(ScrollMove::PageDown));
    EXPECT_EQ(view.pilots().position, 2);
    EXPECT_FALSE(view.pilots().move(ScrollMove::LineDown));
    EXPECT_TRUE(view.pilots().move(ScrollMove::Thumb, 1));
    EXPECT_EQ(view.pilots().position, 1);

    // The grid then shows pilots 2 to 11 (file slots "Ligne2" .. "Ligne11").
    const Drawing drawing = heatResultsDrawing(view);
    std::vector<std::string> heads;
    for (const Primitive& p : drawing)
        if (const auto* t = std::get_if<TextOp>(&p.op); t && t->text.rfind("Ligne", 0) == 0)
            heads.push_back(t->text);
    ASSERT_EQ(heads.size(), 10u);
    EXPECT_EQ(heads.front(), "Ligne2");
    EXPECT_EQ(heads.back(), "Ligne11");

    // Fewer than 20 laps and 11 pilots: no bar.
    HeatDetail small = emptyDetail();
    pilot(small, 1, "A", 19, 50000);
    const HeatResultsView smallView(buildHeatResults(small));
    EXPECT_FALSE(smallView.laps().shown);
    EXPECT_FALSE(smallView.pilots().shown);
}

TEST(HeatResultsView, PositionsChartOnlyForLapsAndTimeWithSeveralPilots)
{
    const auto chartLines = [](const HeatDetail& d) {
        HeatResultsView view(buildHeatResults(d));
        view.setMode(HeatResultsMode::Positions);
        std::vector<LineOp> lines;
        for (const Primitive& p : heatResultsDrawing(view))
            if (const auto* l = std::get_if<LineOp>(&p.op); l && l->width == 2)
                lines.push_back(*l);
        return lines;
    };
    HeatDetail d = emptyDetail();
    pilot(d, 2, "A", 3, 60000);
    pilot(d, 5, "B", 3, 61000);
    const auto lines = chartLines(d);
    ASSERT_EQ(lines.size(), 4u); // two segments per pilot over three laps
    EXPECT_EQ(lines[0].colour, rgb(160, 5, 255)); // first row of the table
    EXPECT_EQ(lines[2].colour, rgb(5, 160, 0));

    d.rankingMode = "CLASSEMENTMeilleurTour";
    EXPECT_TRUE(chartLines(d).empty());
    HeatDetail alone = emptyDetail();
    pilot(alone, 1, "A", 3, 60000);
    EXPECT_TRUE(chartLines(alone).empty());
    EXPECT_EQ(pilotColour(19), rgb(180, 200, 0));
}

} // namespace
} // namespace ksy
