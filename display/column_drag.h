#pragma once
// Resizing the board's columns by dragging their right edges in the header
// band, and finding the cell under a click.
#include "display/board_geometry.h"

#include <optional>

namespace ksy {

constexpr int MinDraggedWidth = 5;
constexpr int MaxColumnWidth = 999;

// The column whose right edge lies within 2 pixels of x (the first such
// column from the left), or -1.
int columnEdgeAt(const BoardGeometry& geometry, int x);

class ColumnDrag {
public:
    bool dragging() const { return column_ >= 0; }

    // Whether the horizontal-resize cursor is shown at this mouse position.
    bool resizeCursorAt(const BoardGeometry& geometry, int x, int y) const;

    // Left button down; true when it started a drag (the click is then not a
    // row click).
    bool press(const BoardGeometry& geometry, int x, int y);

    // Left button up. Inside the header band the movement since the press
    // becomes the column's new width (in 1/1600 units, within 5..999);
    // anywhere else nothing changes. The drag ends in every case. True when a
    // width changed.
    bool release(const BoardGeometry& geometry, int x, int y, ColumnWidths& widths);

private:
    int column_ = -1;
    int pressX_ = 0;
};

struct BoardCell {
    int row = 0; // row drawn (0 = first row on screen)
    int column = 0; // BoardColumn
};

// The cell of an adjustable column under (x, y) among the rows drawn.
std::optional<BoardCell> cellAt(const BoardGeometry& geometry, int x, int y);

// The row drawn under y (any column, the position strip included), or -1.
int rowAt(const BoardGeometry& geometry, int x, int y);

} // namespace ksy
