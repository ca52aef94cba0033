#include "results/heat_results_layout.h"

#include "services/translate.h"
#include "storage/encoding.h"

#include <algorithm>

namespace ksy {
namespace {

constexpr Colour kInk = rgb(0, 0, 0);
constexpr Colour kPaper = rgb(255, 255, 255);
constexpr Colour kHeadFill = rgb(215, 225, 240);
constexpr Colour kGridLine = rgb(160, 160, 160);

constexpr int kLegendTop = 8;
constexpr int kLegendLine = 18;
constexpr int kLegendColumn = 245;
constexpr int kLegendGap = 12;
constexpr int kGridTop = 110;
constexpr int kGridLeft = 10;
constexpr int kLapColumn = 60;
constexpr int kPilotColumn = 90;
constexpr int kHeadHeight = 24;
constexpr int kRowHeight = 22;

FontSpec arial(int height, int weight = 400)
{
    return FontSpec {"Arial", height, weight};
}

void text(Drawing& d, Role role, int x, int y, TextAlign align, std::string s, const FontSpec& f,
    Colour colour = kInk)
{
    d.push_back({role, TextOp {x, y, align, std::move(s), f, colour, std::nullopt}});
}

void line(Drawing& d, Role role, int x1, int y1, int x2, int y2, Colour c, int width = 1)
{
    d.push_back({role, LineOp {x1, y1, x2, y2, c, width}});
}

std::string legendText(const HeatResultsPilot& p)
{
    return "L" + std::to_string(p.fileSlot) + ": " + cp1252ToUtf8(p.name);
}

void legend(Drawing& d, const HeatResultsTable& t, bool coloured)
{
    for (int k = 0; k < t.pilotCount; ++k) {
        const int x = kGridLeft + (k / 5) * kLegendColumn;
        const int y = kLegendTop + (k % 5) * kLegendLine;
        text(d, Role::Header, x, y, TextAlign::Left,
            legendText(t.pilots[static_cast<std::size_t>(k)]), arial(15),
            coloured ? pilotColour(k) : kInk);
        // A long name stops short of the next column of the legend.
        std::get<TextOp>(d.back().op).room = kLegendColumn - kLegendGap;
    }
}

void grid(Drawing& d, const HeatResultsView& view)
{
    const HeatResultsTable& t = view.table();
    const int columns = view.visibleColumns();
    const int first = view.pilots().position;
    const int v = view.laps().position;
    const int right = kGridLeft + kLapColumn + columns * kPilotColumn;
    const int bottom = kGridTop + kHeadHeight + HeatResultsView::kVisibleLaps * kRowHeight;

    d.push_back({Role::HeaderBand,
        FillRectOp {{kGridLeft, kGridTop, right, kGridTop + kHeadHeight}, kHeadFill}});
    text(d, Role::Header, kGridLeft + kLapColumn / 2, kGridTop + 4, TextAlign::Centre,
        translate("HeatResults", "Tour"), arial(16, 700));
    for (int c = 0; c < columns; ++c) {
        const int x = kGridLeft + kLapColumn + c * kPilotColumn;
        const HeatResultsPilot& p = t.pilots[static_cast<std::size_t>(first + c)];
        text(d, Role::Header, x + kPilotColumn / 2, kGridTop + 4, TextAlign::Centre,
            fillText(translate("HeatResults", "Ligne%1"), {std::to_string(p.fileSlot)}),
            arial(16, 700));
        line(d, Role::Separator, x, kGridTop, x, bottom, kGridLine);
    }
    for (int r = 0; r < HeatResultsView::kVisibleLaps; ++r) {
        const int y = kGridTop + kHeadHeight + r * kRowHeight;
        const int lap = v + r;
        text(d, Role::Place, kGridLeft + kLapColumn / 2, y + 3, TextAlign::Centre,
            std::to_string(lap + 1), arial(14));
        for (int c = 0; c < columns; ++c) {
            const std::string cell = heatResultsCell(t, first + c, lap, view.mode());
            if (!cell.empty())
                text(d, Role::Cell, kGridLeft + kLapColumn + (c + 1) * kPilotColumn - 8, y + 3,
                    TextAlign::Right, cell, arial(14));
        }
        line(d, Role::RowLine, kGridLeft, y + kRowHeight, right, y + kRowHeight, kGridLine);
    }
    line(d, Role::Frame, kGridLeft, kGridTop, right, kGridTop, kInk);
    line(d, Role::Frame, kGridLeft, kGridTop + kHeadHeight, right, kGridTop + kHeadHeight, kInk);
    line(d, Role::Frame, kGridLeft, kGridTop, kGridLeft, bottom, kInk);
    line(d, Role::Frame, right, kGridTop, right, bottom, kInk);
    line(d, Role::Frame, kGridLeft, bottom, right, bottom, kInk);
}

void chart(Drawing& d, const HeatResultsView& view)
{
    const HeatResultsTable& t = view.table();
    const int p = t.pilotCount;
    const int left = 60;
    const int right = kHeatResultsWidth - 30;
    const int top = kGridTop + 10;
    const int bottom = kHeatResultsHeight - 40;
    const int v = view.laps().position;
    const auto yOf = [&](int position) { return top + (position - 1) * (bottom - top) / (p - 1); };
    const int step = (right - left) / HeatResultsView::kChartLaps;
    const auto xOf = [&](int k) { return left + k * step + step / 2; };

    for (int pos = 1; pos <= p; ++pos) {
        line(d, Role::RowLine, left, yOf(pos), right, yOf(pos), kGridLine);
        text(d, Role::Place, left - 8, yOf(pos) - 8, TextAlign::Right, std::to_string(pos),
            arial(14));
    }
    for (int k = 0; k < HeatResultsView::kChartLaps; ++k) {
        line(d, Role::Separator, xOf(k), top, xOf(k), bottom, kGridLine);
        text(d, Role::Header, xOf(k), bottom + 10, TextAlign::Centre, std::to_string(v + k + 1),
            arial(14));
    }
    // A pilot's line joins the laps it completed; a position beyond the grid
    // (a lap not completed) is never drawn.
    for (int row = 0; row < p; ++row) {
        const HeatResultsPilot& pilot = t.pilots[static_cast<std::size_t>(row)];
        // A dot on every completed lap, so that a single lap shows too.
        for (int k = 0; k < HeatResultsView::kChartLaps; ++k) {
            const int lap = v + k;
            if (!pilot.hasTime(lap) || pilot.positions[static_cast<std::size_t>(lap)] > p)
                continue;
            const int y = yOf(pilot.positions[static_cast<std::size_t>(lap)]);
            d.push_back({Role::Cell,
                FillRectOp {{xOf(k) - 3, y - 3, xOf(k) + 3, y + 3}, pilotColour(row)}});
        }
        for (int k = 0; k + 1 < HeatResultsView::kChartLaps; ++k) {
            const int a = v + k;
            const int b = a + 1;
            if (!pilot.hasTime(a) || !pilot.hasTime(b) || b >= kMaxLaps)
                continue;
            const int pa = pilot.positions[static_cast<std::size_t>(a)];
            const int pb = pilot.positions[static_cast<std::size_t>(b)];
            if (pa > p || pb > p)
                continue;
            line(d, Role::Cell, xOf(k), yOf(pa), xOf(k + 1), yOf(pb), pilotColour(row), 2);
        }
    }
}

} // namespace

Drawing heatResultsDrawing(const HeatResultsView& view)
{
    Drawing d;
    d.push_back(
        {Role::BoardArea, FillRectOp {{0, 0, kHeatResultsWidth, kHeatResultsHeight}, kPaper}});
    if (view.mode() == HeatResultsMode::Positions) {
        if (!view.chartDrawn())
            return d;
        legend(d, view.table(), true);
        chart(d, view);
        return d;
    }
    legend(d, view.table(), false);
    grid(d, view);
    return d;
}

} // namespace ksy
