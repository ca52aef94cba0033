#include "display/board_inputs.h"

namespace ksy {

const std::string& BoardLine::columnText(int column) const
{
    switch (column) {
    case ColumnSlot:
        return slot;
    case ColumnName:
        return name;
    case ColumnLaps:
        return passingCount;
    case ColumnTotalTime:
        return totalTime;
    case ColumnGapToLeader:
        return gapToLeader;
    case ColumnGapToPrevious:
        return gapToPrevious;
    case ColumnLastLap:
        return lastLap;
    case ColumnBestLap:
        return bestLap;
    default:
        return transponder;
    }
}

} // namespace ksy
