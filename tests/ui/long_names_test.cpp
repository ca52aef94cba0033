// A name as long as the editors take never covers a number or leaves the
// page: both ranking dialogs and the heat results legend cut it at its column
// as the screen measures it, the printed global ranking before the sum and
// the printed analysis title at the edge of its boxes, as the PDF shows them.
#include "display/text_fit.h"
#include "platform/qt_canvas.h"
#include "reports/ui/report_printer.h"
#include "results/global_ranking_report.h"
#include "results/heat_results_layout.h"
#include "results/heat_sheet.h"
#include "results/ranking_view.h"
#include "results/round_ranking_report.h"
#include "results/run_analysis_layout.h"
#include "storage/encoding.h"
#include "support/fakes.h"

#include <QFontInfo>
#include <QProcess>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <regex>

namespace ksy {
namespace {

// 38 characters, as the pilot editor takes them (Windows-1252).
const std::string kLongName = "Jean-Baptiste \xC9lo\xEFse de la C\xF4te d'Op\xE2l";
const std::string kEllipsis = "\xE2\x80\xA6";

struct Placed {
    std::string text;
    int left = 0;
    int right = 0;
    int y = 0;
};

// The texts of a drawing as the screen draws them: cut to their room, with
// their measured extent.
std::vector<Placed> placed(const Drawing& d, const TextMetrics& m)
{
    std::vector<Placed> out;
    for (const Primitive& p : fitTexts(d, m))
        if (const auto* t = std::get_if<TextOp>(&p.op)) {
            const int w = m.textWidth(t->font, t->text);
            const int left = t->align == TextAlign::Left ? t->x
                : t->align == TextAlign::Right           ? t->x - w
                                                         : t->x - w / 2;
            out.push_back({t->text, left, left + w, t->y});
        }
    return out;
}

// The name's text and the first text right of where it starts, on its line.
std::pair<Placed, Placed> nameAndNext(const std::vector<Placed>& texts, const std::string& start)
{
    Placed name;
    for (const Placed& p : texts)
        if (p.text.rfind(start, 0) == 0)
            name = p;
    Placed next;
    next.left = 1 << 30;
    for (const Placed& p : texts)
        if (p.y >= name.y - 4 && p.y <= name.y + 4 && p.left > name.left && p.left < next.left)
            next = p;
    return {name, next};
}

OpenedRoundRanking roundWithLongName()
{
    OpenedRoundRanking r;
    r.context.categoryName = "Standart";
    r.context.places = 2;
    r.ranked = 2;
    r.rows = emptyRoundRankingRows();
    r.rows[0] = {kLongName, 123, 3723456, 71234, 0};
    r.rows[1] = {"Bruno", 12, 600000, 50000, 2};
    return r;
}

OpenedGlobalRanking globalWithLongName()
{
    OpenedGlobalRanking g;
    g.context.categoryName = "Standart";
    g.context.places = 2;
    g.withResults = 2;
    g.bestRounds = 9;
    g.entries.resize(kGlobalRankingEntries);
    g.entries[0].name = kLongName;
    g.entries[0].sum = 8991; // nine rounds of 999: the widest sum
    g.entries[0].points[0] = {999, 1};
    g.entries[0].runs[0] = {123, 3723456, 1};
    g.entries[1].name = "Bruno";
    g.entries[1].sum = 2;
    return g;
}

TEST(LongNames, BothRankingDialogsAndTheResultsLegendCutTheNameAtItsColumn)
{
    ASSERT_EQ(
        QFontInfo(toQFont(FontSpec {"Arial", 16, 400})).family().toStdString(), "Liberation Sans");
    QtTextMetrics m;
    const std::string name = cp1252ToUtf8(kLongName);
    const std::string start = name.substr(0, 10);

    // "Classement Manche": the name stops before the laps ("Tours" column).
    auto [round, laps] = nameAndNext(placed(roundRankingTable(roundWithLongName(), 0), m), start);
    EXPECT_EQ(laps.text, "123");
    EXPECT_LT(round.right, laps.left);
    EXPECT_LE(round.right, 330); // the column rule
    EXPECT_NE(round.text.find(kEllipsis), std::string::npos);

    // "Classement Global": before the sum ("Points").
    auto [global, sum] = nameAndNext(placed(globalRankingTable(globalWithLongName(), 0), m), start);
    EXPECT_EQ(sum.text, "8991");
    EXPECT_LT(global.right, sum.left);
    EXPECT_LE(global.right, 300);
    EXPECT_NE(global.text.find(kEllipsis), std::string::npos);

    // The legend of "Résultats détaillés série": two columns of five names.
    HeatDetail detail;
    for (int k = 0; k < kSlotCount; ++k)
        detail.slots[static_cast<std::size_t>(k)].name = k < 10 ? kLongName : "(NA)";
    const HeatResultsView view(buildHeatResults(detail));
    std::vector<Placed> legend;
    for (const Placed& p : placed(heatResultsDrawing(view), m))
        if (p.text.rfind("L", 0) == 0 && p.text.find(':') != std::string::npos)
            legend.push_back(p);
    ASSERT_EQ(legend.size(), 10u);
    for (const Placed& first : legend) {
        for (const Placed& second : legend) {
            if (second.y == first.y && second.left > first.left) {
                EXPECT_LT(first.right, second.left) << first.text;
            }
        }
    }
    for (const Placed& p : legend)
        EXPECT_LE(p.right, kHeatResultsWidth);
}

struct Word {
    std::string text;
    double xMin = 0;
    double xMax = 0;
    double yMin = 0;
};

std::vector<Word> pdfWords(const std::filesystem::path& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"),
        {QStringLiteral("-bbox"), QString::fromStdString(pdf.string()), QStringLiteral("-")});
    if (!p.waitForFinished(30000))
        return {};
    const std::string html = p.readAllStandardOutput().toStdString();
    static const std::regex word(
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="[0-9.]+">([^<]*)</word>)re");
    std::vector<Word> out;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), word);
         it != std::sregex_iterator(); ++it)
        out.push_back({(*it)[4], std::stod((*it)[1]), std::stod((*it)[3]), std::stod((*it)[2])});
    return out;
}

