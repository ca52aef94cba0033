#include "board_fakes.h"
#include "display/board_layout.h"
#include "display/board_scroll.h"
#include "display/text_fit.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <ranges>

namespace ksy::test {
namespace {

Rect rectOf(const Drawing& d, Role role)
{
    for (const Primitive& p : d) {
        if (p.role != role)
            continue;
        if (auto* f = std::get_if<FillRectOp>(&p.op))
            return f->rect;
        if (auto* g = std::get_if<GradientRectOp>(&p.op))
            return g->rect;
    }
    return {};
}

TEST(BoardLayout, RowMetricsFollowTheTallestColumnFontAndTheFreeHeight)
{
    const FixedMetrics m;
    BoardStyle style = typicalStyle();
    EXPECT_EQ(boardRowMetrics(style, 1600, 900, m).rowHeight, 28); // 24 * 1.2
    EXPECT_EQ(boardRowMetrics(style, 1600, 900, m).visibleRows, 16); // 16*28 < 465 <= 17*28
    // The font follows the screen; the row height is not scaled a second time.
    EXPECT_EQ(boardRowMetrics(style, 1920, 1080, m).rowHeight, 33); // 28 * 1.2
    EXPECT_EQ(boardRowMetrics(style, 1920, 1080, m).visibleRows, 16); // 528 < 558 <= 561
    EXPECT_EQ(boardRowMetrics(style, 3840, 2160, m).visibleRows, 16);

    // A little short of room for twenty rows: the spacing gives way, not the
    // rows (21-pixel text, 25-pixel rows would leave 18 rows; 23 leaves 20).
    for (auto& f : style.fonts)
        f.pixelHeight = 18;
    EXPECT_EQ(boardRowMetrics(style, 1600, 900, m).rowHeight, 23);
    EXPECT_EQ(boardRowMetrics(style, 1600, 900, m).visibleRows, 20);
    style = typicalStyle();

    // Only the nine column fonts count, the largest wins.
    style.fonts[0].pixelHeight = 90;
    style.fonts[2].pixelHeight = 90;
    style.fonts[7].pixelHeight = 40; // 48 high -> 57
    EXPECT_EQ(boardRowMetrics(style, 1600, 900, m).rowHeight, 57);
    EXPECT_EQ(boardRowMetrics(style, 1600, 900, m).visibleRows, 8);

    EXPECT_EQ(visibleRowCount(10, 900), 20); // never more than 20
    EXPECT_EQ(visibleRowCount(465, 900), 0);
}

TEST(BoardLayout, RectanglesAndColumnsAt1600x900)
{
    const BoardView v = typicalView(1600, 900, 12);
    const Drawing d = layoutBoard(v, FixedMetrics {});
    EXPECT_EQ(rectOf(d, Role::BoardArea), (Rect {215, 115, 1570, 610}));
    EXPECT_EQ(rectOf(d, Role::HeaderBand), (Rect {220, 123, 1555, 145}));
    const BoardGeometry g = boardGeometry(v);
    EXPECT_EQ(g.positionStrip(), (Rect {220, 145, 260, 481}));
    EXPECT_EQ(g.table(), (Rect {260, 145, 1555, 481}));
    EXPECT_EQ(g.heatTitle(), (Rect {215, 20, 678, 60}));
    EXPECT_EQ(g.clock(), (Rect {250, 730, 640, 780}));
    EXPECT_EQ(g.countdown(), (Rect {680, 730, 750, 770}));
    EXPECT_EQ(g.status(), (Rect {10, 790, 200, 810}));
    EXPECT_EQ(g.warning(), (Rect {1038, 30, 1470, 100}));

    // "Nom pilote" spans 60..360 units from the table's left edge.
    const TextOp* name = findText(d, "Pilote 4");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->x, 470);
    EXPECT_EQ(name->y, 145 + 28 * 3 + 2);
    EXPECT_EQ(name->align, TextAlign::Centre);
    EXPECT_EQ(name->font.pixelHeight, 20);
    EXPECT_EQ(name->colour, v.style.textColours[4]);
    EXPECT_FALSE(name->background.has_value());

