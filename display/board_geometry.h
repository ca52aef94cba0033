#pragma once
// Where everything of the live board lies for a screen of W x H pixels.
// Horizontal values are in 1/1600 of W, vertical ones in 1/900 of H, every
// product truncated; the board starts right of the 200-pixel race tree strip.
#include "display/board_inputs.h"
#include "services/canvas.h"

namespace ksy {

constexpr int TreeStrip = 200;

struct BoardGeometry {
    int screenWidth = 1600;
    int screenHeight = 900;
    ColumnWidths widths {};
    int rowHeight = 0; // in pixels: the fonts already follow the screen size
    int rowsDrawn = 0;

    int x(int units) const { return units * screenWidth / 1600; }
    int y(int units) const { return units * screenHeight / 900; }
    int widthSum() const;

    Rect boardArea() const;
    Rect headerBand() const;
    Rect positionStrip() const;
    Rect table() const;
    Rect heatTitle() const;
    Rect clock() const;
    Rect countdown() const;
    Rect status() const;
    Rect warning() const;

    // Left edge of the columns: W/40 right of the header band's left edge.
    int columnsLeft() const;
    // Pixel span of adjustable column k (left, right).
    int columnLeft(int column) const;
    int columnRight(int column) const;
    int columnCentre(int column) const;
    // x of the finish flag: all nine widths plus 5 units.
    int finishLeft() const;

    // Row i (0 = first row drawn): its band and the top of its texts.
    int rowTop(int row) const;
    int rowBottom(int row) const { return rowTop(row + 1); }
    int rowTextTop(int row) const;
    // Cell of adjustable column k in row i.
    Rect cell(int row, int column) const;
};

// Height of the space the rows may fill, under the header band.
int rowAreaHeight(int screenHeight);

// The largest n (0..20) whose n rows of rowHeight pixels still fit above the
// board's bottom.
int visibleRowCount(int rowHeight, int screenHeight);

} // namespace ksy
