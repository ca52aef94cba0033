#include "planning/participants_report.h"

#include "services/translate.h"
#include "storage/encoding.h"

namespace ksy {
namespace {

namespace role = report_role;
constexpr int kText = 23;
constexpr int kRowHeight = 30;

} // namespace

ReportDocument participantListReport(const ParticipantReportHeader& header,
    const ParticipantList& list, const PilotLookup& lookup, const ReportDate& date)
{
    ReportDocument doc;
    doc.identity = reportIdentity(ReportKind::ParticipantList);
    const int total = list.count();
    const int pages = reportPageCount(total);
    for (int page = 1; page <= pages; ++page) {
        ReportPage p(ReportKind::ParticipantList);
        p.text(role::kTitle, 350, 70, TextAlign::Left,
            fillText(translate("Reports", "CATEGORIE : %1"), {cp1252ToUtf8(header.categoryName)}),
            kText);
        p.text(role::kTitle, 350, 110, TextAlign::Left,
            fillText(translate("Reports", "Liste des participants (%1 inscrits)"),
                {std::to_string(total)}),
            kText);
        p.text(role::kTitle, 150, 170, TextAlign::Left,
            fillText(translate("Reports", "Course : %1 - %2"),
                {cp1252ToUtf8(header.raceName), cp1252ToUtf8(header.trackName)}),
            kText);
        p.text(role::kTitle, 140, 220, TextAlign::Left, editedOnText(date), 17);

        const PageRows rows = reportPageRows(page, total);
        const int bottom = 306 + kRowHeight * rows.count();
        p.box(role::kHead, 140, 250, 1000, 306);
        p.box(role::kFrame, 100, 306, 1000, bottom);
        p.line(role::kColumn, 140, 306, 140, bottom);
        p.line(role::kColumn, 460, 250, 460, bottom);
        p.line(role::kColumn, 640, 250, 640, bottom);
        p.text(role::kHead, 150, 265, TextAlign::Left, translate("Reports", "Nom Prénom"), kText);
        p.text(role::kHead, 550, 265, TextAlign::Centre, translate("Reports", "N°Licence"), kText);
        p.text(role::kHead, 650, 265, TextAlign::Left, translate("Reports", "Club"), kText);

        for (int i = rows.first; i < rows.end; ++i) {
            const int r = i - rows.first;
            const int y = 310 + kRowHeight * r;
            const Participant& participant = list.at(i);
            p.text(role::kCell, 135, y, TextAlign::Right, std::to_string(i + 1), kText);
            p.fittedText(role::kCell, 150, y, 460 - 8 - 150, cp1252ToUtf8(participant.name), kText);
            if (const PilotSummary* pilot = lookup ? lookup(participant.name) : nullptr) {
                p.text(role::kCell, 550, y, TextAlign::Centre, cp1252ToUtf8(pilot->licence), kText);
                p.text(role::kCell, 650, y, TextAlign::Left, cp1252ToUtf8(pilot->club), kText);
            }
            if (r + 1 < rows.count())
                p.line(role::kRowLine, 100, 336 + kRowHeight * r, 1000, 336 + kRowHeight * r);
        }
        p.pageNumber(page, pages);
        doc.pages.push_back(p.take());
    }
    return doc;
}

ReportDocument participantListReport(const ParticipantsForm& form, const ReportDate& date)
{
    const ParticipantReportHeader header {
        form.categoryName(), form.track().raceName, form.track().trackName};
    return participantListReport(
        header, form.list(), [&form](std::string_view name) { return form.pilot(name); }, date);
}

} // namespace ksy
