#include "planning/heat_composition_view.h"

#include <gtest/gtest.h>
#include <string>

using namespace ksy;

namespace {

HeatComposition composition(
    int count, int pilotsPerHeat, const std::vector<std::pair<int, std::string>>& freq1 = {})
{
    HeatPlan plan;
    ParticipantList list;
    plan.pilotsPerHeat = pilotsPerHeat;
    for (int i = 0; i < count; ++i) {
        list.at(i).name = "Pilote " + std::to_string(100 + i);
        list.at(i).transponder = std::to_string(200000 + i);
        plan.at(i) = list.at(i).name;
    }
    for (const auto& [i, f] : freq1)
        list.at(i).frequencies[0] = f;
    list.sort();
    return HeatComposition(plan, list);
}

std::vector<TextOp> texts(const Drawing& d, Role role)
{
    std::vector<TextOp> out;
    for (const Primitive& p : d)
        if (p.role == role)
            if (const auto* t = std::get_if<TextOp>(&p.op))
                out.push_back(*t);
    return out;
}

std::vector<ImageOp> images(const Drawing& d, const std::string& file)
{
    std::vector<ImageOp> out;
    for (const Primitive& p : d)
        if (const auto* i = std::get_if<ImageOp>(&p.op); i && i->file == file)
            out.push_back(*i);
    return out;
}

const TextOp* textAt(const Drawing& d, int x, int y)
{
    for (const Primitive& p : d)
        if (const auto* t = std::get_if<TextOp>(&p.op); t && t->x == x && t->y == y)
            return t;
    return nullptr;
}

} // namespace

TEST(CompositionView, RowsLabelsAndArrows)
{
    // 25 pilots at 10 a heat: 30 rows, 20 visible.
    const HeatComposition c = composition(25, 10);
    const Drawing d = compositionListDrawing(c, 0);
    ASSERT_FALSE(d.empty());
    const auto* background = std::get_if<FillRectOp>(&d[0].op);
    ASSERT_NE(background, nullptr);
    EXPECT_EQ(background->rect, (Rect {48, 120, 701, 591}));
    EXPECT_EQ(background->colour, rgb(230, 230, 220));

    std::vector<std::string> heads;
    for (const TextOp& t : texts(d, Role::Header))
        heads.push_back(t.text);
    EXPECT_EQ(heads,
        (std::vector<std::string> {"S\xC3\xA9rie", "Pilote", "Transp.", "Freq 1", "Freq 2",
            "Freq 3", "Freq 4", "Freq 5"}));

    // Row 3 holds entry 3 at y 150 + 66, name and transponder.
    const TextOp* name = textAt(d, 115, 150 + 66 + 3);
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->text, "Pilote 103");
    EXPECT_EQ(name->font.pixelHeight, 15);
    EXPECT_EQ(textAt(d, 395, 219)->text, "200003");

    // Heats 1 and 2 are labelled at the middle of their blocks; heat 3
    // starts at row 20, out of sight.
    const auto labels = texts(d, Role::HeatTitle);
    ASSERT_EQ(labels.size(), 2u);
    EXPECT_EQ(labels[0].text, "S\xC3\xA9rie 1");
    EXPECT_EQ(labels[0].y, 150 + 110 - 8);
    EXPECT_EQ(labels[1].y, 150 + 220 + 110 - 8);

    // Up arrows on rows 1..19, down arrows on rows 0..18, 4 pixels down.
    const auto ups = images(d, "images/FlecheHaut.bmp");
    const auto downs = images(d, "images/FlecheBas.bmp");
    ASSERT_EQ(ups.size(), 19u);
    ASSERT_EQ(downs.size(), 19u);
    EXPECT_EQ(ups[0].rect.left, 350);
    EXPECT_EQ(ups[0].rect.top, 150 + 22 + 4);
    EXPECT_EQ(downs[0].rect.left, 370);
    EXPECT_EQ(downs[0].rect.top, 154);
    EXPECT_EQ(downs.back().rect.top, 150 + 22 * 18 + 4);

    // At the bottom the last row has no row after it: no down arrow there.
    const Drawing end = compositionListDrawing(c, 10);
    EXPECT_EQ(images(end, "images/FlecheBas.bmp").size(), 19u);
    EXPECT_EQ(images(end, "images/FlecheHaut.bmp").size(), 19u);
    EXPECT_EQ(texts(end, Role::HeatTitle).size(), 2u); // heats 2 and 3
    EXPECT_EQ(texts(end, Role::HeatTitle)[0].text, "S\xC3\xA9rie 2");
    // "(NA)" rows are blank.
    EXPECT_EQ(textAt(end, 115, 150 + 22 * 15 + 3), nullptr);

    // A short list: 3 pilots, one heat of 10 rows; arrows stop at the last.
    const Drawing small = compositionListDrawing(composition(3, 10), 0);
    EXPECT_EQ(images(small, "images/FlecheBas.bmp").size(), 9u);
    EXPECT_EQ(images(small, "images/FlecheHaut.bmp").size(), 9u);
}

