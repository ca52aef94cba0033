#pragma once
// The live board as a list of drawing primitives: a pure function of the
// screen size, the style, the column widths, the row metrics, the scroll
// position and what the heat shows.
#include "display/board_geometry.h"
#include "display/board_inputs.h"
#include "display/board_style.h"
#include "display/primitives.h"
#include "services/canvas.h"

namespace ksy {

inline constexpr const char* BoardWatermark = "Kestrametrix Sand Yachting";
inline constexpr const char* BoardVersion = "v 1.1.b";
inline constexpr const char* LogoFile = "images/logo.bmp";
inline constexpr const char* FinishFlagFile = "images/drapeauArrivee.bmp";

// Row height (1/900 units) and how many rows fit on the board.
struct RowMetrics {
    int rowHeight = 0;
    int visibleRows = 0;
};

// The tallest of the nine column fonts, plus a fifth, decides the row height.
RowMetrics boardRowMetrics(
    const BoardStyle& style, int screenWidth, int screenHeight, const TextMetrics& metrics);

struct BoardView {
    int screenWidth = 1600;
    int screenHeight = 900;
    BoardStyle style;
    ColumnWidths widths {};
    RowMetrics rows;
    int scrollPosition = 0; // index of the first entry drawn
    BoardInputs inputs;
};

// Geometry of the board as drawn for this view (rows drawn included).
BoardGeometry boardGeometry(const BoardView& view);

// Number of entries drawn from the scroll position on.
int rowsDrawn(const BoardView& view);

Drawing layoutBoard(const BoardView& view, const TextMetrics& metrics);

// A colour darkened by 10 in each channel, for the watermark.
Colour watermarkColour(Colour background);

} // namespace ksy
