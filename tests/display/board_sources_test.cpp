#include "display/board_sources.h"

#include <gtest/gtest.h>

namespace ksy {
namespace {

TEST(BoardSources, SettingsAndStandingsBecomeTheBoardsInputs)
{
    DisplaySettings s;
    s.fonts[4] = {"Tr\xE9"
                  "buchet",
        17, 700, 1, 0, 1};
    s.colours[12] = rgb(1, 2, 3);
    s.textColours[4] = rgb(4, 5, 6);
    s.columnWidths = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    const BoardStyle style = boardStyle(s);
    EXPECT_EQ(style.fonts[4], (FontSpec {"Trébuchet", 17, 700, true, false, true}));
    EXPECT_EQ(style.fontFor(4, 1920).pixelHeight, 20);
    EXPECT_EQ(style.colours[12], rgb(1, 2, 3));
    EXPECT_EQ(style.textColours[4], rgb(4, 5, 6));
    ColumnWidths widths = boardColumnWidths(s);
    EXPECT_EQ(widths[8], 9);
    widths[8] = 120;
    storeColumnWidths(widths, s);
    EXPECT_EQ(s.columnWidths[8], 120);

    Standings st;
    st.count = 2;
    st.board[0].name = "L\xE9on";
    st.board[0].slotNumber = " 7 ";
    st.board[0].bestLap = "49.900";
    st.board[0].holdsHeatBest = true;
    st.board[1].gapToPrevious = "1t";
    st.board[2].name = "not shown";
    const auto lines = boardLines(st);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].name, "Léon");
    EXPECT_EQ(lines[0].columnText(ColumnSlot), " 7 ");
    EXPECT_EQ(lines[0].columnText(ColumnBestLap), "49.900");
    EXPECT_TRUE(lines[0].holdsHeatBest);
    EXPECT_EQ(lines[1].columnText(ColumnGapToPrevious), "1t");
}

} // namespace
} // namespace ksy
