#include "reports/report_frame.h"

#include "services/translate.h"

#include <algorithm>
#include <cstdio>

namespace ksy {

const ReportIdentity& reportIdentity(ReportKind kind)
{
    static const ReportIdentity participants {"LISTE PILOTES : Printing...", false, 900, 1600};
    static const ReportIdentity composition {"REPARTITION QUALIFS : Printing...", false, 900, 1600};
    static const ReportIdentity round {"CLASSEMENT MANCHE : Printing...", false, 900, 1600};
    static const ReportIdentity global {"CLASSEMENT FINAL : Printing...", false, 900, 1600};
    static const ReportIdentity sheet {"RESULTATS SERIE : Printing...", true, 1600, 900};
    static const ReportIdentity analysis {"SYNTHESE RUN : Printing...", false, 630, 1120};
    switch (kind) {
    case ReportKind::ParticipantList:
        return participants;
    case ReportKind::HeatComposition:
        return composition;
    case ReportKind::RoundRanking:
        return round;
    case ReportKind::GlobalRanking:
        return global;
    case ReportKind::HeatResultSheet:
        return sheet;
    case ReportKind::PilotRunAnalysis:
        return analysis;
    }
    return participants;
}

IsotropicMapping isotropicMapping(
    const ReportIdentity& identity, int printableWidth, int printableHeight)
{
    IsotropicMapping m;
    if (printableWidth <= 0 || printableHeight <= 0)
        return m;
    const double sx = static_cast<double>(printableWidth) / identity.windowWidth;
    const double sy = static_cast<double>(printableHeight) / identity.windowHeight;
    m.scale = std::min(sx, sy);
    m.visibleWidth = static_cast<int>(printableWidth / m.scale);
    m.visibleHeight = static_cast<int>(printableHeight / m.scale);
    return m;
}

int reportPageCount(int rows)
{
    return rows <= 0 ? 0 : (rows - 1) / kReportRowsPerPage + 1;
}

PageRows reportPageRows(int page, int rows)
{
    PageRows r;
    r.first = std::clamp(kReportRowsPerPage * (page - 1), 0, std::max(rows, 0));
    r.end = std::clamp(kReportRowsPerPage * page, r.first, std::max(rows, 0));
    return r;
}

std::string editedOnText(const ReportDate& date)
{
    const auto digits = [](unsigned value, int width) {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%0*u", width, value);
        return std::string(buffer);
    };
    return fillText(translate("Reports", "Edité le %1/%2/%3 à %4:%5"),
        {digits(static_cast<unsigned>(date.day), 2), digits(static_cast<unsigned>(date.month), 2),
            digits(static_cast<unsigned>(date.year), 4),
            digits(static_cast<unsigned>(date.hour), 1),
            digits(static_cast<unsigned>(date.minute), 2)});
}

FontSpec reportFont(int height)
{
    FontSpec font;
    font.face = "Arial";
    font.pixelHeight = height;
    return font;
}

ReportPage::ReportPage(ReportKind kind)
{
    if (kind == ReportKind::PilotRunAnalysis) {
        drawing_.push_back({report_role::kLogo, ImageOp {{25, 25, 175, 62}, "images/logo.bmp"}});
        return;
    }
    if (kind == ReportKind::HeatResultSheet) {
        box(report_role::kFrame, 15, 15, 1585, 1100);
        box(report_role::kFrame, 20, 20, 1580, 1095);
    } else {
        box(report_role::kFrame, 15, 15, 1100, 1585);
        box(report_role::kFrame, 20, 20, 1095, 1580);
    }
    drawing_.push_back({report_role::kLogo, ImageOp {{25, 25, 225, 75}, "images/logo.bmp"}});
}

void ReportPage::text(
    Role role, int x, int y, TextAlign align, std::string_view utf8, int height, Colour colour)
{
    drawing_.push_back(
        {role, TextOp {x, y, align, std::string(utf8), reportFont(height), colour, std::nullopt}});
}

int reportDigitsWidth(int digits, int height)
{
    // A digit advances 1139 units of Arial's 2048-unit em; the em is 2048 of
    // the 2288 units of the cell height the reports give.
    constexpr long long kDigitAdvance = 1139;
    constexpr long long kCell = 2288;
    return static_cast<int>((digits * kDigitAdvance * height + kCell - 1) / kCell);
}

void ReportPage::fittedText(Role role, int x, int y, int room, std::string_view utf8, int height)
{
    TextOp op {x, y, TextAlign::Left, std::string(utf8), reportFont(height), kReportInk, std::nullopt};
    op.room = room;
    drawing_.push_back({role, std::move(op)});
}

void ReportPage::line(Role role, int x1, int y1, int x2, int y2)
{
    drawing_.push_back({role, LineOp {x1, y1, x2, y2, kReportInk, 1}});
}

void ReportPage::box(Role role, int left, int top, int right, int bottom)
{
    line(role, left, top, right, top);
    line(role, right, top, right, bottom);
    line(role, right, bottom, left, bottom);
    line(role, left, bottom, left, top);
}

void ReportPage::pageNumber(int page, int pageCount, int x, int y)
{
    text(report_role::kTitle, x, y, TextAlign::Left,
        fillText(
            translate("Reports", "Page %1 /%2"), {std::to_string(page), std::to_string(pageCount)}),
        23);
}

} // namespace ksy