    const auto cells = textsOf(d, Role::Cell);
    EXPECT_EQ(cells.size(), 9u * 12u);
    EXPECT_EQ(textsOf(d, Role::Place).size(), 12u);
    EXPECT_EQ(textsOf(d, Role::Place)[0].font.face, "Arial Black");
}

TEST(BoardLayout, RectanglesAndColumnsAt1920x1080)
{
    const BoardView v = typicalView(1920, 1080, 12);
    const Drawing d = layoutBoard(v, FixedMetrics {});
    EXPECT_EQ(rectOf(d, Role::BoardArea), (Rect {218, 138, 1844, 732}));
    EXPECT_EQ(rectOf(d, Role::HeaderBand), (Rect {224, 147, 1826, 174}));
    const BoardGeometry g = boardGeometry(v);
    EXPECT_EQ(g.rowsDrawn, 12);
    EXPECT_EQ(g.table(), (Rect {272, 174, 1826, 174 + 12 * 33}));
    EXPECT_EQ(g.heatTitle(), (Rect {218, 24, 812, 72}));
    EXPECT_EQ(g.clock(), (Rect {260, 876, 728, 936}));
    EXPECT_EQ(g.countdown(), (Rect {768, 876, 838, 924}));
    EXPECT_EQ(g.status(), (Rect {10, 970, 200, 990}));
    EXPECT_EQ(g.warning(), (Rect {1186, 36, 1790, 120}));
    EXPECT_EQ(g.columnLeft(1), 344);
    EXPECT_EQ(g.columnRight(1), 704);

    const TextOp* name = findText(d, "Pilote 4");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->x, 524);
    EXPECT_EQ(name->y, 174 + 33 * 3 + 33 / 12);
    EXPECT_EQ(name->font.pixelHeight, 24);

    const std::vector<TextOp> titles = textsOf(d, Role::HeatTitle);
    ASSERT_FALSE(titles.empty());
    EXPECT_EQ(titles.front().font.pixelHeight, 33); // 28 * 1920 / 1600
    EXPECT_EQ(titles.front().colour, v.style.textColours[0]);
}

TEST(BoardLayout, TextsStayInTheirCellsAndClocksFollowTheScreen)
{
    const FixedMetrics m;
    for (const auto& [w, h] : {std::pair {1366, 768}, {1920, 1080}, {2560, 1440}}) {
        BoardView v = typicalView(w, h, 3);
        v.inputs.rows[1].name = std::string(38, 'W'); // the longest name the editor takes
        v.inputs.heatTitle = "Catégorie 1 : " + std::string(120, 'x');
        const Drawing d = layoutBoard(v, m);
        const BoardGeometry g = boardGeometry(v);
        for (const TextOp& t : textsOf(d, Role::Cell)) {
            const int width = m.textWidth(t.font, t.text);
            bool inAColumn = false;
            for (int k = 0; k < BoardColumnCount; ++k)
                inAColumn = inAColumn ||
                    (t.x == g.columnCentre(k) && t.x - width / 2 >= g.columnLeft(k) &&
                        t.x + width / 2 <= g.columnRight(k));
            EXPECT_TRUE(inAColumn) << t.text << " at " << w;
        }
        const std::string name = textsOf(d, Role::Cell)[ColumnName * 3 + 1].text;
        EXPECT_TRUE(name.starts_with("WWW") && name.ends_with("…")) << name;

        const TextOp title = textsOf(d, Role::HeatTitle).front();
        EXPECT_TRUE(title.text.starts_with("Catégorie 1 : xx") && title.text.ends_with("…"));
        EXPECT_LE(title.x + m.textWidth(title.font, title.text), g.heatTitle().right);
        EXPECT_EQ(opsOf<FillRectOp>(d, Role::HeatTitle).front().rect, g.heatTitle());

        for (const TextOp& c : textsOf(d, Role::Clock))
            EXPECT_EQ(c.font.pixelHeight, 30 * w / 1600);
    }
    // Cut between characters, never inside one ("É" is two bytes, 10 pixels).
    const FontSpec f {"Arial", 10};
    EXPECT_EQ(elideToWidth("Éric Tabarly", f, 65, m), "Éric Tabarly");
    EXPECT_EQ(elideToWidth("Éric Tabarly", f, 34, m), "Ér…");
    EXPECT_EQ(elideToWidth("Éric Tabarly", f, 24, m), "…"); // half an "É" would fit
    EXPECT_EQ(elideToWidth("Éric Tabarly", f, 14, m), "");
}

