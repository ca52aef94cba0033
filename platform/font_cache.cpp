#include "platform/font_cache.h"

#include "platform/qt_canvas.h"

#include <QPainter>
#include <algorithm>

namespace ksy {

namespace {

// Resizing a window through many sizes or a running clock's texts would
// otherwise grow the caches without end.
constexpr std::size_t kMaxFonts = 256;
constexpr std::size_t kMaxTexts = 4096;
constexpr std::size_t kMaxImages = 16;

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

const FontCache::FontEntry& FontCache::fontEntry(const FontSpec& spec)
{
    FontKey key {spec.face, spec.pixelHeight, spec.weight, spec.italic, spec.underline,
        spec.strikeOut};
    auto it = fonts_.find(key);
    if (it == fonts_.end()) {
        if (fonts_.size() >= kMaxFonts) {
            // Text entries name their font by id: they go with the fonts.
            fonts_.clear();
            texts_.clear();
            images_.clear();
        }
        QFont f = toQFont(spec);
        QFontMetrics m = device_ ? QFontMetrics(f, device_) : QFontMetrics(f);
        it = fonts_.emplace(std::move(key), FontEntry {std::move(f), std::move(m), ++lastFontId_})
                 .first;
    }
    return it->second;
}

FontCache::TextEntry& FontCache::textEntry(const FontSpec& spec, std::string_view utf8)
{
    const FontEntry& f = fontEntry(spec);
    std::pair<int, std::string> key {f.id, std::string(utf8)};
    auto it = texts_.find(key);
    if (it == texts_.end()) {
        if (texts_.size() >= kMaxTexts)
            texts_.clear();
        TextEntry entry;
        entry.width = f.metrics.horizontalAdvance(fromUtf8(utf8));
        it = texts_.emplace(std::move(key), std::move(entry)).first;
    }
    return it->second;
}

const QStaticText& FontCache::staticText(const FontSpec& spec, std::string_view utf8)
{
    TextEntry& entry = textEntry(spec, utf8);
    if (!entry.laidOut) {
        QStaticText text(fromUtf8(utf8));
        text.setTextFormat(Qt::PlainText);
        text.setPerformanceHint(QStaticText::AggressiveCaching);
        text.prepare(QTransform(), font(spec));
        entry.laidOut = std::move(text);
    }
    return *entry.laidOut;
}

const FontCache::Rendered& FontCache::rendered(
    const FontSpec& spec, std::string_view utf8, Colour colour)
{
    const FontEntry& f = fontEntry(spec);
    std::tuple<int, std::string, Colour> key {f.id, std::string(utf8), colour};
    auto it = images_.find(key);
    if (it == images_.end()) {
        if (images_.size() >= kMaxImages)
            images_.clear();
        const QString s = fromUtf8(utf8);
        // Glyphs may reach past the advance and the line (italics, overhangs)
        // and antialiasing a pixel further: the image takes them all.
        const QRect ink = f.metrics.boundingRect(s).translated(0, f.metrics.ascent());
        const QRect box =
            ink.united(QRect(0, 0, std::max(1, f.metrics.horizontalAdvance(s)), f.metrics.height()))
                .adjusted(-2, -2, 2, 2);
        QImage image(box.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setFont(f.font);
        painter.setPen(toQColor(colour));
        painter.drawText(-box.left(), -box.top() + f.metrics.ascent(), s);
        painter.end();
        it = images_.emplace(std::move(key), Rendered {std::move(image), box.topLeft()}).first;
    }
    return it->second;
}

} // namespace ksy
