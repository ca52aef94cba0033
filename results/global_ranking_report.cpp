#include "results/global_ranking_report.h"

#include "services/translate.h"
#include "storage/encoding.h"
#include "storage/field_writer.h"
#include "timing/time_format.h"

namespace ksy {
namespace {

namespace role = report_role;
constexpr int kText = 23;
constexpr int kSmall = 15;
// The round cells are narrow: their points and "(%d)" share 55 units.
constexpr int kRoundText = 19;
constexpr int kRoundNumber = 12;
constexpr int kHeadBottom = 306;
constexpr int kRow = 30;
constexpr int kLeft = 60;
constexpr int kRight = 1090;
// Right edges of the four best rounds' points; their "(%d)" 16 units after.
constexpr int kRoundX[] = {559, 614, 669, 724};
constexpr int kNameX = 140;
constexpr int kSumRight = 510;
constexpr int kNameGap = 10;

const GlobalRankingEntry& entry(const OpenedGlobalRanking& g, int i)
{
    return g.entries[static_cast<std::size_t>(i)];
}

bool hasRun(const GlobalRankingEntry& e)
{
    return e.runs[0].laps != 0 || e.runs[0].totalTime != 0;
}

} // namespace

std::string globalRankingExport(const OpenedGlobalRanking& g)
{
    FieldWriter w;
    w.text("Course : " + g.context.track.raceName + " - " + g.context.track.trackName).endLine();
    w.text("CATEGORIE : " + g.context.categoryName).endLine();
    w.text(cp1252("Classement Global Catégorie")).endLine().endLine();
    for (const char* head : {"Place", "Nom", "Points", "Meilleure", "2eme", "3eme", "4eme", "5eme",
             "6eme", "7eme", "8eme", "9eme", "Tours", "Temps total", "Meilleur tour"})
        w.text(head);
    w.endLine().endLine();
    for (int i = 0; i < g.context.places && i < kGlobalRankingEntries; ++i) {
        const GlobalRankingEntry& e = entry(g, i);
        w.integer(i + 1).text(e.name).integer(e.sum);
        for (const RoundPoints& p : e.points) {
            if (p.points <= kMaxPoints)
                w.integer(p.points);
            else
                w.text("");
        }
        if (hasRun(e))
            w.integer(e.runs[0].laps).text(formatTotalTime(e.runs[0].totalTime));
        else
            w.text("").text("");
        w.text(e.bestLaps[0].bestLap > 0 ? formatShortTime(e.bestLaps[0].bestLap) : "");
        w.endLine();
    }
    return w.take();
}

ReportDocument globalRankingReport(const OpenedGlobalRanking& g, const ReportDate& date)
{
    ReportDocument doc;
    doc.identity = reportIdentity(ReportKind::GlobalRanking);
    const int n = std::min(g.context.places, kGlobalRankingEntries);
    const int pages = reportPageCount(n);
    const std::string edited =
        fillText(translate("Reports", "SOMME POINTS des %1 meilleures Manches - %2"),
            {std::to_string(g.bestRounds), editedOnText(date)});

    for (int page = 1; page <= pages; ++page) {
        const PageRows rows = reportPageRows(page, n);
        ReportPage p(ReportKind::GlobalRanking);
        p.text(role::kTitle, 350, 70, TextAlign::Left,
            fillText(
                translate("Reports", "CATEGORIE : %1"), {cp1252ToUtf8(g.context.categoryName)}),
            kText);
        p.text(role::kTitle, 350, 110, TextAlign::Left,
            translate("Reports", "Classement Global Catégorie"), kText);
        p.text(role::kTitle, 150, 170, TextAlign::Left,
            fillText(translate("Reports", "Course : %1 - %2"),
                {cp1252ToUtf8(g.context.track.raceName), cp1252ToUtf8(g.context.track.trackName)}),
            kText);
        p.text(role::kTitle, 60, 220, TextAlign::Left, edited, 17);

        const int bottom = kHeadBottom + kRow * rows.count();
        p.box(role::kHead, kLeft, 250, kRight, kHeadBottom);
        p.box(role::kFrame, kLeft, kHeadBottom, kRight, bottom);
        for (const int x : {130, 520, 750})
            p.line(role::kColumn, x, 250, x, bottom);
        // The two groups of heads: a line under each group title.
        p.line(role::kHead, 520, 278, 750, 278);
        p.line(role::kHead, 750, 278, kRight, 278);
        p.text(role::kHead, 120, 265, TextAlign::Right, translate("Reports", "Place"), kText);
        p.text(role::kHead, 140, 265, TextAlign::Left, translate("Reports", "Nom Pilote"), kText);
        p.text(role::kHead, 512, 265, TextAlign::Right, translate("Reports", "Points"), kText);
        p.text(role::kHead, 725, 253, TextAlign::Right,
            translate("Reports", "4 meilleures manches"), kSmall + 4);
        p.text(role::kHead, 570, 280, TextAlign::Right, translate("Reports", "meill."), kSmall + 4);
        p.text(role::kHead, 625, 280, TextAlign::Right, translate("Reports", "2e"), kSmall + 4);
        p.text(role::kHead, 680, 280, TextAlign::Right, translate("Reports", "3e"), kSmall + 4);
        p.text(role::kHead, 735, 280, TextAlign::Right, translate("Reports", "4e"), kSmall + 4);
        p.text(role::kHead, 960, 253, TextAlign::Right, translate("Reports", "meilleur résultat"),
            kSmall + 4);
        p.text(role::kHead, 800, 280, TextAlign::Right, translate("Reports", "Tours"), kSmall + 4);
        p.text(role::kHead, 930, 280, TextAlign::Right, translate("Reports", "Temps"), kSmall + 4);
        p.text(role::kHead, 1060, 280, TextAlign::Right, translate("Reports", "Meilleur tour"),
            kSmall + 4);

        for (int k = 0; k < rows.count(); ++k) {
            const GlobalRankingEntry& e = entry(g, rows.first + k);
            const int top = 310 + kRow * k;
            if (k > 0)
                p.line(
                    role::kRowLine, kLeft, kHeadBottom + kRow * k, kRight, kHeadBottom + kRow * k);
            p.text(
                role::kCell, 120, top, TextAlign::Right, std::to_string(rows.first + k + 1), kText);
            // The sum stands right-aligned inside the name's column rule: the
            // name stops short of the sum's first digit.
            const std::string sum = std::to_string(e.sum);
            const int sumLeft = kSumRight - reportDigitsWidth(static_cast<int>(sum.size()), kText);
            p.fittedText(
                role::kCell, kNameX, top, sumLeft - kNameGap - kNameX, cp1252ToUtf8(e.name), kText);
            p.text(role::kCell, kSumRight, top, TextAlign::Right, sum, kText);
            for (std::size_t m = 0; m < 4; ++m) {
                const RoundPoints& rp = e.points[m];
                if (rp.points > kMaxPoints)
                    continue;
                p.text(role::kCell, kRoundX[m], top + 2, TextAlign::Right,
                    std::to_string(rp.points), kRoundText);
                p.text(role::kCell, kRoundX[m] + 16, top + 7, TextAlign::Left,
                    "(" + std::to_string(rp.round) + ")", kRoundNumber);
            }
            if (hasRun(e)) {
                p.text(
                    role::kCell, 800, top, TextAlign::Right, std::to_string(e.runs[0].laps), kText);
                p.text(role::kCell, 930, top, TextAlign::Right,
                    formatTotalTime(e.runs[0].totalTime), kText);
            }
            if (e.bestLaps[0].bestLap > 0)
                p.text(role::kCell, 1060, top, TextAlign::Right,
                    formatShortTime(e.bestLaps[0].bestLap), kText);
        }
        p.pageNumber(page, pages);
        doc.pages.push_back(p.take());
    }
    return doc;
}

} // namespace ksy
