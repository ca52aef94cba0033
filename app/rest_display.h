#pragma once
// The rest between two heats, shown in the race-control strip just above the
// heat clock, where the official looks for the time before the next start
// (the race tree covers the left-hand strip of the window).
#include "display/board_inputs.h"

#include <QRect>

class QLabel;
class QWidget;

namespace ksy {

// Below the numbered buttons, above the clock, as wide as the clock and
// countdown boxes: u = W/1600, v = H/900.
QRect restDisplayRect(int screenWidth, int screenHeight);

// The label that shows it, hidden until a rest is counted down.
QLabel* createRestDisplay(QWidget* parent, int screenWidth, int screenHeight);

// "Repos 5:00" in black, then the countdown in green, or the overrun in red.
void showRest(QLabel& label, const RestDisplay& rest);

} // namespace ksy