TEST(BoardLayout, HeadersWatermarkAndFrame)
{
    BoardView v = typicalView(1600, 900, 0);
    v.widths[ColumnGapToPrevious] = 0; // a hidden column
    const Drawing d = layoutBoard(v, FixedMetrics {});

    std::vector<std::string> headers;
    for (const TextOp& t : textsOf(d, Role::Header)) {
        headers.push_back(t.text);
        EXPECT_EQ(t.colour, v.style.textColours[2]);
        EXPECT_EQ(t.align, TextAlign::Left);
    }
    EXPECT_EQ(headers,
        (std::vector<std::string> {"Pos", "Ligne", "Nom pilote", "Tours", "Temps total",
            "Ecart leader", "Dernier tour", "Meilleur tour", "Transp.", "Fin"}));
    // No rows: nothing in the strip or the table, but the frame and the footer.
    EXPECT_TRUE(textsOf(d, Role::Cell).empty());
    EXPECT_TRUE(textsOf(d, Role::Place).empty());
    EXPECT_TRUE(opsOf<LineOp>(d, Role::RowLine).empty());
    EXPECT_EQ(opsOf<LineOp>(d, Role::Frame).size(), 5u);
    EXPECT_EQ(textsOf(d, Role::Clock).size(), 3u);

    const TextOp* mark = findText(d, "Kestrametrix Sand Yachting");
    const TextOp* version = findText(d, "v 1.1.b");
    ASSERT_TRUE(mark && version);
    EXPECT_EQ(mark->colour, rgb(92, 102, 112)); // board colour 2 darkened by 10
    // 1215 pixels wide: 101 pixels high would need 26 * 101 / 2 = 1313 pixels
    // of text, so the name is scaled down to fit.
    EXPECT_EQ(mark->font.pixelHeight, 101 * 1215 / 1313);
    EXPECT_EQ(mark->x, (215 + 1430) / 2); // the hidden column narrows the board
    struct NarrowMetrics : FixedMetrics {
        int textWidth(const FontSpec& f, std::string_view s) const override
        {
            return static_cast<int>(s.size()) * f.pixelHeight / 3;
        }
    };
    const Drawing narrow = layoutBoard(v, NarrowMetrics {});
    const TextOp* fitting = findText(narrow, "Kestrametrix Sand Yachting");
    ASSERT_TRUE(fitting);
    EXPECT_EQ(fitting->font.pixelHeight, 1215 / 12);
    EXPECT_GT(version->y, mark->y);
    EXPECT_FALSE(findText(d, " Conflit Radio "));
    EXPECT_EQ(watermarkColour(rgb(9, 10, 255)), rgb(0, 0, 245));
}

