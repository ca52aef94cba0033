#include "results/run_analysis_layout.h"

#include "results/shown_heading.h"
#include "services/translate.h"
#include "storage/encoding.h"
#include "timing/time_format.h"

#include <algorithm>
#include <cstdio>

namespace ksy {
namespace {

constexpr Colour kInk = rgb(0, 0, 0);
constexpr Colour kGrid = rgb(190, 190, 190);
constexpr Colour kBar = rgb(55, 90, 195);
constexpr Colour kMean = rgb(225, 5, 15);
constexpr Colour kCurve = rgb(5, 120, 0);
constexpr int kText = 14;
// A lap of the strip counted without a recorded time.
constexpr std::string_view kNoLapTimeText = "\xE2\x80\x94";
// The characters of a printed title that surely fit between x 360 and the
// right edge of the boxes.
constexpr std::size_t kOneLineTitle = 36;
// The right edge of the printed boxes.
constexpr int kBoxesRight = 710;

FontSpec arial(int height, int weight = 400)
{
    return FontSpec {"Arial", height, weight};
}

void text(Drawing& d, int x, int y, TextAlign align, std::string s, int height = kText,
    Colour colour = kInk, int weight = 400)
{
    d.push_back({Role::Cell,
        TextOp {x, y, align, std::move(s), arial(height, weight), colour, std::nullopt}});
}

void line(Drawing& d, int x1, int y1, int x2, int y2, Colour c = kInk, int width = 1)
{
    d.push_back({Role::RowLine, LineOp {x1, y1, x2, y2, c, width}});
}

std::string lapText(std::int32_t ms)
{
    return formatShortTime(ms);
}

// "%d.%03d": seconds and milliseconds.
std::string secondsMs(std::int32_t ms)
{
    char b[32];
    std::snprintf(b, sizeof b, "%d.%03d", ms / 1000, ms % 1000);
    return b;
}

// "%d.%d" / "%d.%01d": seconds and tenths.
std::string secondsTenths(std::int32_t ms)
{
    char b[32];
    std::snprintf(b, sizeof b, "%d.%d", ms / 1000, ms % 1000 / 100);
    return b;
}

std::string lapNumber(int lap)
{
    return fillText(translate("RunAnalysis", "(T %1)"), {std::to_string(lap)});
}

} // namespace

void drawRunData(Drawing& d, const RunSummary& s, int x, int y)
{
    const int value = x + 165;
    text(d, x + 15, y + 32, TextAlign::Left, translate("RunAnalysis", "Meilleur tour :"));
    text(d, value, y + 32, TextAlign::Left, lapText(s.best), kText, kInk, 700);
    text(d, value + 85, y + 32, TextAlign::Left, lapNumber(s.bestLap));
    text(d, x + 15, y + 62, TextAlign::Left, translate("RunAnalysis", "Moins bon tour :"));
    text(d, value, y + 62, TextAlign::Left, lapText(s.worst), kText, kInk, 700);
    text(d, value + 85, y + 62, TextAlign::Left, lapNumber(s.worstLap));
    text(d, x + 15, y + 92, TextAlign::Left, translate("RunAnalysis", "Tour moyen :"));
    text(d, value, y + 92, TextAlign::Left, lapText(s.mean), kText, kInk, 700);
    text(d, x + 15, y + 122, TextAlign::Left, translate("RunAnalysis", "Ecart type :"));
    text(d, x + 15, y + 140, TextAlign::Left, translate("RunAnalysis", "(régularité)"));
    text(d, value, y + 122, TextAlign::Left, "+/- " + lapText(s.deviation), kText, kInk, 700);

    const int table = x + 335;
    text(d, table, y + 30, TextAlign::Left, translate("RunAnalysis", "Temps"), kText, kInk, 700);
    text(d, x + 555, y + 30, TextAlign::Right, translate("RunAnalysis", "Tours"), kText, kInk, 700);
    text(d, x + 640, y + 30, TextAlign::Right, translate("RunAnalysis", "% tours"), kText, kInk,
        700);
    line(d, table, y + 49, x + 645, y + 49, kGrid);
    for (int k = 0; k < RunSummary::kClasses; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const int row = y + 52 + 20 * k;
        std::string range = lapText(s.edges[i]);
        range += k + 1 < RunSummary::kClasses ? " < t < " + lapText(s.edges[i + 1]) : " < t ";
        text(d, table, row, TextAlign::Left, range);
        text(d, x + 555, row, TextAlign::Right, std::to_string(s.counts[i]));
        char share[32];
        std::snprintf(share, sizeof share, "%d.%01d %c", s.shares[i] / 10, s.shares[i] % 10, '%');
        text(d, x + 640, row, TextAlign::Right, share);
    }
}

void drawRunHistogram(Drawing& d, const LapHistogram& h, int first, int last, int x, int y)
{
    const int left = x + 60;
    const int barWidth = 14;
    const int right = left + LapHistogram::kClasses * barWidth;
    const int top = y + 35;
    const int bottom = y + 215;
    line(d, left, bottom, right, bottom);
    line(d, left, top, left, bottom);
    if (h.count == 0)
        return;
    // Vertical labels: the counts 0..scale in at most five steps.
    const int steps = std::max(1, std::min(h.scale, 5));
    for (int k = 0; k <= steps; ++k) {
        const int count = h.scale * k / steps;
        const int yy = bottom - (bottom - top) * k / steps;
        line(d, left - 4, yy, right, yy, k ? kGrid : kInk);
        text(d, left - 8, yy - 8, TextAlign::Right, std::to_string(count));
    }
    for (int k = 0; k < LapHistogram::kClasses; ++k) {
        const int count = h.counts[static_cast<std::size_t>(k)];
        const int bx = left + k * barWidth;
        if (count > 0 && h.scale > 0) {
            const int height = (bottom - top) * count / h.scale;
            d.push_back({Role::Cell,
                FillRectOp {{bx + 1, bottom - height, bx + barWidth - 1, bottom}, kBar}});
        }
        if (k % 5 == 0)
            text(d, bx, bottom + 5, TextAlign::Centre, secondsTenths(h.edge(k)), 12);
    }
    const int meanX = left +
        static_cast<int>(
            (static_cast<long long>(h.mean) - h.base) * barWidth / LapHistogram::kClassWidth);
    if (meanX >= left && meanX <= right) {
        line(d, meanX, top, meanX, bottom, kMean, 2);
        text(d, meanX + 4, top + 2, TextAlign::Left, secondsMs(h.mean), kText, kMean);
    }
    text(d, right, y + 5, TextAlign::Right,
        fillText(
            translate("RunAnalysis", "T%1 - T%2"), {std::to_string(first), std::to_string(last)}));
}

void drawRunCurve(Drawing& d, const PilotResult& run, const CurveRange& c, int x, int y)
{
    const int left = x + 60;
    const int right = x + 640;
    const int top = y + 30;
    const int bottom = y + 220;
    line(d, left, bottom, right, bottom);
    line(d, left, top, left, bottom);
    if (c.count == 0 || c.high <= c.low)
        return;
    const auto yOf = [&](std::int32_t t) {
        return bottom -
            static_cast<int>(
                (static_cast<long long>(t) - c.low) * (bottom - top) / (c.high - c.low));
    };
    // Laps are spread over the range, timed or not; only timed ones are drawn.
    const int span = c.last - c.first + 1;
    const auto xOf = [&](int lap) {
        return span > 1 ? left + (lap - c.first) * (right - left) / (span - 1) : (left + right) / 2;
    };
    // Grid lines every 500 ms; at most 21 of them labelled.
    const int every = (c.steps + 20) / 21;
    for (int k = 0; k < c.steps; ++k) {
        const std::int32_t t = c.low + k * CurveRange::kStep;
        line(d, left, yOf(t), right, yOf(t), kGrid);
        if (k % every == 0)
            text(d, left - 6, yOf(t) - 7, TextAlign::Right, secondsTenths(t), 12);
    }
    const int lapEvery = span > 50 ? 10 : span > 20 ? 5 : 1;
    for (int lap = c.first; lap <= c.last; ++lap)
        if ((lap - c.first) % lapEvery == 0)
            text(d, xOf(lap), bottom + 4, TextAlign::Centre, std::to_string(lap), 12);
    line(d, left, yOf(c.mean), right, yOf(c.mean), kMean);
    text(d, right, yOf(c.mean) - 17, TextAlign::Right, secondsMs(c.mean), kText, kMean);
    // The line breaks at a lap without a time rather than plunging to zero.
    for (int lap = c.first; lap < c.last; ++lap) {
        const std::optional<std::int32_t> from = lapTime(run, lap);
        const std::optional<std::int32_t> to = lapTime(run, lap + 1);
        if (from && to)
            line(d, xOf(lap), yOf(*from), xOf(lap + 1), yOf(*to), kCurve, 2);
    }
    const int bx = xOf(c.bestLap);
    const int by = yOf(c.best);
    line(d, bx - 4, by, bx + 4, by, kInk, 3);
    const bool leftHalf = bx < (left + right) / 2;
    text(d, leftHalf ? bx + 8 : bx - 8, by + 2, leftHalf ? TextAlign::Left : TextAlign::Right,
        fillText(
            translate("RunAnalysis", "%1 (T%2)"), {lapText(c.best), std::to_string(c.bestLap)}),
        kText, kInk, 700);
}

Drawing runSynthesisDrawing(const RunAnalysisForm& form)
{
    Drawing d;
    d.push_back({Role::BoardArea,
        FillRectOp {{0, 0, kSynthesisWidth, kSynthesisHeight}, rgb(255, 255, 255)}});
    const PilotResult& run = form.run();
    switch (form.view()) {
    case AnalysisView::Data:
        drawRunData(d, runSummary(run, form.first(), form.last()), 0, 0);
        break;
    case AnalysisView::Histogram:
        drawRunHistogram(
            d, lapHistogram(run, form.first(), form.last()), form.first(), form.last(), 0, 0);
        break;
    case AnalysisView::Curve:
        drawRunCurve(d, run, curveRange(run, form.first(), form.last()), 0, 0);
        break;
    }
    return d;
}

Drawing lapStripDrawing(const RunAnalysisForm& form)
{
    Drawing d;
    d.push_back({Role::BoardArea,
        FillRectOp {{0, 0, kLapStripWidth, kLapStripHeight}, rgb(255, 255, 255)}});
    const int width = kLapStripWidth / RunAnalysisForm::kStripLaps;
    for (int k = 0; k < RunAnalysisForm::kStripLaps; ++k) {
        const int lap = form.strip().position + k + 1;
        const int x = k * width;
        if (k > 0)
            line(d, x, 2, x, kLapStripHeight - 2, kGrid);
        if (lap > form.run().passingCount)
            continue;
        text(d, x + width / 2, 5, TextAlign::Centre, "T" + std::to_string(lap), 15, kInk, 700);
        const std::optional<std::int32_t> time = lapTime(form.run(), lap);
        text(d, x + width / 2, 27, TextAlign::Centre,
            time ? lapText(*time) : std::string(kNoLapTimeText), 15);
    }
    return d;
}

ReportDocument runAnalysisReport(const PilotResult& run, int first, int last)
{
    ReportDocument doc;
    doc.identity = reportIdentity(ReportKind::PilotRunAnalysis);
    ReportPage page(ReportKind::PilotRunAnalysis);
    const RunAnalysisForm form(run, AnalysisView::Data);
    // The lines end at the right edge of the three boxes below them: a long
    // pilot or course name is cut there rather than off the page. A title
    // too long for its place gives the pilot's name a line of its own, so
    // that a long heading never cuts the name away.
    const std::string title = form.titleLine();
    if (title.size() <= kOneLineTitle) {
        page.fittedText(report_role::kTitle, 360, 130, kBoxesRight - 360, shownHeading(title), 20);
    } else {
        page.fittedText(
            report_role::kTitle, 360, 130, kBoxesRight - 360, shownHeading(run.heading + " :"), 20);
        page.fittedText(
            report_role::kTitle, 360, 155, kBoxesRight - 360, cp1252ToUtf8(run.name), 20);
    }
    page.fittedText(
        report_role::kTitle, 50, 210, kBoxesRight - 50, cp1252ToUtf8(form.trackLine()), 16);
    const std::string laps[] {std::to_string(first), std::to_string(last)};
    const int tops[] = {260, 540, 820};
    const std::string heads[] = {
        fillText(translate("RunAnalysis", "Synthèse du run entre tour %1 et tour %2"),
            {laps[0], laps[1]}),
        fillText(translate("RunAnalysis", "Histogramme des temps au tour entre tour %1 et tour %2"),
            {laps[0], laps[1]}),
        fillText(translate("RunAnalysis", "Evolution des temps au tour entre tour %1 et tour %2"),
            {laps[0], laps[1]})};
    Drawing views;
    drawRunData(views, runSummary(run, first, last), 50, tops[0]);
    drawRunHistogram(views, lapHistogram(run, first, last), first, last, 50, tops[1]);
    drawRunCurve(views, run, curveRange(run, first, last), 50, tops[2]);
    for (int k = 0; k < 3; ++k) {
        page.box(report_role::kFrame, 50, tops[k], kBoxesRight, tops[k] + kSynthesisHeight);
        page.text(report_role::kHead, 60, tops[k] + 6, TextAlign::Left, heads[k], 16);
    }
    Drawing out = page.take();
    out.insert(out.end(), views.begin(), views.end());
    doc.pages.push_back(std::move(out));
    return doc;
}

} // namespace ksy
