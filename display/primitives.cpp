#include "display/primitives.h"

namespace ksy {

namespace {

struct Painter {
    Canvas& canvas;
    void operator()(const FillRectOp& op) const { canvas.fillRect(op.rect, op.colour); }
    void operator()(const GradientRectOp& op) const
    {
        canvas.gradientRect(op.rect, op.top, op.bottom);
    }
    void operator()(const LineOp& op) const
    {
        canvas.line(op.x1, op.y1, op.x2, op.y2, op.colour, op.width);
    }
    void operator()(const TextOp& op) const
    {
        canvas.text(op.x, op.y, op.align, op.text, op.font, op.colour, op.background);
    }
    void operator()(const ImageOp& op) const { canvas.image(op.rect, op.file); }
};

} // namespace

void replay(const Drawing& drawing, Canvas& canvas)
{
    const Painter painter {canvas};
    for (const Primitive& p : drawing)
        std::visit(painter, p.op);
}

void replay(const Primitive& primitive, Canvas& canvas)
{
    std::visit(Painter {canvas}, primitive.op);
}

} // namespace ksy
