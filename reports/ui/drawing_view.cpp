#include "reports/ui/drawing_view.h"

#include "display/text_fit.h"

#include <QPainter>

namespace ksy {

DrawingView::DrawingView(const WorkFolder& folder, int width, int height,
    std::function<Drawing()> drawing, QWidget* parent)
    : QWidget(parent)
    , images_(folder)
    , drawing_(std::move(drawing))
{
    setFixedSize(width, height);
}

void DrawingView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QtCanvas canvas(painter, images_);
    // Long names are cut to their room as this screen measures them.
    replay(fitTexts(drawing_(), canvas), canvas);
}

void showScrollRange(QScrollBar* bar, const ScrollRange& range)
{
    const QSignalBlocker block(bar);
    bar->setVisible(range.shown);
    bar->setRange(0, range.maximum);
    bar->setPageStep(1);
    bar->setValue(range.position);
}

bool applyScrollAction(QScrollBar* bar, int action, ScrollRange& range)
{
    bool changed = false;
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
        changed = range.move(ScrollMove::LineDown);
        break;
    case QAbstractSlider::SliderSingleStepSub:
        changed = range.move(ScrollMove::LineUp);
        break;
    case QAbstractSlider::SliderPageStepAdd:
    case QAbstractSlider::SliderToMaximum:
        changed = range.move(ScrollMove::PageDown);
        break;
    case QAbstractSlider::SliderPageStepSub:
    case QAbstractSlider::SliderToMinimum:
        changed = range.move(ScrollMove::PageUp);
        break;
    case QAbstractSlider::SliderMove:
        changed = range.move(ScrollMove::Thumb, bar->sliderPosition());
        break;
    default:
        break;
    }
    // The bar shows the range's position, not what Qt would have made of it.
    bar->setSliderPosition(range.position);
    return changed;
}

} // namespace ksy
