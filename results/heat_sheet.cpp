#include "results/heat_sheet.h"

#include "results/shown_heading.h"
#include "services/translate.h"
#include "storage/encoding.h"

namespace ksy {
namespace {

namespace role = report_role;
constexpr int kText = 26;
constexpr int kTableLeft = 156;
constexpr int kTableRight = 1430;
constexpr int kHeadTop = 260;
constexpr int kHeadBottom = 333;
constexpr int kFirstRow = 335;
constexpr int kTableHeight = 572;
// Between the pilot columns and the two groups.
constexpr int kGroupSeparators[] = {600, 1040};

} // namespace

Standings sheetStandings(
    RunEntryTable entries, const Standings& shown, bool ready, const RaceOptions& options)
{
    const bool staggered = options.start == StartType::Staggered;
    for (RunEntry& e : entries.slots)
        e.recomputedBestLap = recomputeBestLap(e, staggered);
    if (ready)
        return shown;
    Standings rebuilt;
    computeStandings(entries, options.ranking, rebuilt);
    return rebuilt;
}

namespace {

// The track condition is a word of the file: shown in the official's words.
std::string shownCondition(const std::string& condition)
{
    if (condition == kTrackConditionDry)
        return translate("Results", "Sec");
    if (condition == kTrackConditionRain)
        return translate("Results", "Pluie");
    if (condition == kTrackConditionIce)
        return translate("Results", "Glace");
    return cp1252ToUtf8(condition);
}

} // namespace

std::string sheetCourseHeading(std::string_view raceName, std::string_view courseName)
{
    return "Course : " + std::string(raceName) + " - " + std::string(courseName);
}

ReportDocument heatSheetReport(const HeatSheet& sheet)
{
    ReportDocument doc;
    doc.identity = reportIdentity(ReportKind::HeatResultSheet);
    const int n = sheet.standings.count;
    if (n <= 0)
        return doc;
    ReportPage p(ReportKind::HeatResultSheet);
    p.text(role::kTitle, 520, 65, TextAlign::Left, shownHeading(sheet.category), kText);
    p.text(role::kTitle, 520, 117, TextAlign::Left, shownHeading(sheet.roundAndHeat), kText);
    p.text(role::kTitle, 195, 195, TextAlign::Left, shownHeading(sheet.course), kText);
    p.text(role::kTitle, kTableLeft, 234, TextAlign::Left,
        cp1252ToUtf8(sheet.texts.description) + " - " + shownCondition(sheet.texts.condition), 17);

    // The rows always fill the same height.
    const int step = kTableHeight / n;
    const int bottom = kFirstRow + n * step;
    p.box(role::kHead, kTableLeft, kHeadTop, kTableRight, kHeadBottom);
    p.box(role::kFrame, kTableLeft, kHeadBottom, kTableRight, bottom);
    for (int x : kGroupSeparators)
        p.line(role::kColumn, x, kHeadTop, x, bottom);
    p.text(role::kHead, 202, 286, TextAlign::Right, translate("Reports", "Pos"), kText);
    p.text(role::kHead, 260, 286, TextAlign::Right, translate("Reports", "N°"), kText);
    p.text(role::kHead, 286, 286, TextAlign::Left, translate("Reports", "Pilote"), kText);
    p.text(role::kHead, 962, 273, TextAlign::Right, translate("Reports", "Résultat pris en compte"),
        kText);
    p.text(role::kHead, 1365, 273, TextAlign::Right, translate("Reports", "Relevés transpondeurs"),
        kText);
    const std::string laps = translate("Reports", "Tours"), time = translate("Reports", "Temps"),
                      best = translate("Reports", "Meilleur tour");
    const std::pair<int, const std::string*> subHeads[] = {
        {715, &laps}, {871, &time}, {1027, &best}, {1105, &laps}, {1261, &time}, {1417, &best}};
    for (const auto& [x, head] : subHeads)
        p.text(role::kHead, x, 307, TextAlign::Right, *head, kText);

    for (int i = 0; i < n; ++i) {
        const BoardRow& r = sheet.standings.board[static_cast<std::size_t>(i)];
        const int y = kFirstRow + i * step;
        const std::pair<int, const std::string*> cells[] = {{202, &r.place}, {260, &r.slotNumber},
            {715, &r.passingCount}, {871, &r.totalTime}, {1027, &r.bestLap}, {1105, &r.laps},
            {1261, &r.totalAtLastLap}, {1417, &r.recomputedBestLap}};
        // A count lowered by hand is stored with the totals of the laps it
        // keeps: the readings' last total is then no longer known.
        const StandingRow& row = sheet.standings.rows[static_cast<std::size_t>(i)];
        const bool lastTotalLost = row.laps > 0 && row.totalAtLastLap <= 0;
        for (const auto& [x, value] : cells)
            p.text(role::kCell, x, y, TextAlign::Right,
                x == 1261 && lastTotalLost ? std::string("\xE2\x80\x94") : cp1252ToUtf8(*value),
                kText);
        p.fittedText(role::kCell, 286, y, kGroupSeparators[0] - 8 - 286, cp1252ToUtf8(r.name), kText);
        if (i + 1 < n)
            p.line(role::kRowLine, kTableLeft, y + step - 2, kTableRight, y + step - 2);
    }
    p.text(role::kCell, 156, 936, TextAlign::Left, translate("Reports", "Commentaire:"), kText);
    if (!sheet.texts.comment.empty())
        p.text(role::kCell, 338, 936, TextAlign::Left, cp1252ToUtf8(sheet.texts.comment), kText);
    doc.pages.push_back(p.take());
    return doc;
}

} // namespace ksy
