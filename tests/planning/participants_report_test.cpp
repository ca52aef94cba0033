#include "planning/participants_report.h"

#include <gtest/gtest.h>

using namespace ksy;

namespace {

ParticipantList listOf(int n)
{
    ParticipantList list;
    for (int i = 0; i < n; ++i)
        list.at(i).name = "Pilote " + std::to_string(100 + i);
    return list;
}

const TextOp* findText(const Drawing& d, const std::string& text)
{
    for (const Primitive& p : d)
        if (const auto* t = std::get_if<TextOp>(&p.op); t && t->text == text)
            return t;
    return nullptr;
}

std::vector<TextOp> cells(const Drawing& d)
{
    std::vector<TextOp> out;
    for (const Primitive& p : d)
        if (p.role == report_role::kCell)
            out.push_back(std::get<TextOp>(p.op));
    return out;
}

int countLines(const Drawing& d, Role role)
{
    int n = 0;
    for (const Primitive& p : d)
        n += p.role == role && std::holds_alternative<LineOp>(p.op);
    return n;
}

const ParticipantReportHeader kHeader {"Cat\xE9gorie Standart", "Grand Prix", "Berck"};
const PilotSummary kKnown {"Pilote 100", "FR-123", "000001", "CLV Berck"};
const PilotLookup kLookup = [](std::string_view name) -> const PilotSummary* {
    return name == kKnown.name ? &kKnown : nullptr;
};

} // namespace

TEST(ParticipantListReport, FortyRowsFitOnePageAndTheFortyFirstStartsAnother)
{
    EXPECT_TRUE(participantListReport(kHeader, listOf(0), kLookup, {}).pages.empty());

    const ReportDocument one = participantListReport(kHeader, listOf(40), kLookup, {});
    ASSERT_EQ(one.pages.size(), 1u);
    EXPECT_EQ(one.identity.documentName, "LISTE PILOTES : Printing...");
    EXPECT_TRUE(findText(one.pages[0], "Page 1 /1"));
    EXPECT_TRUE(findText(one.pages[0], "Liste des participants (40 inscrits)"));
    EXPECT_EQ(countLines(one.pages[0], report_role::kRowLine), 39);

    const ReportDocument two = participantListReport(kHeader, listOf(41), kLookup, {});
    ASSERT_EQ(two.pages.size(), 2u);
    EXPECT_TRUE(findText(two.pages[0], "Page 1 /2"));
    EXPECT_TRUE(findText(two.pages[1], "Page 2 /2"));
    // The second page repeats the heads and holds row 41 alone, at the first row position.
    EXPECT_TRUE(findText(two.pages[1], "Liste des participants (41 inscrits)"));
    EXPECT_TRUE(findText(two.pages[1], "Nom Pr\xC3\xA9nom"));
    const auto rows = cells(two.pages[1]);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].text, "41");
    EXPECT_EQ(rows[0].y, 310);
    EXPECT_EQ(rows[1].text, "Pilote 140");
    EXPECT_EQ(countLines(two.pages[1], report_role::kRowLine), 0);
}

TEST(ParticipantListReport, PlacesTitlesHeadsAndRowsOnTheLogicalPage)
{
    const ReportDocument doc =
        participantListReport(kHeader, listOf(3), kLookup, {1, 6, 2025, 14, 5});
    const Drawing& page = doc.pages.at(0);

    const TextOp* category = findText(page, "CATEGORIE : Cat\xC3\xA9gorie Standart");
    ASSERT_TRUE(category);
    EXPECT_EQ(std::pair(category->x, category->y), std::pair(350, 70));
    EXPECT_EQ(category->font.pixelHeight, 23);
    const TextOp* race = findText(page, "Course : Grand Prix - Berck");
    ASSERT_TRUE(race);
    EXPECT_EQ(std::pair(race->x, race->y), std::pair(150, 170));
    const TextOp* edited = findText(page, "Edit\xC3\xA9 le 01/06/2025 \xC3\xA0 14:05");
    ASSERT_TRUE(edited);
    EXPECT_EQ(std::pair(edited->x, edited->y), std::pair(140, 220));
    EXPECT_EQ(edited->font.pixelHeight, 17);
    const TextOp* licence = findText(page, "N\xC2\xB0Licence");
    ASSERT_TRUE(licence);
    EXPECT_EQ(licence->align, TextAlign::Centre);
    EXPECT_EQ(std::pair(licence->x, licence->y), std::pair(550, 265));

    // Row 2 (0-based 1) has no pilot in the database: licence and club stay blank.
    const auto rows = cells(page);
    ASSERT_EQ(rows.size(), 4u + 2u + 2u);
    EXPECT_EQ(rows[0].text, "1");
    EXPECT_EQ(rows[0].align, TextAlign::Right);
    EXPECT_EQ(std::pair(rows[0].x, rows[0].y), std::pair(135, 310));
    EXPECT_EQ(rows[2].text, "FR-123");
    EXPECT_EQ(std::pair(rows[2].x, rows[2].align), std::pair(550, TextAlign::Centre));
    EXPECT_EQ(std::pair(rows[3].text, rows[3].x), std::pair(std::string("CLV Berck"), 650));
    EXPECT_EQ(rows[5].text, "Pilote 101");
    EXPECT_EQ(std::pair(rows[5].x, rows[5].y), std::pair(150, 340));
    EXPECT_EQ(rows[6].y, 370);

    // Row lines between rows only; separators run from the head to the last row.
    std::vector<LineOp> rowLines;
    for (const Primitive& p : page)
        if (p.role == report_role::kRowLine)
            rowLines.push_back(std::get<LineOp>(p.op));
    ASSERT_EQ(rowLines.size(), 2u);
    EXPECT_EQ(rowLines[0], (LineOp {100, 336, 1000, 336, kReportInk, 1}));
    EXPECT_EQ(rowLines[1].y1, 366);
    bool separatorAt460 = false;
    for (const Primitive& p : page)
        if (const auto* l = std::get_if<LineOp>(&p.op);
            l && p.role == report_role::kColumn && l->x1 == 460)
            separatorAt460 = l->y1 == 250 && l->y2 == 396;
    EXPECT_TRUE(separatorAt460);
}
