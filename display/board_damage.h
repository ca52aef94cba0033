#pragma once
// Which parts of the board a new drawing changes. A passing changes a row or
// two and the clocks change every second: the board image is kept, and only
// the rectangles where the new drawing differs from the last are painted
// again, every primitive touching them replayed in order.
#include "display/primitives.h"

#include <vector>

namespace ksy {

// Every pixel a primitive may touch. A text's box is widened by a share of
// its height for glyphs that reach past their advance or their line
// (italics, accents, overhangs) and for antialiasing.
Rect primitiveBounds(const Primitive& primitive, const TextMetrics& metrics);

// The rectangles outside which `after` paints the same pixels as `before`.
// Primitives are paired in order, role by role, so that a row that appears or
// goes leaves the others paired; each unpaired or changed primitive damages
// its old and its new bounds. Touching rectangles are merged.
std::vector<Rect> damagedRects(const Drawing& before, const Drawing& after, const TextMetrics& metrics);

// Adds `more` to `rects` and merges those that overlap or touch.
void addDamage(std::vector<Rect>& rects, const std::vector<Rect>& more);

// The number of pixels the rectangles cover (overlaps counted twice).
long long damagedArea(const std::vector<Rect>& rects);

// Paints, in order, the primitives that touch one of `rects`; the others
// cannot reach a pixel inside them. The canvas must be clipped to `rects`.
void replayTouching(const Drawing& drawing, const std::vector<Rect>& rects, Canvas& canvas,
    const TextMetrics& metrics);

} // namespace ksy
