#include "display/column_drag.h"

#include <algorithm>
#include <cstdlib>

namespace ksy {

namespace {

bool insideBandHeight(const BoardGeometry& g, int y)
{
    const Rect band = g.headerBand();
    return y > band.top && y < band.bottom;
}

} // namespace

int columnEdgeAt(const BoardGeometry& g, int x)
{
    for (int k = 0; k < BoardColumnCount; ++k)
        if (std::abs(x - g.columnRight(k)) <= 2)
            return k;
    return -1;
}

bool ColumnDrag::resizeCursorAt(const BoardGeometry& g, int x, int y) const
{
    return (dragging() || columnEdgeAt(g, x) >= 0) && insideBandHeight(g, y);
}

bool ColumnDrag::press(const BoardGeometry& g, int x, int y)
{
    column_ = -1;
    if (!insideBandHeight(g, y))
        return false;
    column_ = columnEdgeAt(g, x);
    pressX_ = x;
    return dragging();
}

bool ColumnDrag::release(const BoardGeometry& g, int x, int y, ColumnWidths& widths)
{
    const int column = column_;
    column_ = -1;
    if (column < 0 || !insideBandHeight(g, y))
        return false;
    // Widths are in 1/1600 of the screen: convert the pixels moved, so that the
    // edge ends where the button was released at any screen width.
    const int moved = (x - pressX_) * 1600 / g.screenWidth;
    const int width = std::clamp(widths[column] + moved, MinDraggedWidth, MaxColumnWidth);
    if (width == widths[column])
        return false;
    widths[column] = width;
    return true;
}

int rowAt(const BoardGeometry& g, int x, int y)
{
    const Rect band = g.headerBand();
    if (x < band.left || x >= band.right)
        return -1;
    for (int i = 0; i < g.rowsDrawn; ++i)
        if (y >= g.rowTop(i) && y < g.rowBottom(i))
            return i;
    return -1;
}

std::optional<BoardCell> cellAt(const BoardGeometry& g, int x, int y)
{
    const int row = rowAt(g, x, y);
    if (row < 0)
        return std::nullopt;
    for (int k = 0; k < BoardColumnCount; ++k)
        if (g.widths[k] != 0 && x >= g.columnLeft(k) && x < g.columnRight(k))
            return BoardCell {row, k};
    return std::nullopt;
}

} // namespace ksy
