#include "display/ui/board_repaint.h"

#include <QPaintDevice>
#include <QPainter>

namespace ksy {

namespace {

// Past this share of the image, one paint of everything costs no more than
// the pieces and skips measuring which primitives touch them.
constexpr long long kWholeShareNumerator = 1;
constexpr long long kWholeShareDenominator = 2;

QRegion regionOf(const std::vector<Rect>& rects)
{
    QRegion region;
    for (const Rect& r : rects)
        region += QRect(r.left, r.top, r.width(), r.height());
    return region;
}

} // namespace

bool BoardRepaint::setDrawing(Drawing drawing, const TextMetrics& metrics)
{
    if (drawing == drawing_)
        return false;
    if (!whole_)
        addDamage(damage_, damagedRects(drawing_, drawing, metrics));
    drawing_ = std::move(drawing);
    return true;
}

QRegion BoardRepaint::pending(const QSize& size) const
{
    if (whole_)
        return QRegion(QRect(QPoint(0, 0), size));
    return regionOf(damage_).intersected(QRect(QPoint(0, 0), size));
}

QRegion BoardRepaint::paint(
    QPaintDevice& device, const QColor& background, ImageCache& images, FontCache* fonts)
{
    const QRect all(0, 0, device.width(), device.height());
    if (!whole_ &&
        damagedArea(damage_) * kWholeShareDenominator >
            static_cast<long long>(all.width()) * all.height() * kWholeShareNumerator)
        whole_ = true;
    QPainter painter(&device);
    QtCanvas canvas(painter, images, fonts);
    QRegion painted;
    if (whole_) {
        painter.fillRect(all, background);
        replay(drawing_, canvas);
        painted = all;
    } else {
        // One rectangle at a time, each from the background up as a whole
        // paint does. A clip of several rectangles would send images and
        // glyphs through Qt's general blending, whose rounding differs by a
        // step from the blits a whole paint uses: a single rectangle keeps
        // the very same blits.
        for (const Rect& d : damage_) {
            const QRect r = QRect(d.left, d.top, d.width(), d.height()).intersected(all);
            if (r.isEmpty())
                continue;
            painter.setClipRect(r);
            painter.fillRect(r, background);
            replayTouching(drawing_, {Rect {r.left(), r.top(), r.right() + 1, r.bottom() + 1}},
                canvas, canvas);
            painted += r;
        }
    }
    whole_ = false;
    damage_.clear();
    return painted;
}

} // namespace ksy
