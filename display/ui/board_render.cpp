#include "display/ui/board_render.h"

#include <QPainter>

namespace ksy {

QImage renderBoard(const BoardView& view, ImageCache& images, FontCache* fonts)
{
    QImage image(view.screenWidth, view.screenHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QtCanvas canvas(painter, images, fonts);
    replay(layoutBoard(view, canvas), canvas);
    return image;
}

RowMetrics measureRows(const BoardStyle& style, int screenWidth, int screenHeight, FontCache* fonts)
{
    return boardRowMetrics(style, screenWidth, screenHeight, QtTextMetrics(fonts));
}

} // namespace ksy
