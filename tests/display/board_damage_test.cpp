#include "display/board_damage.h"
#include "board_fakes.h"

#include <gtest/gtest.h>

namespace ksy::test {
namespace {

bool inside(const Rect& inner, const Rect& outer)
{
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
        inner.bottom <= outer.bottom;
}

bool covers(const std::vector<Rect>& rects, const Rect& r)
{
    for (const Rect& d : rects)
        if (inside(r, d))
            return true;
    return false;
}

// Records what a replay paints.
class RecordingCanvas : public Canvas {
public:
    int textHeight(const FontSpec& font) const override { return metrics.textHeight(font); }
    int textWidth(const FontSpec& font, std::string_view utf8) const override
    {
        return metrics.textWidth(font, utf8);
    }
    void fillRect(const Rect&, Colour) override { ++fills; }
    void gradientRect(const Rect&, Colour, Colour) override { ++fills; }
    void line(int, int, int, int, Colour, int) override { ++lines; }
    void text(int, int, TextAlign, std::string_view utf8, const FontSpec&, Colour,
        std::optional<Colour>) override
    {
        texts.emplace_back(utf8);
    }
    void image(const Rect&, std::string_view) override { }

    FixedMetrics metrics;
    int fills = 0;
    int lines = 0;
    std::vector<std::string> texts;
};

TEST(BoardDamage, AClockTickDamagesTheClocksAloneAndRepaintsWhatLiesUnderThem)
{
    const FixedMetrics m;
    BoardView v = typicalView(1600, 900, 12);
    const Drawing before = layoutBoard(v, m);
    EXPECT_TRUE(damagedRects(before, before, m).empty());

    v.inputs.elapsedText = "0:04:11";
    v.inputs.remainingText = "0:05:49";
    const Drawing after = layoutBoard(v, m);
    const std::vector<Rect> damage = damagedRects(before, after, m);
    ASSERT_FALSE(damage.empty());
    const Rect clock = boardGeometry(v).clock();
    for (const Rect& r : damage) {
        // Both texts, old and new, with their margins; nothing of the rows.
        EXPECT_LT(r.top, clock.bottom);
        EXPECT_GT(r.bottom, clock.top);
        EXPECT_GT(r.top, boardGeometry(v).rowBottom(11));
    }
    for (const TextOp& t : textsOf(after, Role::Clock)) {
        if (t.text != "0:10:00") {
            EXPECT_TRUE(covers(damage, primitiveBounds({Role::Clock, t}, m))) << t.text;
        }
    }

    // The replay paints the background and the clocks under the damage, not
    // the rows' texts.
    RecordingCanvas canvas;
    replayTouching(after, damage, canvas, m);
    EXPECT_GE(canvas.fills, 1);
    EXPECT_NE(std::find(canvas.texts.begin(), canvas.texts.end(), "0:04:11"), canvas.texts.end());
    EXPECT_EQ(std::find(canvas.texts.begin(), canvas.texts.end(), "Pilote 3"), canvas.texts.end());
}

TEST(BoardDamage, APassingDamagesItsRowsAndARowThatAppearsLeavesTheOthersPaired)
{
    const FixedMetrics m;
    BoardView v = typicalView(1600, 900, 12);
    const Drawing before = layoutBoard(v, m);
    const BoardGeometry g = boardGeometry(v);

    // Pilots 4 and 5 change places.
    std::swap(v.inputs.rows[3].name, v.inputs.rows[4].name);
    v.inputs.rows[3].passingCount = "6";
    const Drawing after = layoutBoard(v, m);
    const std::vector<Rect> damage = damagedRects(before, after, m);
    ASSERT_FALSE(damage.empty());
    for (const Rect& r : damage) {
        EXPECT_LT(r.top, g.rowBottom(4));
        EXPECT_GT(r.bottom, g.rowTop(3));
    }

    // A finish flag appears in the middle of the drawing: the clocks and the
    // rows below stay paired and undamaged.
    v.inputs.rows[8].finished = true;
    const Drawing flagged = layoutBoard(v, m);
    const std::vector<Rect> flagDamage = damagedRects(after, flagged, m);
    ASSERT_FALSE(flagDamage.empty());
    for (const Rect& r : flagDamage) {
        EXPECT_LT(r.top, g.rowBottom(8));
        EXPECT_GT(r.bottom, g.rowTop(8));
        EXPECT_GT(r.left, g.columnLeft(ColumnTransponder));
    }
    // And back: the flag's place is damaged again.
    v.inputs.rows[8].finished = false;
    EXPECT_EQ(damagedRects(flagged, layoutBoard(v, m), m), flagDamage);
}

TEST(BoardDamage, BoundsHoldTheTextsBoxLinesWidthAndMergedRectanglesTouchingOnes)
{
    const FixedMetrics m;
    const FontSpec f {"Arial", 20, 400, false, false, false};
    // 4 characters of 10 pixels, 24 high, centred on 100.
    const Rect text = primitiveBounds({Role::Cell, TextOp {100, 50, TextAlign::Centre, "1:10", f,
                                                       0, std::nullopt}},
        m);
    EXPECT_TRUE(inside({80, 50, 120, 74}, text));
    const Rect right = primitiveBounds(
        {Role::Cell, TextOp {100, 50, TextAlign::Right, "1:10", f, 0, std::nullopt}}, m);
    EXPECT_TRUE(inside({60, 50, 100, 74}, right));
    const Rect line = primitiveBounds({Role::Frame, LineOp {10, 20, 10, 80, 0, 2}}, m);
    EXPECT_TRUE(inside({8, 19, 12, 81}, line));

    std::vector<Rect> rects;
    addDamage(rects, {{0, 0, 10, 10}, {50, 50, 60, 60}});
    EXPECT_EQ(rects.size(), 2u);
    // Touching the first, then bridging to the second: one rectangle.
    addDamage(rects, {{10, 0, 20, 10}});
    EXPECT_EQ(rects.size(), 2u);
    addDamage(rects, {{15, 5, 55, 55}, {0, 0, 0, 30}});
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0], (Rect {0, 0, 60, 60}));
    EXPECT_EQ(damagedArea(rects), 3600);
}

} // namespace
} // namespace ksy::test
