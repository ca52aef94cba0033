#include "board_fakes.h"
#include "display/column_drag.h"

#include <gtest/gtest.h>

namespace ksy::test {
namespace {

TEST(BoardDrag, ResizeCursorOnlyNearAnEdgeInsideTheHeaderBand)
{
    const BoardGeometry g = boardGeometry(typicalView(1600, 900, 5));
    // Right edge of "Nom pilote": 260 + 360 = 620; band 123..145 exclusive.
    EXPECT_EQ(columnEdgeAt(g, 620), 1);
    EXPECT_EQ(columnEdgeAt(g, 618), 1);
    EXPECT_EQ(columnEdgeAt(g, 622), 1);
    EXPECT_EQ(columnEdgeAt(g, 623), -1);
    EXPECT_EQ(columnEdgeAt(g, 1520), 8);

    ColumnDrag drag;
    EXPECT_TRUE(drag.resizeCursorAt(g, 621, 130));
    EXPECT_FALSE(drag.resizeCursorAt(g, 621, 123));
    EXPECT_FALSE(drag.resizeCursorAt(g, 621, 145));
    EXPECT_FALSE(drag.resizeCursorAt(g, 621, 200)); // over the rows
    EXPECT_FALSE(drag.resizeCursorAt(g, 500, 130));
    EXPECT_FALSE(drag.press(g, 500, 130)); // not an edge: a row click
    EXPECT_FALSE(drag.press(g, 620, 200));
    ASSERT_TRUE(drag.press(g, 619, 130));
    EXPECT_TRUE(drag.resizeCursorAt(g, 700, 130)); // while dragging, anywhere in the band
}

TEST(BoardDrag, ReleaseChangesTheWidthWithinItsLimits)
{
    const BoardGeometry g = boardGeometry(typicalView(1600, 900, 5));
    ColumnWidths widths = g.widths;
    ColumnDrag drag;

    drag.press(g, 619, 130);
    EXPECT_TRUE(drag.release(g, 700, 140, widths));
    EXPECT_EQ(widths[1], 381);
    EXPECT_FALSE(drag.dragging());

    // Released outside the band: the drag ends, nothing changes.
    drag.press(g, 619, 130);
    EXPECT_FALSE(drag.release(g, 700, 145, widths));
    EXPECT_EQ(widths[1], 381);
    EXPECT_FALSE(drag.release(g, 700, 130, widths)); // no drag any more

    drag.press(g, 619, 130);
    drag.release(g, 100, 130, widths); // far left of the column's own left edge
    EXPECT_EQ(widths[1], 5);
    drag.press(g, 619, 130);
    drag.release(g, 320, 130, widths); // exactly onto its left edge
    EXPECT_EQ(widths[1], 5);

    BoardGeometry wide = g;
    wide.screenWidth = 4000;
    drag.press(wide, wide.columnRight(8), 130);
    drag.release(wide, wide.columnRight(8) + 3000, 130, widths);
    EXPECT_EQ(widths[8], 999);
}

TEST(BoardDrag, TheEdgeFollowsTheMouseOnAWideScreen)
{
    BoardView v = typicalView(1920, 1080, 5);
    const BoardGeometry g = boardGeometry(v);
    ColumnDrag drag;
    ASSERT_TRUE(drag.press(g, 704, 160));
    ASSERT_TRUE(drag.release(g, 824, 160, v.widths));
    EXPECT_EQ(v.widths[1], 400); // 120 pixels are 100 units at 1920
    EXPECT_EQ(boardGeometry(v).columnRight(1), 824);
}

TEST(BoardDrag, CellUnderTheMouse)
{
    BoardView v = typicalView(1600, 900, 3);
    v.widths[ColumnGapToLeader] = 0;
    const BoardGeometry g = boardGeometry(v);
    const auto cell = cellAt(g, 470, 145 + 28 + 5);
    ASSERT_TRUE(cell);
    EXPECT_EQ(cell->row, 1);
    EXPECT_EQ(cell->column, ColumnName);
    EXPECT_EQ(cellAt(g, 620, 150)->column, ColumnLaps); // right edge belongs to the next
    EXPECT_EQ(cellAt(g, 700, 150)->column, ColumnTotalTime);
    EXPECT_EQ(cellAt(g, 860, 150)->column, ColumnGapToPrevious); // hidden one skipped
    EXPECT_FALSE(cellAt(g, 470, 145 + 3 * 28)); // below the last row
    EXPECT_FALSE(cellAt(g, 240, 150)); // position strip
    EXPECT_EQ(rowAt(g, 240, 150), 0);
    EXPECT_EQ(g.cell(2, ColumnName), (Rect {320, 201, 620, 229}));
}

} // namespace
} // namespace ksy::test