TEST(BoardLayout, FlatOrGradientBandsAndCellBackgrounds)
{
    BoardView v = typicalView(1600, 900, 3);
    v.inputs.rows[0].changed = true;
    v.inputs.rows[0].holdsHeatBest = true;
    v.inputs.rows[0].newPersonalBest = true;
    v.inputs.rows[1].newPersonalBest = true;
    v.inputs.rows[2].finished = true;

    Drawing d = layoutBoard(v, FixedMetrics {});
    // Different colours: gradients, the table and the strip one per row.
    EXPECT_EQ(opsOf<GradientRectOp>(d, Role::HeaderBand).size(), 1u);
    const auto strip = opsOf<GradientRectOp>(d, Role::PositionStrip);
    ASSERT_EQ(strip.size(), 3u);
    EXPECT_EQ(strip[1].rect, (Rect {220, 145 + 28, 260, 145 + 56}));
    EXPECT_EQ(strip[1].top, rgb(215, 215, 105));
    EXPECT_EQ(strip[1].bottom, rgb(255, 255, 200)); // brightens by 40, 40, 95
    const auto table = opsOf<GradientRectOp>(d, Role::Table);
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table[2].top, v.style.colours[10]);
    EXPECT_EQ(table[2].bottom, v.style.colours[11]);

    auto background = [&](const std::string& text) { return findText(d, text)->background; };
    EXPECT_EQ(background(" 1 "), v.style.colours[5]);
    EXPECT_FALSE(background(" 2 "));
    std::vector<std::optional<Colour>> best;
    for (const TextOp& t : textsOf(d, Role::Cell))
        if (t.text == "49.900")
            best.push_back(t.background);
    EXPECT_EQ(best,
        (std::vector<std::optional<Colour>> {
            v.style.colours[6], v.style.colours[7], std::nullopt}));
    const auto flags = opsOf<ImageOp>(d, Role::FinishFlag);
    ASSERT_EQ(flags.size(), 1u);
    EXPECT_EQ(flags[0].rect, (Rect {1525, 145 + 56 + 2, 1550, 145 + 56 + 2 + 16}));
    EXPECT_EQ(flags[0].file, "images/drapeauArrivee.bmp");

    // "style dégradé": one gradient down the whole table and the whole strip.
    v.style.relief = false;
    d = layoutBoard(v, FixedMetrics {});
    const auto smooth = opsOf<GradientRectOp>(d, Role::Table);
    ASSERT_EQ(smooth.size(), 1u);
    EXPECT_EQ(smooth[0].rect, (Rect {260, 145, 1555, 145 + 84}));
    EXPECT_EQ(opsOf<GradientRectOp>(d, Role::PositionStrip).size(), 1u);
    v.style.relief = true;

    // Equal colours: flat header, pale yellow strip, one flat table.
    v.style.colours[9] = v.style.colours[8];
    v.style.colours[11] = v.style.colours[10];
    d = layoutBoard(v, FixedMetrics {});
    EXPECT_TRUE(opsOf<GradientRectOp>(d, Role::HeaderBand).empty());
    EXPECT_EQ(opsOf<FillRectOp>(d, Role::PositionStrip)[0].colour, rgb(255, 255, 200));
    EXPECT_EQ(opsOf<FillRectOp>(d, Role::Table)[0].rect, (Rect {260, 145, 1555, 145 + 84}));
    EXPECT_TRUE(opsOf<GradientRectOp>(d, Role::Table).empty());
}

TEST(BoardLayout, FooterRestAndRadioConflict)
{
    BoardView v = typicalView(1600, 900, 1);
    v.inputs.rest = {true, "3:00", "1:10 avant départ", false};
    v.inputs.radioConflict = true;
    Drawing d = layoutBoard(v, FixedMetrics {});

    const auto clocks = textsOf(d, Role::Clock);
    ASSERT_EQ(clocks.size(), 3u);
    EXPECT_EQ(clocks[0].text, "0:10:00");
    EXPECT_EQ(clocks[0].colour, rgb(0, 0, 0));
    EXPECT_EQ(clocks[1].colour, rgb(0, 150, 0));
    EXPECT_EQ(clocks[2].colour, rgb(150, 0, 0));
    for (const TextOp& c : clocks) {
        EXPECT_GE(c.x, 250);
        EXPECT_LT(c.x, 640);
    }
    const TextOp* countdown = findText(d, "5s");
    ASSERT_NE(countdown, nullptr);
    EXPECT_EQ(countdown->align, TextAlign::Right);
    EXPECT_EQ(countdown->x, 750);
    EXPECT_EQ(countdown->font, (FontSpec {"Arial", 30, 400, false, false, false}));

    const auto rest = textsOf(d, Role::Rest);
    ASSERT_EQ(rest.size(), 2u);
    EXPECT_EQ(rest[0].colour, rgb(0, 0, 0));
    EXPECT_EQ(rest[1].colour, rgb(0, 150, 0));
    EXPECT_GT(rest[1].x, rest[0].x);
    EXPECT_GE(rest[0].y, 790);

    const TextOp* conflict = findText(d, " Conflit Radio ");
    ASSERT_NE(conflict, nullptr);
    EXPECT_EQ(conflict->background, v.style.colours[4]);
    EXPECT_EQ(conflict->colour, v.style.textColours[1]);

    v.inputs.rest.elapsed = true;
    v.inputs.rest.countdown = "0:20 repos écoulé";
    d = layoutBoard(v, FixedMetrics {});
    EXPECT_EQ(findText(d, "0:20 repos écoulé")->colour, rgb(150, 0, 0));
    v.inputs.rest.shown = false;
    EXPECT_TRUE(textsOf(layoutBoard(v, FixedMetrics {}), Role::Rest).empty());
}