TEST(CompositionView, ArrowHitsNameTheUpperEntry)
{
    const HeatComposition c = composition(25, 10);
    EXPECT_EQ(compositionArrowHit(c, 0, 375, 160), 0);
    EXPECT_EQ(compositionArrowHit(c, 0, 355, 182), 0); // up arrow of row 1
    EXPECT_EQ(compositionArrowHit(c, 7, 355, 182 + 22 * 4), 11);
    EXPECT_EQ(compositionArrowHit(c, 0, 365, 160), std::nullopt);
    EXPECT_EQ(compositionArrowHit(c, 0, 355, 160), std::nullopt); // row 0 has no up arrow
    // Row 19's down arrow is never offered.
    EXPECT_EQ(compositionArrowHit(c, 0, 375, 154 + 22 * 19 + 5), std::nullopt);
    EXPECT_EQ(compositionArrowHit(c, 0, 375, 154 + 22 * 18 + 5), 18);
    // Nothing below the last row.
    EXPECT_EQ(compositionArrowHit(c, 10, 375, 154 + 22 * 19 + 5), std::nullopt);
}

TEST(CompositionView, Freq1ConflictsAreRedInsideOneHeat)
{
    // Heat 1: 0 and 2 share 27.045 (red), 1 and 3 share 2.4Ghz (not red), 4
    // and 5 have none; heat 2: 11 also has 27.045 but is alone in its heat.
    const HeatComposition c = composition(
        12, 10, {{0, "27.045"}, {2, "27.045"}, {1, "2.4Ghz"}, {3, "2.4Ghz"}, {11, "27.045"}});
    EXPECT_TRUE(c.inConflict(0));
    EXPECT_TRUE(c.inConflict(2));
    EXPECT_FALSE(c.inConflict(1));
    EXPECT_FALSE(c.inConflict(3));
    EXPECT_FALSE(c.inConflict(4));
    EXPECT_FALSE(c.inConflict(11));

    const Drawing d = compositionListDrawing(c, 0);
    const auto red = texts(d, Role::RadioConflict);
    ASSERT_EQ(red.size(), 2u);
    EXPECT_EQ(red[0].x, 450);
    EXPECT_EQ(red[0].y, 153);
    EXPECT_EQ(red[1].y, 153 + 44);
    EXPECT_EQ(red[0].colour, rgb(250, 0, 0));
    EXPECT_EQ(red[0].text, "!27.045"); // a sign that a grey printout keeps
    EXPECT_EQ(textAt(d, 450, 153 + 22 * 11)->colour, rgb(0, 0, 0));
    EXPECT_EQ(textAt(d, 450, 153 + 22 * 11)->text, "27.045");

    // Moving entry 2 into heat 2 ends the conflict in heat 1 and makes one
    // in heat 2.
    HeatComposition moved = c;
    for (int i = 2; i < 10; ++i)
        ASSERT_TRUE(moved.moveDown(i));
    EXPECT_FALSE(moved.inConflict(0));
    EXPECT_TRUE(moved.inConflict(10));
    EXPECT_TRUE(moved.inConflict(11));
}
