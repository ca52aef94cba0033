// Laps counted by hand beyond the passings read have no time: the detail
// view shows them as such, and no best lap, mean, deviation, class,
// histogram, curve or printed figure ever takes the zero total they are
// stored with (which would give a lap of minus the whole race).
#include "results/corrected_heat.h"
#include "results/heat_results_layout.h"
#include "results/heat_results_view.h"
#include "results/run_analysis.h"
#include "results/run_analysis_layout.h"
#include "timing/heat_result_files.h"
#include "timing/lap_recording.h"

#include <gtest/gtest.h>

namespace ksy {
namespace {

const std::string kDash = "\xE2\x80\x94";

// Every text of a drawing that reads as a negative time or number.
std::vector<std::string> negativeTexts(const Drawing& d)
{
    std::vector<std::string> out;
    for (const Primitive& p : d)
        if (const auto* t = std::get_if<TextOp>(&p.op))
            for (std::size_t i = 0; i + 1 < t->text.size(); ++i)
                if (t->text[i] == '-' && t->text[i + 1] >= '0' && t->text[i + 1] <= '9' &&
                    (i == 0 || t->text[i - 1] == ' ' || t->text[i - 1] == '('))
                    out.push_back(t->text);
    return out;
}

// Bravo's run as "ResultatPilote.res" hands it over: 6 laps of 61 s read,
// a seventh counted by hand.
PilotResult raisedRun()
{
    const RunEntry e = test::correctedSlot("Bravo", 6, 61000, 7);
    PilotResult run;
    run.name = e.pilotName;
    run.passingCount = e.passingCount;
    run.lapTotals = e.lapTotals;
    run.lapTotals[2] = 120000; // lap 2 in 59 s, lap 3 in 63 s
    return run;
}

TEST(UntimedLaps, DetailViewShowsTheRaisedLapWithoutATimeAndRanksItLast)
{
    const std::string bytes = formatHeatDetail(test::correctedHeat(), "CLASSEMENTToursTemps");
    HeatDetail detail = parseHeatDetail(bytes);
    // A pilot raised from no lap to one: his only lap has no time either.
    detail.slots[4].name = "Echo";
    detail.slots[4].passingCount = 1;
    const HeatResultsView view(buildHeatResults(detail));
    const HeatResultsTable& t = view.table();
    ASSERT_EQ(t.pilotCount, 5);
    ASSERT_EQ(t.pilots[1].name, "Bravo");
    EXPECT_EQ(heatResultsCell(t, 1, 5, HeatResultsMode::Passings), "6:06.000");
    EXPECT_EQ(heatResultsCell(t, 1, 5, HeatResultsMode::LapTimes), "1:01.000");
    EXPECT_EQ(heatResultsCell(t, 1, 6, HeatResultsMode::Passings), kDash);
    EXPECT_EQ(heatResultsCell(t, 1, 6, HeatResultsMode::LapTimes), kDash);
    EXPECT_EQ(heatResultsCell(t, 1, 7, HeatResultsMode::Passings), "");
    EXPECT_EQ(heatResultsCell(t, 4, 0, HeatResultsMode::LapTimes), kDash);

    // At lap 7 only Alpha passed; at lap 1 Echo comes after every timed pilot.
    EXPECT_EQ(heatResultsCell(t, 2, 6, HeatResultsMode::Positions), "1");
    EXPECT_GT(std::stoi(heatResultsCell(t, 1, 6, HeatResultsMode::Positions)), 1);
    EXPECT_GT(std::stoi(heatResultsCell(t, 4, 0, HeatResultsMode::Positions)), 4);

    for (const HeatResultsMode mode : {HeatResultsMode::Passings, HeatResultsMode::LapTimes}) {
        const std::string text = heatResultsText(t, mode);
        EXPECT_EQ(text.find("\t-"), std::string::npos) << text;
        EXPECT_EQ(text.find("\t0.000"), std::string::npos) << text;
    }
    HeatResultsView grid(buildHeatResults(detail));
    grid.setMode(HeatResultsMode::LapTimes);
    EXPECT_TRUE(negativeTexts(heatResultsDrawing(grid)).empty());
}

TEST(UntimedLaps, AnalysisFiguresAndDrawingsTakeOnlyTimedLaps)
{
    const PilotResult run = raisedRun();
    EXPECT_FALSE(lapTime(run, 7).has_value());
    EXPECT_EQ(lapTime(run, 6), 61000);

    const RunSummary s = runSummary(run, 1, 7);
    EXPECT_EQ(s.count, 6);
    EXPECT_EQ(s.best, 59000);
    EXPECT_EQ(s.bestLap, 2);
    EXPECT_EQ(s.worst, 63000);
    EXPECT_EQ(s.worstLap, 3);
    EXPECT_EQ(s.mean, 61000); // 366000 / 6
    EXPECT_EQ(s.deviation, 1155); // sqrt((4 + 4) / 6) s
    EXPECT_EQ(s.edges[0], 59000);
    int counted = 0;
    for (int c : s.counts)
        counted += c;
    EXPECT_EQ(counted, 6);

    const LapHistogram h = lapHistogram(run, 1, 7);
    EXPECT_EQ(h.base, 59000);
    int binned = 0;
    for (int c : h.counts)
        binned += c;
    EXPECT_EQ(binned, 6);
    const CurveRange c = curveRange(run, 1, 7);
    EXPECT_EQ(c.low, 59000);
    EXPECT_EQ(c.high, 64000);
    EXPECT_EQ(c.last, 7);

    // Only the lap without a time: nothing to sum up.
    EXPECT_EQ(runSummary(run, 7, 7).count, 0);
    EXPECT_EQ(runSummary(run, 7, 7).best, 0);

    const std::string text = runAnalysisText(run, 1, 7);
    EXPECT_EQ(text.find("\t-"), std::string::npos) << text;
    EXPECT_NE(text.find("best\t59.000\t2\n"), std::string::npos) << text;
    EXPECT_NE(text.find("mean\t1:01.000\n"), std::string::npos) << text;

    // Screen views, the strip and the printed page.
    for (const AnalysisView v :
        {AnalysisView::Data, AnalysisView::Histogram, AnalysisView::Curve}) {
        RunAnalysisForm form(run, v);
        EXPECT_TRUE(negativeTexts(runSynthesisDrawing(form)).empty());
    }
    const ReportDocument doc = runAnalysisReport(run, 1, 7);
    ASSERT_EQ(doc.pages.size(), 1u);
    EXPECT_TRUE(negativeTexts(doc.pages[0]).empty());
    // The curve stays inside its box: no point below its axis.
    for (const Primitive& p : doc.pages[0]) {
        if (const auto* l = std::get_if<LineOp>(&p.op)) {
            EXPECT_LE(std::max(l->y1, l->y2), 820 + kSynthesisHeight);
        }
    }

    RunAnalysisForm form(run, AnalysisView::Data);
    form.strip().position = 1;
    std::vector<std::string> strip;
    for (const Primitive& p : lapStripDrawing(form))
        if (const auto* t = std::get_if<TextOp>(&p.op); t && t->y == 27)
            strip.push_back(t->text);
    EXPECT_EQ(strip,
        (std::vector<std::string> {
            "59.000", "1:03.000", "1:01.000", "1:01.000", "1:01.000", kDash}));
}

TEST(UntimedLaps, StoredMarksAndRecomputedBestLapSkipLapsWithoutTime)
{
    RunEntryTable t = test::correctedHeat();
    // Stored and read back: Delta keeps the totals of the 5 laps it keeps.
    for (int k = 6; k <= 7; ++k)
        t.slot(1).lapTotals[static_cast<std::size_t>(k)] = 0;
    EXPECT_EQ(recomputeBestLap(t.slot(1), false), 58000);
    EXPECT_EQ(recomputeBestLap(t.slot(2), false), 61000);
    prepareLoadedHeat(t, StartType::SoundSignal);
    EXPECT_FALSE(t.slot(2).newPersonalBest);
    EXPECT_TRUE(t.slot(1).holdsHeatBest);
    for (int k = 2; k <= 4; ++k)
        EXPECT_FALSE(t.slot(k).holdsHeatBest);
}

} // namespace
} // namespace ksy
