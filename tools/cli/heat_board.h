#pragma once
// What the live board shows of a heat: its title, its running order, its
// clocks, the rest between heats.
#include "display/board_inputs.h"
#include "timing/heat_run.h"

namespace ksy {

BoardInputs heatBoardInputs(const HeatRun& run);

} // namespace ksy
