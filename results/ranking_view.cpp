#include "results/ranking_view.h"

#include "services/translate.h"
#include "storage/encoding.h"
#include "timing/time_format.h"

#include <algorithm>

namespace ksy {
namespace {

using namespace ranking_view;
constexpr Colour kInk = rgb(0, 0, 0);
constexpr Colour kHeadBand = rgb(230, 230, 220);
constexpr Colour kBody = rgb(255, 255, 255);
constexpr Colour kRule = rgb(170, 170, 170);
// Between a cut name and its column's right rule.
constexpr int kNameGap = 6;
// Right rules of the name columns.
constexpr int kRoundNameRight = 330;
constexpr int kGlobalNameRight = 300;

FontSpec arial(int height, bool bold = false)
{
    FontSpec f;
    f.face = "Arial";
    f.pixelHeight = height;
    f.weight = bold ? 700 : 400;
    return f;
}

class Table {
public:
    void text(Role role, int x, int y, TextAlign align, std::string utf8, int height = 16,
        Colour colour = kInk, bool bold = false)
    {
        d.push_back({role,
            TextOp {x, y, align, std::move(utf8), arial(height, bold), colour, std::nullopt}});
    }
    // A name cut with "…" before the right edge of its column.
    void name(int x, int y, std::string utf8, int columnRight)
    {
        text(Role::Cell, x, y, TextAlign::Left, std::move(utf8));
        std::get<TextOp>(d.back().op).room = columnRight - kNameGap - x;
    }
    void line(Role role, int x1, int y1, int x2, int y2, Colour colour = kRule)
    {
        d.push_back({role, LineOp {x1, y1, x2, y2, colour, 1}});
    }
    void fill(Role role, int left, int top, int right, int bottom, Colour colour)
    {
        d.push_back({role, FillRectOp {{left, top, right, bottom}, colour}});
    }
    // Band, body and rules of a table of the given column edges.
    void grid(const std::vector<int>& edges)
    {
        const int right = edges.back();
        fill(Role::HeaderBand, kLeft, kHeadTop, right, kBodyTop, kHeadBand);
        fill(Role::Table, kLeft, kBodyTop, right, kBodyBottom, kBody);
        for (const int x : edges)
            line(Role::Separator, x, kHeadTop, x, kBodyBottom, kInk);
        line(Role::Frame, kLeft, kHeadTop, right, kHeadTop, kInk);
        line(Role::Frame, kLeft, kBodyTop, right, kBodyTop, kInk);
        line(Role::Frame, kLeft, kBodyBottom, right, kBodyBottom, kInk);
        for (int k = 1; k < kVisibleRows; ++k)
            line(Role::RowLine, kLeft, kBodyTop + kRowHeight * k, right, kBodyTop + kRowHeight * k);
    }
    Drawing d;
};

int rowTop(int k)
{
    return kBodyTop + kRowHeight * k + 4;
}

} // namespace

void RankingScroll::setRows(int rows)
{
    rows_ = std::max(rows, 0);
    position_ = std::clamp(position_, 0, maximum());
}

int RankingScroll::maximum() const
{
    return std::max(rows_ - kVisibleRows, 0);
}

bool RankingScroll::scrollTo(int position)
{
    const int p = std::clamp(position, 0, maximum());
    const bool changed = p != position_;
    position_ = p;
    return changed;
}

Drawing roundRankingTable(const OpenedRoundRanking& r, int scroll)
{
    Table t;
    const int n = std::min(r.context.places, kRoundRankingRows);
    t.text(Role::HeatTitle, kLeft, kTop, TextAlign::Left,
        fillText(translate("Rankings", " %1 : Classement Manche%2 "),
            {cp1252ToUtf8(r.context.categoryName), std::to_string(r.round)}),
        20, kInk, true);
    if (n > r.ranked)
        t.text(Role::RadioConflict, kLeft, kTop + 26, TextAlign::Left,
            fillText(translate("Rankings", " Manche incomplète (%1 pilotes n'ont pas couru) "),
                {std::to_string(n - r.ranked)}),
            16, kNoticeRed, true);
    t.grid({kLeft, 80, kRoundNameRight, 400, 520, 640, kRoundRight});
    const int y = kHeadTop + 6;
    t.text(Role::Header, 70, y, TextAlign::Right, translate("Rankings", "Place"));
    t.text(Role::Header, 88, y, TextAlign::Left, translate("Rankings", "Nom pilote"));
    t.text(Role::Header, 392, y, TextAlign::Right, translate("Rankings", "Tours"));
    t.text(Role::Header, 512, y, TextAlign::Right, translate("Rankings", "Temps total"));
    t.text(Role::Header, 632, y, TextAlign::Right, translate("Rankings", "Meilleur tour"));
    t.text(Role::Header, 712, y, TextAlign::Right, translate("Rankings", "Points"));
    bool values = true;
    for (int k = 0; k < kVisibleRows && scroll + k < n; ++k) {
        const int i = scroll + k;
        t.text(Role::Place, 70, rowTop(k), TextAlign::Right, std::to_string(i + 1));
        const RoundRankingEntry& e = r.rows[static_cast<std::size_t>(i)];
        values = values && e.hasPilot();
        if (!values)
            continue;
        t.name(88, rowTop(k), cp1252ToUtf8(e.name), kRoundNameRight);
        t.text(Role::Cell, 392, rowTop(k), TextAlign::Right, std::to_string(e.laps));
        t.text(Role::Cell, 512, rowTop(k), TextAlign::Right, formatTotalTime(e.totalTime));
        t.text(Role::Cell, 632, rowTop(k), TextAlign::Right, formatShortTime(e.bestLap));
        t.text(Role::Cell, 712, rowTop(k), TextAlign::Right, std::to_string(e.points));
    }
    return std::move(t.d);
}

Drawing globalRankingTable(const OpenedGlobalRanking& g, int scroll)
{
    Table t;
    const int n = std::min(g.context.places, kGlobalRankingEntries);
    t.text(Role::HeatTitle, kLeft, kTop, TextAlign::Left,
        fillText(translate("Rankings", " %1 : Classement Global Catégorie"),
            {cp1252ToUtf8(g.context.categoryName)}),
        20, kInk, true);
    if (n > g.withResults)
        t.text(Role::RadioConflict, kLeft, kTop + 26, TextAlign::Left,
            fillText(translate("Rankings", " %1 pilotes n'ont pas de résultats "),
                {std::to_string(n - g.withResults)}),
            16, kNoticeRed, true);
    // Place, name, sum, five rounds of 60, laps, total time, best lap.
    t.grid({kLeft, 70, kGlobalNameRight, 360, 660, 720, 840, kGlobalRight});
    for (int m = 1; m < 5; ++m)
        t.line(Role::Separator, 360 + 60 * m, kHeadTop + 14, 360 + 60 * m, kBodyBottom);
    t.line(Role::Separator, 360, kHeadTop + 14, 660, kHeadTop + 14);
    t.text(Role::Header, 510, kHeadTop - 2, TextAlign::Centre,
        translate("Rankings", "5 meilleures manches"), 13);
    const int y = kHeadTop + 6;
    t.text(Role::Header, 62, y, TextAlign::Right, translate("Rankings", "Place"));
    t.text(Role::Header, 78, y, TextAlign::Left, translate("Rankings", "Nom pilote"));
    t.text(Role::Header, 352, y, TextAlign::Right, translate("Rankings", "Points"));
    const std::string rounds[] = {translate("Rankings", "meill."), translate("Rankings", "2eme"),
        translate("Rankings", "3eme"), translate("Rankings", "4eme"),
        translate("Rankings", "5eme")};
    for (int m = 0; m < 5; ++m)
        t.text(Role::Header, 390 + 60 * m, kHeadTop + 13, TextAlign::Centre, rounds[m], 13);
    t.text(Role::Header, 712, y, TextAlign::Right, translate("Rankings", "Tours"));
    t.text(Role::Header, 832, y, TextAlign::Right, translate("Rankings", "Temps total"));
    t.text(Role::Header, 952, y, TextAlign::Right, translate("Rankings", "Meilleur tour"));
    for (int k = 0; k < kVisibleRows && scroll + k < n; ++k) {
        const int i = scroll + k;
        const GlobalRankingEntry& e = g.entries[static_cast<std::size_t>(i)];
        t.text(Role::Place, 62, rowTop(k), TextAlign::Right, std::to_string(i + 1));
        t.name(78, rowTop(k), cp1252ToUtf8(e.name), kGlobalNameRight);
        t.text(Role::Cell, 352, rowTop(k), TextAlign::Right, std::to_string(e.sum));
        for (int m = 0; m < 5; ++m) {
            const RoundPoints& p = e.points[static_cast<std::size_t>(m)];
            if (p.points > kMaxPoints)
                continue;
            t.text(Role::Cell, 392 + 60 * m, rowTop(k), TextAlign::Right, std::to_string(p.points));
            t.text(Role::Cell, 394 + 60 * m, rowTop(k) + 3, TextAlign::Left,
                "(" + std::to_string(p.round) + ")", 11);
        }
        if (e.runs[0].laps != 0 || e.runs[0].totalTime != 0) {
            t.text(Role::Cell, 712, rowTop(k), TextAlign::Right, std::to_string(e.runs[0].laps));
            t.text(
                Role::Cell, 832, rowTop(k), TextAlign::Right, formatTotalTime(e.runs[0].totalTime));
        }
        if (e.bestLaps[0].bestLap > 0)
            t.text(Role::Cell, 952, rowTop(k), TextAlign::Right,
                formatShortTime(e.bestLaps[0].bestLap));
    }
    return std::move(t.d);
}

} // namespace ksy
