#pragma once
// Pieces the result dialogs share: a fixed-size area that paints the drawing
// its owner computes, and a scroll bar that follows a ScrollRange (line moves
// by one, page moves to an end, the thumb to its place).
#include "display/primitives.h"
#include "platform/qt_canvas.h"
#include "results/scroll_range.h"

#include <QScrollBar>
#include <QWidget>
#include <functional>

namespace ksy {

class DrawingView : public QWidget {
    Q_OBJECT
public:
    DrawingView(const WorkFolder& folder, int width, int height, std::function<Drawing()> drawing,
        QWidget* parent = nullptr);
    // The drawing of the last paint (tests read it).
    Drawing current() const { return drawing_(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ImageCache images_;
    std::function<Drawing()> drawing_;
};

// Shows or hides the bar for the range and sets its range and position.
void showScrollRange(QScrollBar* bar, const ScrollRange& range);

// Applies a scroll-bar action to the range; true when the position moved.
bool applyScrollAction(QScrollBar* bar, int action, ScrollRange& range);

} // namespace ksy
