#pragma once
// Room for texts in controls placed at fixed positions: a width chosen for
// one screen and font can cut a text on another (a larger font setting, a
// smaller logical screen at 125 % scaling).
#include <vector>

class QWidget;

namespace ksy {

// The width a radio button, check box, push button or combo box needs to
// show its whole text (its widest entry for a combo box); 0 for others.
int widthForText(const QWidget* w);

// Widens every control of a line (left to right) that is too narrow for its
// text and moves the controls after it by as much, keeping the gaps.
void fitLineToTexts(const std::vector<QWidget*>& line);

// Widens `frame` so that it holds every control of `inside` with `margin`
// pixels to spare on the right.
void growFrameAround(QWidget* frame, const std::vector<QWidget*>& inside, int margin);

} // namespace ksy
