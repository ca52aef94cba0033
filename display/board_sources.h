#pragma once
// What the board takes from the rest of the program: its style and widths from
// the display settings, its lines from the standings.
#include "display/board_inputs.h"
#include "display/board_style.h"
#include "display/display_settings.h"
#include "timing/heat_run.h"
#include "timing/standings.h"

#include <vector>

namespace ksy {

BoardStyle boardStyle(const DisplaySettings& settings);
ColumnWidths boardColumnWidths(const DisplaySettings& settings);
void storeColumnWidths(const ColumnWidths& widths, DisplaySettings& settings);

// Marks the lines whose transponder another line of the heat also carries:
// a passing of that number can count for only one of them.
void markSharedTransponders(std::vector<BoardLine>& lines);

// The first `count` board rows of the standings, names turned into UTF-8,
// shared transponders marked.
std::vector<BoardLine> boardLines(const Standings& standings);

// What the board shows of a heat: its title (UTF-8), the given running order
// (the run's, or the scan's while one is on), its clocks and the rest.
BoardInputs boardInputs(
    const HeatTexts& texts, const Standings& standings, std::string titleUtf8, bool radioConflict);
BoardLine boardLine(const BoardRow& row);

} // namespace ksy
