#pragma once
// The board kept in an image between paints. A new drawing repaints only the
// rectangles where it differs from the last one painted; the first paint, a
// resize, a new style or a change of most of the board paints it whole.
#include "display/board_damage.h"
#include "platform/qt_canvas.h"

#include <QColor>
#include <QRegion>

class QPaintDevice;

namespace ksy {

class BoardRepaint {
public:
    // Takes the drawing to show, measured with `metrics` (the metrics the
    // paint uses). False when it shows nothing new.
    bool setDrawing(Drawing drawing, const TextMetrics& metrics);
    const Drawing& drawing() const { return drawing_; }
    // The next paint paints everything (the image was resized or lost).
    void invalidate() { whole_ = true; }
    // What the next paint will repaint, in the image's pixels; everything
    // as one rectangle when it will paint the whole image.
    QRegion pending(const QSize& size) const;
    // Brings `device` up to date with the drawing over `background` and
    // returns the region it painted.
    QRegion paint(QPaintDevice& device, const QColor& background, ImageCache& images, FontCache* fonts);

private:
    Drawing drawing_;
    std::vector<Rect> damage_;
    bool whole_ = true;
};

} // namespace ksy