TEST(BoardLayout, ScrollingShowsTheLastEntriesAndNeverBeyond)
{
    BoardView v = typicalView(1600, 900, 20); // 16 rows fit
    EXPECT_EQ(scrollMaximum(20, 16), 4);
    EXPECT_TRUE(scrollBarShown(20, 16));
    EXPECT_FALSE(scrollBarShown(16, 16));

    v.scrollPosition = 3;
    auto places = textsOf(layoutBoard(v, FixedMetrics {}), Role::Place);
    ASSERT_EQ(places.size(), 16u);
    EXPECT_EQ(places.front().text, "4");
    EXPECT_EQ(places.front().y, 145 + 2);

    v.scrollPosition = 50; // stale position: shows the last 16 entries
    places = textsOf(layoutBoard(v, FixedMetrics {}), Role::Place);
    ASSERT_EQ(places.size(), 16u);
    EXPECT_EQ(places.front().text, "5");
    EXPECT_EQ(places.back().text, "20");

    EXPECT_EQ(applyScroll(0, ScrollCode::LineUp, 0, 20, 16), 0);
    EXPECT_EQ(applyScroll(3, ScrollCode::LineDown, 0, 20, 16), 4);
    EXPECT_EQ(applyScroll(4, ScrollCode::LineDown, 0, 20, 16), 4);
    EXPECT_EQ(applyScroll(0, ScrollCode::PageDown, 0, 20, 16), 4);
    EXPECT_EQ(applyScroll(2, ScrollCode::Thumb, 9, 20, 16), 4);
    EXPECT_EQ(applyScroll(2, ScrollCode::Thumb, 0, 12, 16), 0);
}

TEST(BoardLayout, TheHeatTitleCutsTheRunsTitleThenTheCategoryNeverTheHeat)
{
    // Two pixels a byte: the heats of one round differ only in their number.
    const FixedMetrics m;
    FontSpec f;
    f.pixelHeight = 4;
    const std::string details = "Durée 0:10:00 - DEPARTSignalSonore - FINTEMPSCharsVoile";
    const auto title = [&](const std::string& round, int width) {
        return heatTitleToWidth("Classe 5 Standart", round, details, f, width, m);
    };
    const std::string whole = "Classe 5 Standart - Manche1 - Série2 - " + details;
    EXPECT_EQ(title("Manche1 - Série2", 400), whole);

    const std::string cut1 = title("Manche1 - Série1", 100);
    const std::string cut2 = title("Manche1 - Série2", 100);
    EXPECT_TRUE(cut2.starts_with("Classe 5 Standart - Manche1 - Série2 - Durée")) << cut2;
    EXPECT_TRUE(cut2.ends_with("…")) << cut2;
    EXPECT_NE(cut1, cut2);
    EXPECT_LE(m.textWidth(f, cut2), 100);

    // No room for a word of the run's title: the name alone.
    EXPECT_EQ(title("Manche1 - Série2", 80), "Classe 5 Standart - Manche1 - Série2");
    // Not even for the name: the category gives way.
    const std::string narrow = title("Manche1 - Série2", 64);
    EXPECT_TRUE(narrow.ends_with("… - Manche1 - Série2")) << narrow;
    EXPECT_TRUE(narrow.starts_with("Cla")) << narrow;
    EXPECT_LE(m.textWidth(f, narrow), 64);

    // Without a heat's name the title is cut as any text.
    EXPECT_EQ(heatTitleToWidth("", "", details, f, 20, m), elideToWidth(details, f, 20, m));
}

} // namespace
} // namespace ksy::test
