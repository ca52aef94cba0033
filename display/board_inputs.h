#pragma once
// What the live board shows, as texts ready to draw (UTF-8). The heat run and
// the standings fill it; the board itself keeps nothing of it.
#include <array>
#include <string>
#include <vector>

namespace ksy {

constexpr int BoardColumnCount = 9;
constexpr int MaxBoardRows = 20;

// Column order of the adjustable columns (and of the width array).
enum BoardColumn {
    ColumnSlot = 0, // "Ligne"
    ColumnName,
    ColumnLaps,
    ColumnTotalTime,
    ColumnGapToLeader,
    ColumnGapToPrevious,
    ColumnLastLap,
    ColumnBestLap,
    ColumnTransponder,
};

using ColumnWidths = std::array<int, BoardColumnCount>;

// One line of the running order.
struct BoardLine {
    std::string place; // "%d" of the row index + 1
    std::string slot; // " %d "
    std::string name;
    std::string passingCount;
    std::string totalTime;
    std::string gapToLeader;
    std::string gapToPrevious;
    std::string lastLap;
    std::string bestLap;
    std::string transponder;
    bool finished = false;
    bool changed = false;
    bool newPersonalBest = false;
    bool holdsHeatBest = false;
    bool sharedTransponder = false; // another pilot of the heat carries it too

    // The text shown under adjustable column `column` (BoardColumn).
    const std::string& columnText(int column) const;
};

// The rest between two heats, shown below the race tree.
struct RestDisplay {
    bool shown = false;
    std::string length; // "%d:00"
    std::string countdown; // "%d:%02d avant départ" or "%d:%02d repos écoulé"
    bool elapsed = false; // the countdown text is an overrun
};

struct BoardInputs {
    // The whole title: the heat's name, then the run's title when it has one.
    std::string heatTitle;
    // Its parts, for the board to cut the run's title first and never the
    // round and heat (the parts are empty when no heat is shown).
    std::string heatCategory;
    std::string heatRoundAndHeat; // "Manche%d - Série%d"
    std::string heatDetails;
    std::vector<BoardLine> rows;
    std::string durationText;
    std::string elapsedText;
    std::string remainingText;
    std::string countdownText;
    RestDisplay rest;
    bool radioConflict = false;
};

} // namespace ksy
