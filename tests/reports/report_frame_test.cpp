#include "reports/report_frame.h"

#include <gtest/gtest.h>

using namespace ksy;

namespace {

std::vector<LineOp> lines(const Drawing& d, Role role)
{
    std::vector<LineOp> out;
    for (const Primitive& p : d)
        if (p.role == role)
            if (const auto* l = std::get_if<LineOp>(&p.op))
                out.push_back(*l);
    return out;
}

} // namespace

TEST(ReportFrame, PaginatesFortyRowsAPage)
{
    EXPECT_EQ(reportPageCount(0), 0);
    EXPECT_EQ(reportPageCount(1), 1);
    EXPECT_EQ(reportPageCount(40), 1);
    EXPECT_EQ(reportPageCount(41), 2);
    EXPECT_EQ(reportPageCount(80), 2);
    EXPECT_EQ(reportPageRows(1, 40).count(), 40);
    EXPECT_EQ(reportPageRows(2, 41).first, 40);
    EXPECT_EQ(reportPageRows(2, 41).count(), 1);
    EXPECT_EQ(reportPageRows(3, 41).count(), 0);
}

TEST(ReportFrame, MapsTheLogicalPageIsotropically)
{
    // A4 at 600 dpi: 4961 x 7016 printable pixels.
    const auto portrait = isotropicMapping(reportIdentity(ReportKind::ParticipantList), 4961, 7016);
    EXPECT_NEAR(portrait.scale, 7016.0 / 1600, 1e-9);
    EXPECT_EQ(portrait.visibleHeight, 1600);
    EXPECT_NEAR(portrait.visibleWidth, 1131, 1);
    const auto sheet = isotropicMapping(reportIdentity(ReportKind::HeatResultSheet), 7016, 4961);
    EXPECT_EQ(sheet.visibleWidth, 1600);
    EXPECT_NEAR(sheet.visibleHeight, 1131, 1);
    EXPECT_TRUE(reportIdentity(ReportKind::HeatResultSheet).landscape);
    const auto analysis =
        isotropicMapping(reportIdentity(ReportKind::PilotRunAnalysis), 4961, 7016);
    EXPECT_NEAR(analysis.visibleWidth, 792, 1);
    EXPECT_EQ(reportIdentity(ReportKind::HeatComposition).documentName,
        "REPARTITION QUALIFS : Printing...");
}

TEST(ReportFrame, DrawsDoubleBorderLogoAndPageNumber)
{
    ReportPage page(ReportKind::RoundRanking);
    page.pageNumber(2, 3);
    const Drawing& d = page.drawing();
    const auto frame = lines(d, report_role::kFrame);
    ASSERT_EQ(frame.size(), 8u);
    EXPECT_EQ(frame[0], (LineOp {15, 15, 1100, 15, kReportInk, 1}));
    EXPECT_EQ(frame[2], (LineOp {1100, 1585, 15, 1585, kReportInk, 1}));
    EXPECT_EQ(frame[4], (LineOp {20, 20, 1095, 20, kReportInk, 1}));
    EXPECT_EQ(frame[6], (LineOp {1095, 1580, 20, 1580, kReportInk, 1}));
    EXPECT_EQ(d[8], (Primitive {Role::Logo, ImageOp {{25, 25, 225, 75}, "images/logo.bmp"}}));
    const auto& number = std::get<TextOp>(d.back().op);
    EXPECT_EQ(number.text, "Page 2 /3");
    EXPECT_EQ(number.x, 1000);
    EXPECT_EQ(number.y, 1550);
    EXPECT_EQ(number.font.face, "Arial");

    const auto sheet =
        lines(ReportPage(ReportKind::HeatResultSheet).drawing(), report_role::kFrame);
    EXPECT_EQ(sheet[1], (LineOp {1585, 15, 1585, 1100, kReportInk, 1}));
    const Drawing analysis = ReportPage(ReportKind::PilotRunAnalysis).take();
    ASSERT_EQ(analysis.size(), 1u);
    EXPECT_EQ(std::get<ImageOp>(analysis[0].op).rect, (Rect {25, 25, 175, 62}));

    EXPECT_EQ(editedOnText({5, 3, 2024, 9, 7}), "Edit\xC3\xA9 le 05/03/2024 \xC3\xA0 9:07");
}
