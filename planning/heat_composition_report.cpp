#include "planning/heat_composition_report.h"

#include "planning/heat_composition_form.h"
#include "services/translate.h"
#include "storage/encoding.h"

#include <algorithm>

namespace ksy {
namespace {

namespace role = report_role;
constexpr int kText = 23;
constexpr int kRowHeight = 28;
constexpr int kHeatGap = 5;
constexpr int kTableTop = 306;
// The last heat box ends above the page number at 1550.
constexpr int kTableBottom = 1540;
constexpr int kLeft = 100;
constexpr int kRight = 950;
constexpr int kColumns[] = {300, 380, 700, 850};
constexpr Colour kConflictRed = rgb(250, 0, 0);

int blockHeight(int pilotsPerHeat)
{
    return kRowHeight * pilotsPerHeat + kHeatGap;
}

void columns(ReportPage& p, Role r, int top, int bottom)
{
    for (const int x : kColumns)
        p.line(r, x, top, x, bottom);
}

} // namespace

int compositionHeatsPerPage(int pilotsPerHeat)
{
    if (pilotsPerHeat < 1)
        return 0;
    const int fitting = (kTableBottom - kTableTop) / blockHeight(pilotsPerHeat);
    return std::max(1, std::min(kReportRowsPerPage / pilotsPerHeat, fitting));
}

ReportDocument heatCompositionReport(const CompositionReportHeader& header,
    const HeatComposition& composition, int participants, const ReportDate& date)
{
    ReportDocument doc;
    doc.identity = reportIdentity(ReportKind::HeatComposition);
    const int pilots = composition.pilotsPerHeat();
    if (participants < 1 || pilots < 1)
        return doc;
    const int heats = composition.heatsPerRound();
    const int perPage = compositionHeatsPerPage(pilots);
    const int pages = (heats - 1) / perPage + 1;
    const int block = blockHeight(pilots);

    for (int page = 1; page <= pages; ++page) {
        ReportPage p(ReportKind::HeatComposition);
        p.text(role::kTitle, 350, 70, TextAlign::Left,
            fillText(translate("Reports", "CATEGORIE : %1"), {cp1252ToUtf8(header.categoryName)}),
            kText);
        p.text(role::kTitle, 350, 110, TextAlign::Left,
            translate("Reports", "Composition des Séries"), kText);
        p.text(role::kTitle, 150, 170, TextAlign::Left,
            fillText(translate("Reports", "Course : %1 - %2"),
                {cp1252ToUtf8(header.raceName), cp1252ToUtf8(header.trackName)}),
            kText);
        p.text(role::kTitle, 100, 220, TextAlign::Left, editedOnText(date), 17);

        p.box(role::kHead, kLeft, 250, kRight, kTableTop);
        columns(p, role::kHead, 250, kTableTop);
        p.text(role::kHead, 200, 270, TextAlign::Centre, translate("Reports", "Série"), kText);
        p.text(role::kHead, 360, 270, TextAlign::Right, translate("Reports", "Ligne"), kText);
        p.text(role::kHead, 390, 270, TextAlign::Left, translate("Reports", "Nom Pilote"), kText);
        p.text(role::kHead, 770, 270, TextAlign::Centre, translate("Reports", "Transpond."), kText);
        p.text(role::kHead, 870, 270, TextAlign::Left, translate("Reports", "Freq1"), kText);

        const int firstHeat = (page - 1) * perPage + 1;
        const int lastHeat = std::min(heats, page * perPage);
        for (int heat = firstHeat; heat <= lastHeat; ++heat) {
            const int h = heat - firstHeat;
            const int top = 311 + block * h;
            const int bottom = kTableTop + block * (h + 1);
            p.box(role::kFrame, kLeft, top, kRight, bottom);
            columns(p, role::kColumn, top, bottom);
            p.text(role::kCell, 200, kTableTop + block * h + 14 * pilots, TextAlign::Centre,
                fillText(translate("Reports", "Série %1"), {std::to_string(heat)}), kText);
            for (int k = 0; k < pilots; ++k) {
                const int entry = planEntryIndex(heat, k + 1, pilots);
                const int y = 313 + block * h + kRowHeight * k;
                p.text(role::kCell, 360, y, TextAlign::Right, std::to_string(k + 1), kText);
                if (!composition.isEmpty(entry))
                    p.fittedText(role::kCell, 390, y, kColumns[2] - 8 - 390,
                        cp1252ToUtf8(composition.name(entry)), kText);
                const PlanEntryDetails& details = composition.details(entry);
                p.text(role::kCell, 770, y, TextAlign::Centre, cp1252ToUtf8(details.transponder),
                    kText);
                const bool conflict = composition.inConflict(entry);
                p.text(role::kCell, 870, y, TextAlign::Left,
                    cp1252ToUtf8(composition.shownFirstFrequency(entry)), kText,
                    conflict ? kConflictRed : kReportInk);
                if (k + 1 < pilots)
                    p.line(role::kRowLine, 300, top + kRowHeight * (k + 1), kRight,
                        top + kRowHeight * (k + 1));
            }
        }
        p.pageNumber(page, pages);
        doc.pages.push_back(p.take());
    }
    return doc;
}

ReportDocument heatCompositionReport(const HeatCompositionForm& form, const ReportDate& date)
{
    const CompositionReportHeader header {
        form.categoryName(), form.track().raceName, form.track().trackName};
    return heatCompositionReport(header, form.composition(), form.participants().count(), date);
}

} // namespace ksy
