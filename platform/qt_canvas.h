#pragma once
// The drawing canvas on a QPainter: the screen, an image or a printer.
#include "platform/font_cache.h"
#include "services/canvas.h"
#include "storage/work_folder.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QPixmap>
#include <QString>
#include <memory>

class QPainter;

namespace ksy {

QColor toQColor(Colour colour);
// Fonts get a pixel size, never a point size, so that a printer's resolution
// does not scale them again.
QFont toQFont(const FontSpec& font);

// Text measured with Qt's font metrics, without a painter.
class QtTextMetrics : public TextMetrics {
public:
    // With a cache the fonts are built once; without, this keeps its own.
    explicit QtTextMetrics(FontCache* fonts = nullptr)
        : fonts_(fonts ? fonts : &own_)
    {
    }
    QtTextMetrics(const QtTextMetrics&) = delete;
    QtTextMetrics& operator=(const QtTextMetrics&) = delete;
    int textHeight(const FontSpec& font) const override;
    int textWidth(const FontSpec& font, std::string_view utf8) const override;

private:
    mutable FontCache own_;
    FontCache* fonts_;
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
    // `fonts` must measure for the painter's device; without it the canvas
    // keeps its own cache for that device.
    QtCanvas(QPainter& painter, ImageCache& images, FontCache* fonts = nullptr);

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
    std::unique_ptr<FontCache> own_;
    FontCache* fonts_;
};

} // namespace ksy
