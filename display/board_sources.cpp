#include "display/board_sources.h"

#include "storage/encoding.h"

#include <algorithm>

namespace ksy {

BoardStyle boardStyle(const DisplaySettings& settings)
{
    BoardStyle style;
    for (std::size_t i = 0; i < DisplaySettings::kFonts; ++i) {
        const DisplayFont& from = settings.fonts[i];
        FontSpec& to = style.fonts[i];
        to.face = cp1252ToUtf8(from.face);
        to.pixelHeight = from.size;
        to.weight = from.weight;
        to.italic = from.italic != 0;
        to.underline = from.underline != 0;
        to.strikeOut = from.strikeOut != 0;
    }
    style.textColours = settings.textColours;
    style.colours = settings.colours;
    style.relief = settings.style != 0;
    return style;
}

ColumnWidths boardColumnWidths(const DisplaySettings& settings)
{
    ColumnWidths widths {};
    std::copy(settings.columnWidths.begin(), settings.columnWidths.end(), widths.begin());
    return widths;
}

void storeColumnWidths(const ColumnWidths& widths, DisplaySettings& settings)
{
    std::copy(widths.begin(), widths.end(), settings.columnWidths.begin());
}

BoardLine boardLine(const BoardRow& row)
{
    BoardLine l;
    l.place = row.place;
    l.slot = row.slotNumber;
    l.name = cp1252ToUtf8(row.name);
    l.passingCount = row.passingCount;
    l.totalTime = row.totalTime;
    l.gapToLeader = row.gapToLeader;
    l.gapToPrevious = row.gapToPrevious;
    l.lastLap = row.lastLap;
    l.bestLap = row.bestLap;
    l.transponder = cp1252ToUtf8(row.transponder);
    l.finished = row.finished;
    l.changed = row.changed;
    l.newPersonalBest = row.newPersonalBest;
    l.holdsHeatBest = row.holdsHeatBest;
    return l;
}

void markSharedTransponders(std::vector<BoardLine>& lines)
{
    auto counts = [](const BoardLine& l) { return !l.transponder.empty() && l.name != "(NA)"; };
    for (BoardLine& a : lines)
        a.sharedTransponder = counts(a) && std::ranges::count_if(lines, [&](const BoardLine& b) {
            return counts(b) && b.transponder == a.transponder;
        }) > 1;
}

std::vector<BoardLine> boardLines(const Standings& standings)
{
    std::vector<BoardLine> lines;
    const int count = std::clamp(standings.count, 0, kSlotCount);
    for (int i = 0; i < count; ++i)
        lines.push_back(boardLine(standings.board[static_cast<std::size_t>(i)]));
    markSharedTransponders(lines);
    return lines;
}

BoardInputs boardInputs(
    const HeatTexts& t, const Standings& standings, std::string titleUtf8, bool radioConflict)
{
    BoardInputs in;
    in.heatTitle = std::move(titleUtf8);
    in.rows = boardLines(standings);
    in.durationText = t.duration;
    in.elapsedText = t.elapsed;
    in.remainingText = t.remaining;
    in.countdownText = t.countdown;
    in.rest.shown = !t.rest.empty();
    in.rest.length = t.restMinutes;
    in.rest.countdown = t.rest;
    in.rest.elapsed = t.restOverrun;
    in.radioConflict = radioConflict;
    return in;
}

} // namespace ksy
