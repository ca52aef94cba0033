#include "heat_board.h"

#include "display/board_sources.h"
#include "storage/encoding.h"

namespace ksy {

BoardInputs heatBoardInputs(const HeatRun& run)
{
    const HeatTexts& t = run.texts();
    BoardInputs in;
    // The title is kept as the result file stores it.
    in.heatTitle = cp1252ToUtf8(t.title);
    in.rows = boardLines(run.standings());
    in.durationText = t.duration;
    in.elapsedText = t.elapsed;
    in.remainingText = t.remaining;
    in.countdownText = t.countdown;
    in.rest.shown = !t.rest.empty();
    in.rest.length = t.restMinutes;
    in.rest.countdown = t.rest;
    in.rest.elapsed = t.restOverrun;
    return in;
}

} // namespace ksy
