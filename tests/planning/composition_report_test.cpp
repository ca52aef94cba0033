#include "planning/heat_composition_report.h"

#include <gtest/gtest.h>
#include <string>

using namespace ksy;

namespace {

HeatComposition composition(int count, int pilotsPerHeat)
{
    HeatPlan plan;
    ParticipantList list;
    plan.pilotsPerHeat = pilotsPerHeat;
    for (int i = 0; i < count; ++i) {
        list.at(i).name = "Pilote " + std::to_string(100 + i);
        list.at(i).transponder = std::to_string(300000 + i);
        list.at(i).frequencies[0] = i < 2 ? "40.665" : "";
        plan.at(i) = list.at(i).name;
    }
    return HeatComposition(plan, list);
}

const TextOp* findText(const Drawing& d, const std::string& text)
{
    for (const Primitive& p : d)
        if (const auto* t = std::get_if<TextOp>(&p.op); t && t->text == text)
            return t;
    return nullptr;
}

bool hasLine(const Drawing& d, int x1, int y1, int x2, int y2)
{
    for (const Primitive& p : d)
        if (const auto* l = std::get_if<LineOp>(&p.op))
            if ((l->x1 == x1 && l->y1 == y1 && l->x2 == x2 && l->y2 == y2) ||
                (l->x1 == x2 && l->y1 == y2 && l->x2 == x1 && l->y2 == y1))
                return true;
    return false;
}

const CompositionReportHeader kHeader {"Cadets", "Grand Prix", "Plage Nord"};
const ReportDate kDate {14, 7, 2024, 9, 5};

} // namespace

TEST(CompositionReport, HeatBoxesRowsAndTitles)
{
    // 45 pilots at 10 a heat: 5 heats, 4 a page, so 2 pages.
    const ReportDocument doc = heatCompositionReport(kHeader, composition(45, 10), 45, kDate);
    EXPECT_EQ(doc.identity.documentName, "REPARTITION QUALIFS : Printing...");
    ASSERT_EQ(doc.pages.size(), 2u);
    const Drawing& p1 = doc.pages[0];

    const auto expectAt = [&](const Drawing& d, const std::string& text, int x, int y,
                              TextAlign align) {
        const TextOp* t = findText(d, text);
        ASSERT_NE(t, nullptr) << text;
        EXPECT_EQ(t->x, x) << text;
        EXPECT_EQ(t->y, y) << text;
        EXPECT_EQ(t->align, align) << text;
    };
    expectAt(p1, "CATEGORIE : Cadets", 350, 70, TextAlign::Left);
    expectAt(p1, "Composition des S\xC3\xA9ries", 350, 110, TextAlign::Left);
    expectAt(p1, "Course : Grand Prix - Plage Nord", 150, 170, TextAlign::Left);
    expectAt(p1, "Edit\xC3\xA9 le 14/07/2024 \xC3\xA0 9:05", 100, 220, TextAlign::Left);
    EXPECT_EQ(findText(p1, "Edit\xC3\xA9 le 14/07/2024 \xC3\xA0 9:05")->font.pixelHeight, 17);
    expectAt(p1, "S\xC3\xA9rie", 200, 270, TextAlign::Centre);
    expectAt(p1, "Ligne", 360, 270, TextAlign::Right);
    expectAt(p1, "Nom Pilote", 390, 270, TextAlign::Left);
    expectAt(p1, "Transpond.", 770, 270, TextAlign::Centre);
    expectAt(p1, "Freq1", 870, 270, TextAlign::Left);
    expectAt(p1, "Page 1 /2", 1000, 1550, TextAlign::Left);
    EXPECT_TRUE(hasLine(p1, 100, 250, 950, 250));
    for (const int x : {300, 380, 700, 850})
        EXPECT_TRUE(hasLine(p1, x, 250, x, 306)) << x;

    // Heat 2 of the page (h = 1), B = 285: box 596 to 876, label at 306 +
    // 285 + 140, row 3 at 313 + 285 + 84.
    EXPECT_TRUE(hasLine(p1, 100, 596, 950, 596));
    EXPECT_TRUE(hasLine(p1, 100, 876, 950, 876));
    EXPECT_TRUE(hasLine(p1, 700, 596, 700, 876));
    expectAt(p1, "S\xC3\xA9rie 2", 200, 731, TextAlign::Centre);
    expectAt(p1, "Pilote 113", 390, 682, TextAlign::Left);
    expectAt(p1, "300013", 770, 682, TextAlign::Centre);
    EXPECT_TRUE(hasLine(p1, 300, 596 + 28, 950, 596 + 28));
    EXPECT_EQ(findText(p1, "S\xC3\xA9rie 5"), nullptr);

    // Page 2: heat 5 on top, with its 5 pilots and 5 blank lines.
    const Drawing& p2 = doc.pages[1];
    expectAt(p2, "S\xC3\xA9rie 5", 200, 306 + 140, TextAlign::Centre);
    expectAt(p2, "Pilote 144", 390, 313 + 28 * 4, TextAlign::Left);
    expectAt(p2, "10", 360, 313 + 28 * 9, TextAlign::Right);
    expectAt(p2, "Page 2 /2", 1000, 1550, TextAlign::Left);
    EXPECT_EQ(findText(p2, "(NA)"), nullptr);
}

TEST(CompositionReport, PaginationAndConflicts)
{
    // 40 rows a page: 20 at 2 a heat on one page, 21 heats on two.
    EXPECT_EQ(compositionHeatsPerPage(2), 20);
    EXPECT_EQ(compositionHeatsPerPage(20), 2);
    EXPECT_EQ(compositionHeatsPerPage(7), 5);
    // One pilot a heat: 40 boxes of 33 would run past the page.
    EXPECT_EQ(compositionHeatsPerPage(1), 37);
    EXPECT_EQ(compositionHeatsPerPage(0), 0);
    EXPECT_EQ(heatCompositionReport(kHeader, composition(40, 2), 40, kDate).pages.size(), 1u);
    EXPECT_EQ(heatCompositionReport(kHeader, composition(41, 2), 41, kDate).pages.size(), 2u);
    const ReportDocument ones = heatCompositionReport(kHeader, composition(38, 1), 38, kDate);
    ASSERT_EQ(ones.pages.size(), 2u);
    EXPECT_TRUE(hasLine(ones.pages[0], 100, 306 + 33 * 37, 950, 306 + 33 * 37));
    EXPECT_LE(306 + 33 * 37, 1540);

    // No participant: nothing to print.
    EXPECT_TRUE(heatCompositionReport(kHeader, composition(0, 10), 0, kDate).pages.empty());

    // Pilots 0 and 1 share "40.665" in heat 1: red, and "!" for a black and
    // white printer; with 1 a heat they are in different heats: black.
    const ReportDocument shared = heatCompositionReport(kHeader, composition(5, 5), 5, kDate);
    int red = 0;
    for (const Primitive& p : shared.pages[0]) {
        if (const auto* t = std::get_if<TextOp>(&p.op); t && t->colour == rgb(250, 0, 0)) {
            ++red;
            EXPECT_EQ(t->text, "!40.665");
            EXPECT_EQ(t->x, 870);
        }
    }
    EXPECT_EQ(red, 2);
    const ReportDocument apart = heatCompositionReport(kHeader, composition(5, 1), 5, kDate);
    for (const Primitive& p : apart.pages[0]) {
        if (const auto* t = std::get_if<TextOp>(&p.op)) {
            EXPECT_NE(t->colour, rgb(250, 0, 0)) << t->text;
            EXPECT_FALSE(t->text.starts_with("!")) << t->text;
        }
    }
}
