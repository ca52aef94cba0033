#pragma once
// Fonts, their metrics and laid-out texts, built once and kept. A board paint
// draws nearly 200 texts in a handful of fonts, most of them the same from
// one paint to the next; building a font, measuring and shaping a text cost
// far more than drawing it. A spec's pixel height holds the display settings
// and the screen size, so a change of either makes new entries.
#include "services/canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPoint>
#include <QStaticText>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

class QPaintDevice;

namespace ksy {

class FontCache {
public:
    // Metrics are those of `device` (nullptr: the screen).
    explicit FontCache(const QPaintDevice* device = nullptr)
        : device_(device)
    {
    }

    const QFont& font(const FontSpec& spec) { return fontEntry(spec).font; }
    const QFontMetrics& metrics(const FontSpec& spec) { return fontEntry(spec).metrics; }
    // The advance of a text in that font.
    int width(const FontSpec& spec, std::string_view utf8) { return textEntry(spec, utf8).width; }
    // The text laid out once, for drawing again and again.
    const QStaticText& staticText(const FontSpec& spec, std::string_view utf8);
    // A large text drawn once into a transparent image: Qt keeps no glyphs
    // of such a size and draws each one as a path at every paint, which costs
    // milliseconds. The image holds every pixel the text touches; `offset`
    // is where its corner lies from the text's top-left corner.
    struct Rendered {
        QImage image;
        QPoint offset;
    };
    const Rendered& rendered(const FontSpec& spec, std::string_view utf8, Colour colour);

private:
    struct FontEntry {
        QFont font;
        QFontMetrics metrics;
        int id = 0;
    };
    struct TextEntry {
        int width = 0;
        std::optional<QStaticText> laidOut;
    };
    using FontKey = std::tuple<std::string, int, int, bool, bool, bool>;
    const FontEntry& fontEntry(const FontSpec& spec);
    TextEntry& textEntry(const FontSpec& spec, std::string_view utf8);

    const QPaintDevice* device_;
    int lastFontId_ = 0; // ids stay unique when the fonts are cleared
    std::map<FontKey, FontEntry> fonts_;
    std::map<std::pair<int, std::string>, TextEntry> texts_;
    std::map<std::tuple<int, std::string, Colour>, Rendered> images_;
};

} // namespace ksy
