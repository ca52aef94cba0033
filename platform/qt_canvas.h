#pragma once
// The drawing canvas on a QPainter: the screen, an image or a printer.
#include "services/canvas.h"
#include "storage/work_folder.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QPixmap>
#include <QString>

class QPainter;

namespace ksy {

QColor toQColor(Colour colour);
// Fonts get a pixel size, never a point size, so that a printer's resolution
// does not scale them again.
QFont toQFont(const FontSpec& font);

// Text measured with Qt's font metrics, without a painter.
class QtTextMetrics : public TextMetrics {
public:
    int textHeight(const FontSpec& font) const override;
    int textWidth(const FontSpec& font, std::string_view utf8) const override;
};

// Bitmaps of the working folder, read once and kept; a missing file stays a
// null pixmap and draws nothing.
class ImageCache {
public:
    explicit ImageCache(WorkFolder folder)
        : folder_(std::move(folder))
    {
    }
    const QPixmap& image(std::string_view relativeFileUtf8);

private:
    WorkFolder folder_;
    QHash<QString, QPixmap> images_;
};

class QtCanvas : public Canvas {
public:
    QtCanvas(QPainter& painter, ImageCache& images)
        : painter_(painter)
        , images_(images)
    {
    }

    int textHeight(const FontSpec& font) const override;
    int textWidth(const FontSpec& font, std::string_view utf8) const override;
    void fillRect(const Rect& rect, Colour colour) override;
    void gradientRect(const Rect& rect, Colour top, Colour bottom) override;
    void line(int x1, int y1, int x2, int y2, Colour colour, int width) override;
    void text(int x, int y, TextAlign align, std::string_view utf8, const FontSpec& font,
        Colour colour, std::optional<Colour> background) override;
    void image(const Rect& target, std::string_view relativeFileUtf8) override;

private:
    QPainter& painter_;
    ImageCache& images_;
};

} // namespace ksy
