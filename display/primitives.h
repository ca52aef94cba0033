#pragma once
// A drawing as plain data: what a layout computes and a canvas replays. Tests
// read it; the board widget compares two of them to skip needless repaints.
#include "services/canvas.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace ksy {

struct FillRectOp {
    Rect rect;
    Colour colour = 0;
    bool operator==(const FillRectOp&) const = default;
};

struct GradientRectOp {
    Rect rect;
    Colour top = 0;
    Colour bottom = 0;
    bool operator==(const GradientRectOp&) const = default;
};

struct LineOp {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    Colour colour = 0;
    int width = 1;
    bool operator==(const LineOp&) const = default;
};

struct TextOp {
    int x = 0;
    int y = 0;
    TextAlign align = TextAlign::Left;
    std::string text; // UTF-8
    FontSpec font;
    Colour colour = 0;
    std::optional<Colour> background;
    // The width the text must stay within (0: no limit); a longer text is cut
    // with "…" where it is measured (fitTexts).
    int room = 0;
    bool operator==(const TextOp&) const = default;
};

struct ImageOp {
    Rect rect;
    std::string file; // relative to the working folder, UTF-8
    bool operator==(const ImageOp&) const = default;
};

// What a primitive stands for on the board, so that a test or a reader can
// find "the header band" without guessing from coordinates.
enum class Role {
    WindowBackground,
    Logo,
    BoardArea,
    Watermark,
    Version,
    HeaderBand,
    PositionStrip,
    Table,
    Frame,
    Separator,
    RowLine,
    HeatTitle,
    Header,
    Place,
    Cell,
    FinishFlag,
    Countdown,
    Clock,
    Rest,
    RadioConflict,
};

struct Primitive {
    Role role = Role::Frame;
    std::variant<FillRectOp, GradientRectOp, LineOp, TextOp, ImageOp> op;
    bool operator==(const Primitive&) const = default;
};

using Drawing = std::vector<Primitive>;

// Paints every primitive in order.
void replay(const Drawing& drawing, Canvas& canvas);
// Paints one primitive.
void replay(const Primitive& primitive, Canvas& canvas);

} // namespace ksy
