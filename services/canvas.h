#pragma once
// Drawing surface of the live board and of printed layouts. The logic builds
// lists of these calls; the platform paints them on a screen, a printer or an
// image. Texts are UTF-8.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ksy {

// 32-bit colour: red in the low byte, then green, then blue (the layout the
// settings files store).
using Colour = std::uint32_t;

constexpr Colour rgb(int r, int g, int b)
{
    return static_cast<Colour>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int redOf(Colour c)
{
    return static_cast<int>(c & 0xFF);
}
constexpr int greenOf(Colour c)
{
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int blueOf(Colour c)
{
    return static_cast<int>((c >> 16) & 0xFF);
}

// Colour of line `line` (0 = top) of a vertical gradient `height` lines high,
// each channel interpolated with one multiply-divide.
constexpr Colour gradientLineColour(Colour top, Colour bottom, int line, int height)
{
    if (height <= 0)
        return top;
    auto mix = [&](int a, int b) { return a + (b - a) * line / height; };
    return rgb(mix(redOf(top), redOf(bottom)), mix(greenOf(top), greenOf(bottom)),
        mix(blueOf(top), blueOf(bottom)));
}

// Pixel rectangle; right and bottom are exclusive.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const Rect&) const = default;
};

struct FontSpec {
    std::string face; // UTF-8
    int pixelHeight = 0;
    int weight = 400; // 100 (thin) .. 900 (black), 400 normal, 700 bold
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    bool operator==(const FontSpec&) const = default;
};

// Horizontal anchoring of a text at its x; y is always the top of the text.
enum class TextAlign { Left, Centre, Right };

// Measures text as the canvas will draw it.
class TextMetrics {
public:
    virtual ~TextMetrics() = default;
    // Height of a line of text in this font (ascent + descent), in pixels.
    virtual int textHeight(const FontSpec& font) const = 0;
    virtual int textWidth(const FontSpec& font, std::string_view utf8) const = 0;
};

class Canvas : public TextMetrics {
public:
    virtual void fillRect(const Rect& rect, Colour colour) = 0;
    // Vertical gradient, line by line with gradientLineColour().
    virtual void gradientRect(const Rect& rect, Colour top, Colour bottom) = 0;
    // A solid line `width` pixels wide between two points.
    virtual void line(int x1, int y1, int x2, int y2, Colour colour, int width) = 0;
    // Text with its top at y; with a background the text's own box is filled
    // first (opaque text), otherwise the text is drawn transparently.
    virtual void text(int x, int y, TextAlign align, std::string_view utf8, const FontSpec& font,
        Colour colour, std::optional<Colour> background) = 0;
    // A bitmap of the working folder scaled into the rectangle; a missing file
    // draws nothing.
    virtual void image(const Rect& target, std::string_view relativeFileUtf8) = 0;
};

} // namespace ksy
