#include "display/board_geometry.h"

#include <numeric>

namespace ksy {

int BoardGeometry::widthSum() const
{
    return std::accumulate(widths.begin(), widths.end(), 0);
}

Rect BoardGeometry::boardArea() const
{
    return {TreeStrip + x(15), y(115), TreeStrip + x(widthSum() + 110), y(610)};
}

Rect BoardGeometry::headerBand() const
{
    return {TreeStrip + x(20), y(123), TreeStrip + x(widthSum() + 95), y(145)};
}

Rect BoardGeometry::table() const
{
    return {
        TreeStrip + x(60), y(145), TreeStrip + x(widthSum() + 95), y(145) + rowHeight * rowsDrawn};
}

Rect BoardGeometry::positionStrip() const
{
    return {TreeStrip + x(20), y(145), TreeStrip + x(60), table().bottom};
}

Rect BoardGeometry::heatTitle() const
{
    return {TreeStrip + x(15), y(20), 6 + x(672), y(60)};
}

Rect BoardGeometry::clock() const
{
    return {TreeStrip + x(50), y(730), TreeStrip + x(440), y(780)};
}

Rect BoardGeometry::countdown() const
{
    return {240 + x(440), y(730), 310 + x(440), y(770)};
}

Rect BoardGeometry::status() const
{
    return {10, screenHeight - 110, TreeStrip, screenHeight - 90};
}

Rect BoardGeometry::warning() const
{
    return {296 + x(742), y(30), screenWidth - 130, y(100)};
}

int BoardGeometry::columnsLeft() const
{
    return headerBand().left + screenWidth / 40;
}

int BoardGeometry::columnLeft(int column) const
{
    int before = 0;
    for (int k = 0; k < column; ++k)
        before += widths[k];
    return columnsLeft() + x(before);
}

int BoardGeometry::columnRight(int column) const
{
    return columnLeft(column + 1);
}

int BoardGeometry::columnCentre(int column) const
{
    int before = 0;
    for (int k = 0; k < column; ++k)
        before += widths[k];
    return columnsLeft() + (2 * before + widths[column]) * screenWidth / 3200;
}

int BoardGeometry::finishLeft() const
{
    return columnsLeft() + x(widthSum() + 5);
}

int BoardGeometry::rowTop(int row) const
{
    return y(145) + rowHeight * row;
}

int BoardGeometry::rowTextTop(int row) const
{
    return rowTop(row) + rowHeight / 12;
}

Rect BoardGeometry::cell(int row, int column) const
{
    return {columnLeft(column), rowTop(row), columnRight(column), rowBottom(row)};
}

int rowAreaHeight(int screenHeight)
{
    return 610 * screenHeight / 900 - 145 * screenHeight / 900;
}

int visibleRowCount(int rowHeight, int screenHeight)
{
    const int available = rowAreaHeight(screenHeight);
    int n = 0;
    while (n < MaxBoardRows && (n + 1) * rowHeight < available)
        ++n;
    return n;
}

} // namespace ksy
