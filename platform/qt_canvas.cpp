#include "platform/qt_canvas.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

namespace ksy {

namespace {

// From this pixel size on Qt keeps no glyph images: it draws every glyph as
// a path at each paint.
constexpr int kLargeTextPixels = 64;

// An image drawn under any other transform would be resampled, not redrawn.
bool isWholePixelShift(const QTransform& t)
{
    return t.type() <= QTransform::TxTranslate && t.dx() == std::floor(t.dx()) &&
        t.dy() == std::floor(t.dy());
}

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QColor toQColor(Colour colour)
{
    return QColor(redOf(colour), greenOf(colour), blueOf(colour));
}

namespace {

// Asking the font database costs tens of microseconds; the installed fonts do
// not change while the program runs.
bool arialBlackInstalled()
{
    static const bool installed = QFontDatabase::hasFamily(QStringLiteral("Arial Black"));
    return installed;
}

} // namespace

QFont toQFont(const FontSpec& font)
{
    QString face = fromUtf8(font.face);
    int weight = font.weight;
    // Where "Arial Black" is missing, the heaviest Arial keeps its look and
    // its width; the generic fallback would be far wider.
    if (face == QLatin1String("Arial Black") && !arialBlackInstalled()) {
        face = QStringLiteral("Arial");
        weight = 900;
    }
    QFont f(face);
    f.setPixelSize(std::max(1, font.pixelHeight));
    // Settings store 0 for "any weight"; the scale is the same 100..900 otherwise.
    weight = weight <= 0 ? 400 : std::clamp(weight, 100, 900);
    f.setWeight(static_cast<QFont::Weight>(weight));
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    f.setStrikeOut(font.strikeOut);
    return f;
}

int QtTextMetrics::textHeight(const FontSpec& font) const
{
    return fonts_->metrics(font).height();
}

int QtTextMetrics::textWidth(const FontSpec& font, std::string_view utf8) const
{
    return fonts_->width(font, utf8);
}

QtCanvas::QtCanvas(QPainter& painter, ImageCache& images, FontCache* fonts)
    : painter_(painter)
    , images_(images)
    , own_(fonts ? nullptr : std::make_unique<FontCache>(painter.device()))
    , fonts_(fonts ? fonts : own_.get())
{
}

const QPixmap& ImageCache::image(std::string_view relativeFileUtf8)
{
    const QString key = fromUtf8(relativeFileUtf8);
    auto it = images_.find(key);
    if (it == images_.end()) {
        QPixmap pixmap;
        pixmap.load(QString::fromStdString(folder_.file(relativeFileUtf8).string()));
        it = images_.insert(key, pixmap);
    }
    return it.value();
}

int QtCanvas::textHeight(const FontSpec& font) const
{
    return fonts_->metrics(font).height();
}

int QtCanvas::textWidth(const FontSpec& font, std::string_view utf8) const
{
    return fonts_->width(font, utf8);
}

void QtCanvas::fillRect(const Rect& rect, Colour colour)
{
    painter_.fillRect(QRect(rect.left, rect.top, rect.width(), rect.height()), toQColor(colour));
}

void QtCanvas::gradientRect(const Rect& rect, Colour top, Colour bottom)
{
    const int height = rect.height();
    // Lines outside the clip would paint nothing: a repaint of a few rows
    // skips the rest of a gradient that runs down the whole board.
    int first = 0;
    int last = height;
    if (painter_.hasClipping() && painter_.deviceTransform().type() <= QTransform::TxTranslate) {
        const QRect clip = painter_.clipBoundingRect().toAlignedRect();
        first = std::clamp(clip.top() - rect.top, 0, height);
        last = std::clamp(clip.bottom() + 1 - rect.top, first, height);
    }
    for (int i = first; i < last; ++i)
        painter_.fillRect(QRect(rect.left, rect.top + i, rect.width(), 1),
            toQColor(gradientLineColour(top, bottom, i, height)));
}

void QtCanvas::line(int x1, int y1, int x2, int y2, Colour colour, int width)
{
    painter_.setPen(QPen(toQColor(colour), width, Qt::SolidLine, Qt::FlatCap));
    painter_.drawLine(x1, y1, x2, y2);
}

void QtCanvas::text(int x, int y, TextAlign align, std::string_view utf8, const FontSpec& font,
    Colour colour, std::optional<Colour> background)
{
    const QFontMetrics& metrics = fonts_->metrics(font);
    const int width = fonts_->width(font, utf8);
    int left = x;
    if (align == TextAlign::Centre)
        left = x - width / 2;
    if (align == TextAlign::Right)
        left = x - width;
    if (background)
        painter_.fillRect(QRect(left, y, width, metrics.height()), toQColor(*background));
    const QPaintDevice* device = painter_.device();
    const int type = device->devType();
    if ((type != QInternal::Image && type != QInternal::Pixmap && type != QInternal::Widget) ||
        font.underline || font.strikeOut) {
        // A printer lays the text out at its own resolution; a laid-out
        // static text draws no underline and no strike-out.
        painter_.setFont(fonts_->font(font));
        painter_.setPen(toQColor(colour));
        painter_.drawText(left, y + metrics.ascent(), fromUtf8(utf8));
        return;
    }
    if (font.pixelHeight >= kLargeTextPixels && device->devicePixelRatio() == 1.0 &&
        isWholePixelShift(painter_.deviceTransform())) {
        const FontCache::Rendered& r = fonts_->rendered(font, utf8, colour);
        painter_.drawImage(left + r.offset.x(), y + r.offset.y(), r.image);
        return;
    }
    painter_.setFont(fonts_->font(font));
    painter_.setPen(toQColor(colour));
    painter_.drawStaticText(left, y, fonts_->staticText(font, utf8));
}

void QtCanvas::image(const Rect& target, std::string_view relativeFileUtf8)
{
    const QPixmap& pixmap = images_.image(relativeFileUtf8);
    if (pixmap.isNull())
        return;
    painter_.drawPixmap(QRect(target.left, target.top, target.width(), target.height()), pixmap);
}

} // namespace ksy
