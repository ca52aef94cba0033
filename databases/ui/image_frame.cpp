#include "databases/ui/image_frame.h"

#include <QMouseEvent>
#include <QPainter>

namespace ksy {

ImageFrame::ImageFrame(QSize size, QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(size);
}

void ImageFrame::showImage(const QString& path)
{
    image_ = path.isEmpty() ? QImage() : QImage(path);
    update();
}

void ImageFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!image_.isNull())
        painter.drawImage(rect(), image_);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ImageFrame::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && onChoose)
        onChoose();
    else if (event->button() == Qt::RightButton && onRemove)
        onRemove();
}

} // namespace ksy
