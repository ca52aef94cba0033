#pragma once
// The painted list of the heat composition dialog, in the dialog's pixels:
// the header band, the "Série %d" labels, one 22-pixel row per plan entry
// (20 rows visible from the scroll position), "Freq1" in red on a conflict,
// and the up/down arrows that move an entry, with the areas a click hits.
#include "display/primitives.h"
#include "planning/heat_composition.h"

#include <optional>

namespace ksy {

namespace composition_view {
// The region filled first and repainted after every change.
inline constexpr Rect kRegion {48, 120, 701, 591};
inline constexpr Rect kHeaderBand {50, 120, 700, 150};
inline constexpr int kLabelLeft = 50;
inline constexpr int kListLeft = 110;
inline constexpr int kListRight = 700;
inline constexpr int kListTop = 150;
inline constexpr int kRowHeight = 22;
inline constexpr int kVisibleRows = 20;
inline constexpr int kUpArrowX = 350;
inline constexpr int kDownArrowX = 370;
inline constexpr int kArrowSize = 12;
inline constexpr int kNameX = 115;
inline constexpr int kTransponderX = 395;
inline constexpr int kFirstFrequencyX = 450;
inline constexpr int kFrequencyStep = 50;
inline constexpr const char* kUpArrowImage = "images/FlecheHaut.bmp";
inline constexpr const char* kDownArrowImage = "images/FlecheBas.bmp";
inline constexpr Colour kBackground = rgb(230, 230, 220);
inline constexpr Colour kLightYellow = rgb(255, 255, 150);
inline constexpr Colour kPaleYellow = rgb(255, 255, 200);
inline constexpr Colour kConflictRed = rgb(250, 0, 0);
inline constexpr Colour kInk = rgb(0, 0, 0);
} // namespace composition_view

// The rows the list shows from the scroll position: at most 20.
int visibleCompositionRows(const HeatComposition& composition, int scroll);

// The list as drawn with the list scrolled to `scroll` (its first row). With
// metrics, a name wider than its room (up to the arrows) is cut with "…"
// instead of running over the arrows and the transponder.
Drawing compositionListDrawing(
    const HeatComposition& composition, int scroll, const TextMetrics* metrics = nullptr);

// The upper entry (from 0) of the pair that a press at (x, y) would exchange:
// the down arrow of visible row i or the up arrow of row i + 1 both name
// entry scroll + i. Nothing when no arrow is hit.
std::optional<int> compositionArrowHit(
    const HeatComposition& composition, int scroll, int x, int y);

} // namespace ksy
