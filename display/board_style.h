#pragma once
// The fonts and colours the live board draws with, taken from the display
// settings. Font sizes are in 1/1600 of the screen width.
#include "services/canvas.h"

#include <array>

namespace ksy {

// Font entries and colours of the display settings that the board reads.
enum BoardFontEntry {
    FontHeatTitle = 0,
    FontRadioConflict = 1,
    FontHeaders = 2,
    FontFirstColumn = 3
};
enum BoardColour {
    ColourWindow = 0,
    ColourTree = 1,
    ColourBoard = 2,
    ColourHeatTitle = 3,
    ColourRadioConflict = 4,
    ColourChangedRow = 5,
    ColourHeatBestLap = 6,
    ColourPersonalBest = 7,
    ColourHeaderTop = 8,
    ColourHeaderBottom = 9,
    ColourTableTop = 10,
    ColourTableBottom = 11,
    ColourSeparators = 12,
};

struct BoardStyle {
    // pixelHeight holds the settings size, to be scaled by fontFor().
    std::array<FontSpec, 12> fonts;
    std::array<Colour, 12> textColours {};
    std::array<Colour, 13> colours {};
    // "style relief": every row has its own gradient, so that the rows stand
    // out as strips; "style dégradé": one gradient runs down the whole table.
    bool relief = true;

    // Font entry `entry` at its pixel height for a screen `screenWidth` wide.
    FontSpec fontFor(int entry, int screenWidth) const
    {
        FontSpec f = fonts[entry];
        f.pixelHeight = fonts[entry].pixelHeight * screenWidth / 1600;
        return f;
    }
};

} // namespace ksy
