#pragma once
// What the heat results view paints: the legend of the pilots, then the grid
// of passing or lap times (20 laps by 10 pilots from the scroll positions), or
// the chart of positions over 10 laps, in pixels of a fixed-size area.
#include "display/primitives.h"
#include "results/heat_results_view.h"

namespace ksy {

inline constexpr int kHeatResultsWidth = 1000;
inline constexpr int kHeatResultsHeight = 600;

Drawing heatResultsDrawing(const HeatResultsView& view);

} // namespace ksy
