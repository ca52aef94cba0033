#pragma once
// The drawing canvas on a QPainter: the screen, an image or a printer.
#include "services/canvas.h"
#include "storage/work_folder.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QPixmap>
#include <QString>
#include <map>
#include <memory>
#include <tuple>

class QPainter;
class QPaintDevice;

namespace ksy {

QColor toQColor(Colour colour);
// Fonts get a pixel size, never a point size, so that a printer's resolution
// does not scale them again.
QFont toQFont(const FontSpec& font);

// Fonts and their metrics built once per font spec and kept: a board paint
// draws nearly 200 texts in a handful of fonts, and building a font and its
// metrics costs far more than drawing the text. A spec's pixel height holds
// the display settings and the screen size, so a change of either is a new
// entry. The metrics are those of `device` (nullptr: the screen).
class FontCache {
public:
    explicit FontCache(const QPaintDevice* device = nullptr)
        : device_(device)
    {
    }
    const QFont& font(const FontSpec& spec) { return entry(spec).font; }
    const QFontMetrics& metrics(const FontSpec& spec) { return entry(spec).metrics; }

private:
    struct Entry {
        QFont font;
        QFontMetrics metrics;
    };
    using Key = std::tuple<std::string, int, int, bool, bool, bool>;
    const Entry& entry(const FontSpec& spec);

    const QPaintDevice* device_;
    std::map<Key, Entry> entries_;
};

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