// The words on the line of the first word that starts with `start`, left to right.
std::vector<Word> lineOf(const std::vector<Word>& words, const std::string& start)
{
    const auto at = std::find_if(
        words.begin(), words.end(), [&](const Word& w) { return w.text.rfind(start, 0) == 0; });
    if (at == words.end())
        return {};
    std::vector<Word> line;
    for (const Word& w : words)
        if (std::abs(w.yMin - at->yMin) < 2)
            line.push_back(w);
    std::sort(
        line.begin(), line.end(), [](const Word& a, const Word& b) { return a.xMin < b.xMin; });
    return line;
}

std::string joined(const std::vector<Word>& line)
{
    std::string out;
    for (const Word& w : line)
        out += w.text + " ";
    return out;
}

TEST(LongNames, PrintedReportsCutTheNameBeforeTheNextNumberAndInsideThePage)
{
    test::TempDir dir;
    const WorkFolder folder(dir.path());
    const auto print = [&](const ReportDocument& doc, const char* file) {
        const auto pdf = dir.path() / file;
        EXPECT_TRUE(writeReportPdf(doc, folder, QString::fromStdString(pdf.string())));
        return pdfWords(pdf);
    };
    const ReportDate date {7, 12, 2026, 3, 0};

    // On every ranking and on the sheet, no word of the name's line runs into
    // the next one, and the name shows it was cut.
    HeatSheet sheet;
    sheet.standings.count = 1;
    sheet.standings.board[0].name = kLongName;
    sheet.standings.board[0].passingCount = "123";
    sheet.standings.rows[0].laps = 123;
    sheet.standings.rows[0].totalAtLastLap = 1;
    const std::pair<ReportDocument, const char*> reports[] = {
        {globalRankingReport(globalWithLongName(), date), "global.pdf"},
        {roundRankingReport(roundWithLongName(), date), "manche.pdf"},
        {heatSheetReport(sheet), "feuille.pdf"},
    };
    for (const auto& [doc, file] : reports) {
        const std::vector<Word> line = lineOf(print(doc, file), "Jean-Baptiste");
        ASSERT_GE(line.size(), 3u) << file;
        for (std::size_t i = 0; i + 1 < line.size(); ++i)
            EXPECT_LT(line[i].xMax, line[i + 1].xMin) << file << ": " << joined(line);
        EXPECT_NE(joined(line).find(kEllipsis), std::string::npos) << file << ": " << joined(line);
    }

    // The analysis title ends at the right edge of the boxes below it.
    PilotResult run;
    run.name = kLongName;
    run.heading = " Classe 5 Standart Internationale - Manche9 - S\xE9rie20 ";
    run.courseName = "Plage de la Baie";
    run.passingCount = 2;
    run.lapTotals[1] = 60000;
    run.lapTotals[2] = 121000;
    const std::vector<Word> words = print(runAnalysisReport(run, 1, 2), "analyse.pdf");
    const std::vector<Word> title = lineOf(words, "Classe");
    const std::vector<Word> track = lineOf(words, "Piste");
    ASSERT_FALSE(title.empty());
    ASSERT_FALSE(track.empty());
    // Logical x 360 (title) and 50 (track line) give the page's scale.
    const double scale = (title.front().xMin - track.front().xMin) / (360 - 50);
    const double boxesRight = track.front().xMin + (710 - 50) * scale;
    EXPECT_LE(title.back().xMax, boxesRight + 2 * scale) << joined(title);
    // The long heading does not cut the pilot's name away: it has its own
    // line, cut at the same edge.
    const std::vector<Word> name = lineOf(words, "Jean-Baptiste");
    ASSERT_FALSE(name.empty());
    EXPECT_LE(name.back().xMax, boxesRight + 2 * scale) << joined(name);
    EXPECT_GE(name.size(), 3u) << joined(name);
}

} // namespace
} // namespace ksy
