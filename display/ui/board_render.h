#pragma once
// Paints a board layout onto an image, for the screen and for PNG renders.
#include "display/board_layout.h"
#include "platform/qt_canvas.h"

#include <QImage>

namespace ksy {

// The board as it would stand on a screen of view.screenWidth x screenHeight.
// A cache kept between calls saves building the fonts again.
QImage renderBoard(const BoardView& view, ImageCache& images, FontCache* fonts = nullptr);

// Row metrics measured with Qt's fonts.
RowMetrics measureRows(
    const BoardStyle& style, int screenWidth, int screenHeight, FontCache* fonts = nullptr);

} // namespace ksy
