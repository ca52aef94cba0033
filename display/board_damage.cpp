#include "display/board_damage.h"

#include <algorithm>

namespace ksy {

namespace {

bool overlapsOrTouches(const Rect& a, const Rect& b)
{
    return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

bool intersects(const Rect& a, const Rect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

Rect united(const Rect& a, const Rect& b)
{
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
        std::max(a.bottom, b.bottom)};
}

struct Bounds {
    const TextMetrics& metrics;
    Rect operator()(const FillRectOp& op) const { return op.rect; }
    Rect operator()(const GradientRectOp& op) const { return op.rect; }
    Rect operator()(const ImageOp& op) const { return op.rect; }
    Rect operator()(const LineOp& op) const
    {
        // A wide line spreads on both sides of its points; one more pixel
        // for how the rasteriser rounds them.
        const int pad = op.width + 1;
        return {std::min(op.x1, op.x2) - pad, std::min(op.y1, op.y2) - pad,
            std::max(op.x1, op.x2) + pad + 1, std::max(op.y1, op.y2) + pad + 1};
    }
    Rect operator()(const TextOp& op) const
    {
        const int width = metrics.textWidth(op.font, op.text);
        const int height = metrics.textHeight(op.font);
        int left = op.x;
        if (op.align == TextAlign::Centre)
            left = op.x - width / 2;
        else if (op.align == TextAlign::Right)
            left = op.x - width;
        const int side = height / 2 + 2;
        const int above = height / 4 + 2;
        return {left - side, op.y - above, left + width + side, op.y + height + above};
    }
};

// Consecutive primitives of one role.
struct Run {
    Role role;
    std::size_t begin;
    std::size_t end;
};

std::vector<Run> runsOf(const Drawing& drawing)
{
    std::vector<Run> runs;
    for (std::size_t i = 0; i < drawing.size(); ++i) {
        if (runs.empty() || runs.back().role != drawing[i].role)
            runs.push_back({drawing[i].role, i, i});
        runs.back().end = i + 1;
    }
    return runs;
}

// Pairs of runs, in order, with the same roles (longest common subsequence
// of the two role sequences; a board has a few dozen runs).
std::vector<std::pair<std::size_t, std::size_t>> pairRuns(
    const std::vector<Run>& a, const std::vector<Run>& b)
{
    const std::size_t n = a.size();
    const std::size_t m = b.size();
    std::vector<int> table((n + 1) * (m + 1), 0);
    auto at = [&](std::size_t i, std::size_t j) -> int& { return table[i * (m + 1) + j]; };
    for (std::size_t i = n; i-- > 0;)
        for (std::size_t j = m; j-- > 0;)
            at(i, j) = a[i].role == b[j].role ? at(i + 1, j + 1) + 1
                                              : std::max(at(i + 1, j), at(i, j + 1));
    std::vector<std::pair<std::size_t, std::size_t>> pairs;
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < n && j < m) {
        if (a[i].role == b[j].role) {
            pairs.emplace_back(i++, j++);
        } else if (at(i + 1, j) >= at(i, j + 1)) {
            ++i;
        } else {
            ++j;
        }
    }
    return pairs;
}

} // namespace

Rect primitiveBounds(const Primitive& primitive, const TextMetrics& metrics)
{
    return std::visit(Bounds {metrics}, primitive.op);
}

void addDamage(std::vector<Rect>& rects, const std::vector<Rect>& more)
{
    for (const Rect& r : more)
        if (r.width() > 0 && r.height() > 0)
            rects.push_back(r);
    // Merge until no two rectangles touch; a merged one may reach others.
    bool merged = true;
    while (merged) {
        merged = false;
        for (std::size_t i = 0; i < rects.size() && !merged; ++i)
            for (std::size_t j = i + 1; j < rects.size(); ++j)
                if (overlapsOrTouches(rects[i], rects[j])) {
                    rects[i] = united(rects[i], rects[j]);
                    rects.erase(rects.begin() + static_cast<std::ptrdiff_t>(j));
                    merged = true;
                    break;
                }
    }
}

std::vector<Rect> damagedRects(const Drawing& before, const Drawing& after, const TextMetrics& metrics)
{
    std::vector<Rect> damage;
    std::vector<bool> pairedBefore(before.size(), false);
    std::vector<bool> pairedAfter(after.size(), false);
    const std::vector<Run> a = runsOf(before);
    const std::vector<Run> b = runsOf(after);
    for (const auto& [i, j] : pairRuns(a, b)) {
        const std::size_t count = std::min(a[i].end - a[i].begin, b[j].end - b[j].begin);
        for (std::size_t k = 0; k < count; ++k) {
            const std::size_t x = a[i].begin + k;
            const std::size_t y = b[j].begin + k;
            if (before[x] == after[y]) {
                pairedBefore[x] = true;
                pairedAfter[y] = true;
            }
        }
    }
    for (std::size_t x = 0; x < before.size(); ++x)
        if (!pairedBefore[x])
            damage.push_back(primitiveBounds(before[x], metrics));
    for (std::size_t y = 0; y < after.size(); ++y)
        if (!pairedAfter[y])
            damage.push_back(primitiveBounds(after[y], metrics));
    std::vector<Rect> merged;
    addDamage(merged, damage);
    return merged;
}

long long damagedArea(const std::vector<Rect>& rects)
{
    long long area = 0;
    for (const Rect& r : rects)
        area += static_cast<long long>(r.width()) * r.height();
    return area;
}

void replayTouching(const Drawing& drawing, const std::vector<Rect>& rects, Canvas& canvas,
    const TextMetrics& metrics)
{
    if (rects.empty())
        return;
    Rect all = rects.front();
    for (const Rect& r : rects)
        all = united(all, r);
    for (const Primitive& p : drawing) {
        const Rect bounds = primitiveBounds(p, metrics);
        if (!intersects(bounds, all))
            continue;
        if (std::any_of(rects.begin(), rects.end(),
                [&](const Rect& r) { return intersects(bounds, r); }))
            replay(p, canvas);
    }
}

} // namespace ksy
