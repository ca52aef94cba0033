#pragma once
// The tables painted inside the two ranking dialogs, in the dialogs' own
// pixels: the title, the red notice of pilots without a result, the column
// heads and 20 rows from the scroll position. The scroll bar beside them
// follows RankingScroll.
#include "display/primitives.h"
#include "results/ranking_open.h"

namespace ksy {

namespace ranking_view {
inline constexpr int kVisibleRows = 20;
inline constexpr int kTop = 150; // the title
inline constexpr int kHeadTop = 206;
inline constexpr int kRowHeight = 24;
inline constexpr int kBodyTop = kHeadTop + 28;
inline constexpr int kBodyBottom = kBodyTop + kRowHeight * kVisibleRows;
inline constexpr int kLeft = 20;
inline constexpr int kRoundRight = 720; // right edge of the round ranking table
inline constexpr int kGlobalRight = 960;
inline constexpr Colour kNoticeRed = rgb(150, 0, 0);
} // namespace ranking_view

// The scroll position over the n places: shown when more than 20, ranging
// over the places that do not fit. Each move returns whether it changed.
class RankingScroll {
public:
    void setRows(int rows);
    bool shown() const { return maximum() > 0; }
    int maximum() const;
    int position() const { return position_; }
    bool scrollTo(int position);
    bool scrollLines(int delta) { return scrollTo(position_ + delta); }
    bool toFirst() { return scrollTo(0); }
    bool toLast() { return scrollTo(maximum()); }

private:
    int rows_ = 0;
    int position_ = 0;
};

// " %s : Classement Manche%d ", " Manche incomplète (%d pilotes n'ont pas
// couru) " when n > r, then places s+1.. with their values up to the first
// row without pilot.
Drawing roundRankingTable(const OpenedRoundRanking& ranking, int scroll);

// " %s : Classement Global Catégorie", " %d pilotes n'ont pas de résultats "
// when n > r, then places s+1.. with the sum, the five best rounds with their
// round numbers, the best run and the best lap.
Drawing globalRankingTable(const OpenedGlobalRanking& ranking, int scroll);

} // namespace ksy
