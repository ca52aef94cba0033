#pragma once
// Texts cut to the room they are given, so that a long name or title never
// runs over its neighbours.
#include "display/primitives.h"
#include "services/canvas.h"

#include <string>

namespace ksy {

inline constexpr const char* Ellipsis = "…";

// `utf8` itself when it fits in `width` pixels; otherwise its longest start
// (cut between characters) followed by an ellipsis that fits, or "" when not
// even the ellipsis does.
std::string elideToWidth(
    const std::string& utf8, const FontSpec& font, int width, const TextMetrics& metrics);

// The board's heat title "<category> - <round and heat> - <details>" in
// `width` pixels. What does not fit is cut from the details first, then from
// the category name; the round and the heat always stay whole, so that two
// heats never look the same. Without a round and heat, the details alone.
std::string heatTitleToWidth(const std::string& category, const std::string& roundAndHeat,
    const std::string& details, const FontSpec& font, int width, const TextMetrics& metrics);

// The drawing with every text that has a room cut to it.
Drawing fitTexts(Drawing drawing, const TextMetrics& metrics);

} // namespace ksy
