#include "results/round_ranking_report.h"

#include "services/translate.h"
#include "storage/encoding.h"
#include "storage/field_writer.h"
#include "timing/time_format.h"

namespace ksy {
namespace {

namespace role = report_role;
constexpr int kText = 23;
constexpr int kHeadBottom = 306;
constexpr int kRow = 30;
constexpr int kLeft = 100;
constexpr int kRight = 940;
constexpr Colour kGrey = rgb(160, 160, 160);

std::string courseLine(const RankingContext& c)
{
    return "Course : " + c.track.raceName + " - " + c.track.trackName;
}

const RoundRankingEntry& row(const OpenedRoundRanking& r, int i)
{
    return r.rows[static_cast<std::size_t>(i)];
}

} // namespace

std::string roundRankingExport(const OpenedRoundRanking& r)
{
    FieldWriter w;
    w.text(courseLine(r.context)).endLine();
    w.text("CATEGORIE : " + r.context.categoryName).endLine();
    w.text("Classement Manche" + std::to_string(r.round)).endLine().endLine();
    w.text("Place").text("Nom").text("Tours").text("Temps total").text("Meilleur tour");
    w.text("Points").endLine().endLine();
    for (int i = 0; i < r.context.places && i < kRoundRankingRows; ++i) {
        const RoundRankingEntry& e = row(r, i);
        if (!e.hasPilot())
            continue;
        w.integer(i + 1).text(e.name).integer(e.laps).text(formatTotalTime(e.totalTime));
        w.text(formatShortTime(e.bestLap)).integer(e.points).endLine();
    }
    return w.take();
}

ReportDocument roundRankingReport(const OpenedRoundRanking& r, const ReportDate& date)
{
    ReportDocument doc;
    doc.identity = reportIdentity(ReportKind::RoundRanking);
    const int n = std::min(r.context.places, kRoundRankingRows);
    const int pages = reportPageCount(n);
    // The criterion's file keyword, shown in the official's words.
    const std::string criterion = r.criterion == RankingMode::BestLap
        ? translate("Reports", "CLASSEMENTMeilleurTour")
        : translate("Reports", "CLASSEMENTToursTemps");
    const std::string edited = criterion + " - " + editedOnText(date);
    // Values stop at the first row without pilot, for the whole report.
    int listed = 0;
    while (listed < n && row(r, listed).hasPilot())
        ++listed;

    for (int page = 1; page <= pages; ++page) {
        const PageRows rows = reportPageRows(page, n);
        ReportPage p(ReportKind::RoundRanking);
        p.text(role::kTitle, 350, 70, TextAlign::Left,
            fillText(
                translate("Reports", "CATEGORIE : %1"), {cp1252ToUtf8(r.context.categoryName)}),
            kText);
        p.text(role::kTitle, 350, 110, TextAlign::Left,
            fillText(translate("Reports", "Classement Manche%1"), {std::to_string(r.round)}),
            kText);
        p.text(role::kTitle, 150, 170, TextAlign::Left,
            fillText(translate("Reports", "Course : %1 - %2"),
                {cp1252ToUtf8(r.context.track.raceName), cp1252ToUtf8(r.context.track.trackName)}),
            kText);
        p.text(role::kTitle, 100, 220, TextAlign::Left, edited, 17);

        const int bottom = kHeadBottom + kRow * rows.count();
        p.box(role::kHead, kLeft, 250, kRight, kHeadBottom);
        p.box(role::kFrame, kLeft, kHeadBottom, kRight, bottom);
        for (const int x : {170, 510, 590, 720, 850})
            p.line(role::kHead, x, 250, x, kHeadBottom);
        for (const int x : {170, 510, 850})
            p.line(role::kColumn, x, kHeadBottom, x, bottom);
        const int y = 265;
        p.text(role::kHead, 160, y, TextAlign::Right, translate("Reports", "Place"), kText);
        p.text(role::kHead, 180, y, TextAlign::Left, translate("Reports", "Nom Pilote"), kText);
        p.text(role::kHead, 580, y, TextAlign::Right, translate("Reports", "Tours"), kText);
        p.text(role::kHead, 710, y, TextAlign::Right, translate("Reports", "Temps"), kText);
        p.text(role::kHead, 840, y, TextAlign::Right, translate("Reports", "Meilleur tour"), kText);
        p.text(role::kHead, 930, y, TextAlign::Right, translate("Reports", "Points"), kText);

        for (int k = 0; k < rows.count(); ++k) {
            const int i = rows.first + k;
            const int top = 310 + kRow * k;
            if (k > 0)
                p.line(
                    role::kRowLine, kLeft, kHeadBottom + kRow * k, kRight, kHeadBottom + kRow * k);
            p.text(role::kCell, 160, top, TextAlign::Right, std::to_string(i + 1), kText);
            if (i >= listed)
                continue;
            const RoundRankingEntry& e = row(r, i);
            p.fittedText(role::kCell, 180, top, 510 - 8 - 180, cp1252ToUtf8(e.name), kText);
            p.text(role::kCell, 580, top, TextAlign::Right, std::to_string(e.laps), kText);
            p.text(role::kCell, 710, top, TextAlign::Right, formatTotalTime(e.totalTime), kText);
            p.text(role::kCell, 840, top, TextAlign::Right, formatShortTime(e.bestLap), kText);
            p.text(role::kCell, 930, top, TextAlign::Right, std::to_string(e.points), kText);
        }
        p.pageNumber(page, pages);
        Drawing d = p.take();
        // The time columns are ruled in grey inside the body.
        for (const int x : {590, 720})
            d.push_back({role::kColumn, LineOp {x, kHeadBottom, x, bottom, kGrey, 1}});
        doc.pages.push_back(std::move(d));
    }
    return doc;
}

} // namespace ksy
