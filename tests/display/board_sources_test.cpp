#include "display/board_layout.h"
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
    s.style = 0; // "style dégradé"
    const BoardStyle style = boardStyle(s);
    EXPECT_FALSE(style.relief);
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

TEST(BoardSources, SharedTransponderIsMarkedOnBothLinesAndOnTheBoard)
{
    Standings st;
    st.count = 4;
    const char* transponders[] = {"001201", "000007", "001201", ""};
    for (int i = 0; i < 4; ++i) {
        st.board[i].name = "Pilote " + std::to_string(i);
        st.board[i].transponder = transponders[i];
    }
    st.board[3].name = "(NA)";
    st.count = 5; // an empty slot without a transponder never counts
    const auto lines = boardLines(st);
    std::vector<bool> marked;
    for (const BoardLine& l : lines)
        marked.push_back(l.sharedTransponder);
    EXPECT_EQ(marked, (std::vector<bool> {true, false, true, false, false}));

    BoardView v;
    v.widths = {60, 280, 80, 150, 140, 140, 130, 130, 100};
    v.rows = {30, 20};
    v.style.colours[4] = rgb(255, 230, 0);
    v.inputs.rows = lines;
    struct Metrics : TextMetrics {
        int textHeight(const FontSpec&) const override { return 20; }
        int textWidth(const FontSpec&, std::string_view s) const override
        {
            return static_cast<int>(s.size());
        }
    };
    std::vector<std::pair<std::string, std::optional<Colour>>> cells;
    for (const Primitive& p : layoutBoard(v, Metrics {}))
        if (const auto* t = std::get_if<TextOp>(&p.op); t && t->text.starts_with("0"))
            cells.emplace_back(t->text, t->background);
    using C = std::optional<Colour>;
    EXPECT_EQ(cells,
        (std::vector<std::pair<std::string, C>> {
            {"001201 !", rgb(255, 230, 0)}, {"000007", C {}}, {"001201 !", rgb(255, 230, 0)}}));
}

} // namespace
} // namespace ksy
