#include "board_png.h"

#include "display/board_sources.h"
#include "display/ui/board_render.h"

#include <QFile>
#include <QImage>

namespace ksy {

bool writeBoardPng(const BoardInputs& inputs, const DisplaySettings& settings,
    const WorkFolder& imagesFolder, int screenWidth, int screenHeight,
    const std::filesystem::path& file)
{
    BoardView view;
    view.screenWidth = screenWidth;
    view.screenHeight = screenHeight;
    view.style = boardStyle(settings);
    view.widths = boardColumnWidths(settings);
    view.rows = measureRows(view.style, screenWidth, screenHeight);
    view.inputs = inputs;
    ImageCache images(imagesFolder);
    const QImage image = renderBoard(view, images);
    const auto u8 = file.u8string();
    const QString name = QString::fromUtf8(
        reinterpret_cast<const char*>(u8.data()), static_cast<qsizetype>(u8.size()));
    return image.save(name, "PNG");
}

} // namespace ksy
