#include "results/run_analysis.h"
#include "results/run_analysis_layout.h"

#include <gtest/gtest.h>

namespace ksy {
namespace {

PilotResult runOf(std::initializer_list<std::int32_t> laps, std::int32_t start = 0)
{
    PilotResult r;
    r.name = "Denis";
    r.lapTotals[0] = start;
    for (std::int32_t lap : laps) {
        ++r.passingCount;
        r.lapTotals[static_cast<std::size_t>(r.passingCount)] =
            r.lapTotals[static_cast<std::size_t>(r.passingCount - 1)] + lap;
    }
    return r;
}

TEST(RunAnalysis, SummaryOfThreeLapsWithItsDeviationAndClasses)
{
    const PilotResult run = runOf({62300, 61950, 63100});
    const RunSummary s = runSummary(run, 1, 3);
    EXPECT_EQ(s.count, 3);
    EXPECT_EQ(s.best, 61950);
    EXPECT_EQ(s.bestLap, 2);
    EXPECT_EQ(s.worst, 63100);
    EXPECT_EQ(s.worstLap, 3);
    EXPECT_EQ(s.mean, 62450);
    EXPECT_EQ(s.deviation, 481);
    const std::array<std::int32_t, 10> edges = {
        61900, 62000, 62100, 62400, 62900, 63400, 63900, 64900, 65900, 66900};
    EXPECT_EQ(s.edges, edges);
    const std::array<int, 10> counts = {1, 0, 1, 0, 1, 0, 0, 0, 0, 0};
    EXPECT_EQ(s.counts, counts);
    EXPECT_EQ(s.shares[0], 333);

    EXPECT_EQ(runAnalysisText(run, 1, 3),
        "best\t1:01.950\t2\n"
        "worst\t1:03.100\t3\n"
        "mean\t1:02.450\n"
        "deviation\t0.481\n"
        "class\t1:01.900\t1:02.000\t1\t33.3\n"
        "class\t1:02.000\t1:02.100\t0\t0.0\n"
        "class\t1:02.100\t1:02.400\t1\t33.3\n"
        "class\t1:02.400\t1:02.900\t0\t0.0\n"
        "class\t1:02.900\t1:03.400\t1\t33.3\n"
        "class\t1:03.400\t1:03.900\t0\t0.0\n"
        "class\t1:03.900\t1:04.900\t0\t0.0\n"
        "class\t1:04.900\t1:05.900\t0\t0.0\n"
        "class\t1:05.900\t1:06.900\t0\t0.0\n"
        "class\t1:06.900\t\t0\t0.0\n"
        "histogram\t1\t0,0,0,0,1,0,1,0,0,0,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,"
        "0,0,0\n"
        "curve\t61000\t64000\t7\n");
}

TEST(RunAnalysis, EdgesTiesAndEmptyRanges)
{
    // A lap on an edge belongs to the class above; equal best laps give the
    // first lap number; the mean uses the totals (a staggered start's cell 0).
    const PilotResult run = runOf({60000, 60100, 60000, 65000}, 1500);
    const RunSummary s = runSummary(run, 1, 4);
    EXPECT_EQ(s.bestLap, 1);
    EXPECT_EQ(s.counts[1], 1); // 60100 is on the edge base + 100
    EXPECT_EQ(s.counts[9], 1); // base + 5000 opens the last class
    EXPECT_EQ(s.mean, 61275);

    // F > L, no lap: every figure 0, also in the text form.
    EXPECT_EQ(runSummary(run, 3, 2).best, 0);
    EXPECT_EQ(lapHistogram(run, 3, 2).scale, 0);
    const std::string empty = runAnalysisText(PilotResult {}, 1, 0);
    EXPECT_EQ(empty.rfind("best\t0.000\t0\nworst\t0.000\t0\nmean\t0.000\n", 0), 0u);
    EXPECT_NE(empty.find("class\t0.000\t\t0\t0.0\nhistogram\t0\t0,0,"), std::string::npos);
    EXPECT_NE(empty.find("\ncurve\t0\t0\t0\n"), std::string::npos);
}

TEST(RunAnalysis, HistogramClassesAndItsVerticalScale)
{
    EXPECT_EQ(histogramScale(0), 0);
    EXPECT_EQ(histogramScale(10), 10);
    EXPECT_EQ(histogramScale(11), 20);
    EXPECT_EQ(histogramScale(20), 30);
    EXPECT_EQ(histogramScale(99), 100);
    EXPECT_EQ(histogramScale(100), 100);
    EXPECT_EQ(histogramScale(101), 200);

    // Base is the best lap's whole second; 200 ms classes; from base + 7800 on,
    // the open class.
    const LapHistogram h = lapHistogram(runOf({61950, 61999, 62000, 69800, 90000}), 1, 5);
    EXPECT_EQ(h.base, 61000);
    EXPECT_EQ(h.counts[4], 2);
    EXPECT_EQ(h.counts[5], 1);
    EXPECT_EQ(h.counts[39], 2);
}

TEST(RunAnalysis, CurveDrawsAtMost101Laps)
{
    PilotResult run;
    run.passingCount = 150;
    for (int k = 1; k <= 150; ++k)
        run.lapTotals[static_cast<std::size_t>(k)] = k * 60000 + (k == 140 ? 5000 : 0);
    const CurveRange c = curveRange(run, 10, 150);
    EXPECT_EQ(c.last, 110);
    EXPECT_EQ(c.count, 101);
    EXPECT_EQ(c.low, 60000);
    EXPECT_EQ(c.high, 61000); // lap 140's 65 s lies beyond the curve
    EXPECT_EQ(c.steps, 3);
}

TEST(RunAnalysis, RangeEditsClampAsTyped)
{
    RunAnalysisForm form(runOf({60000, 61000, 62000, 63000, 64000, 65000}), AnalysisView::Curve);
    EXPECT_EQ(form.first(), 1);
    EXPECT_EQ(form.last(), 6);
    EXPECT_FALSE(form.strip().shown); // n = 6
    EXPECT_EQ(form.editLast("200"), std::optional<std::string>("6"));
    EXPECT_EQ(form.editFirst("0"), std::nullopt); // 1 is kept, the edit is not rewritten
    EXPECT_EQ(form.first(), 1);
    EXPECT_EQ(form.editFirst("4"), std::nullopt);
    EXPECT_EQ(form.editLast("2"), std::nullopt);
    EXPECT_EQ(runSummary(form.run(), form.first(), form.last()).count, 0);
    EXPECT_EQ(form.editLast("0005"), std::optional<std::string>("000"));
    EXPECT_EQ(form.last(), 0);

    const RunAnalysisForm seven(runOf({1, 2, 3, 4, 5, 6, 7}), AnalysisView::Data);
    EXPECT_TRUE(seven.strip().shown);
    EXPECT_EQ(seven.strip().maximum, 1);

    EXPECT_EQ(parseLapRange("2-40"), (std::pair {2, 40}));
    EXPECT_FALSE(parseLapRange("2-"));
    EXPECT_FALSE(parseLapRange("-3"));
    EXPECT_FALSE(parseLapRange("a-3"));
    EXPECT_EQ(clampLapRange(0, 500, 12), (std::pair {1, 12}));
    EXPECT_EQ(clampLapRange(0, 0, 0), (std::pair {0, 0}));
}

TEST(RunAnalysis, PrintHoldsTheThreeViewsOnOnePortraitPage)
{
    PilotResult run = runOf({62300, 61950, 63100});
    run.heading = " Juniors - Manche1 - S\xE9rie2 ";
    run.courseName = "Berck";
    run.description = "Dur\xE9"
                      "e 5 tours";
    const ReportDocument doc = runAnalysisReport(run, 1, 3);
    EXPECT_EQ(doc.identity.documentName, "SYNTHESE RUN : Printing...");
    EXPECT_EQ(doc.identity.windowWidth, 630);
    EXPECT_EQ(doc.identity.windowHeight, 1120);
    ASSERT_EQ(doc.pages.size(), 1u);
    std::vector<const TextOp*> texts;
    for (const Primitive& p : doc.pages[0])
        if (const auto* t = std::get_if<TextOp>(&p.op))
            texts.push_back(t);
    const auto at = [&](const std::string& s) -> const TextOp* {
        for (const TextOp* t : texts)
            if (t->text == s)
                return t;
        return nullptr;
    };
    const TextOp* title = at(" Juniors - Manche1 - S\xC3\xA9rie2  : Denis");
    ASSERT_TRUE(title);
    EXPECT_EQ(std::pair(title->x, title->y), std::pair(360, 130));
    const TextOp* track = at(" Piste : Berck   (Dur\xC3\xA9"
                             "e 5 tours) ");
    ASSERT_TRUE(track);
    EXPECT_EQ(std::pair(track->x, track->y), std::pair(50, 210));
    EXPECT_TRUE(at("Synth\xC3\xA8se du run entre tour 1 et tour 3"));
    EXPECT_TRUE(at("Histogramme des temps au tour entre tour 1 et tour 3"));
    EXPECT_TRUE(at("Evolution des temps au tour entre tour 1 et tour 3"));
    EXPECT_TRUE(at("+/- 0.481"));
    EXPECT_TRUE(at("33.3 %"));
    EXPECT_TRUE(at("1:06.900 < t "));
    EXPECT_TRUE(at("1:01.950 (T2)"));
    // The three boxes, nothing beyond x = 710.
    for (const Primitive& p : doc.pages[0]) {
        if (const auto* l = std::get_if<LineOp>(&p.op)) {
            EXPECT_LE(std::max(l->x1, l->x2), 710);
        }
    }
}

} // namespace
} // namespace ksy
