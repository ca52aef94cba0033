#include "planning/heat_composition_view.h"

#include "display/text_fit.h"
#include "services/translate.h"
#include "storage/encoding.h"

#include <algorithm>
#include <string>

namespace ksy {
namespace {

using namespace composition_view;

FontSpec arial(int height)
{
    FontSpec font;
    font.face = "Arial";
    font.pixelHeight = height;
    return font;
}

constexpr int kHeaderFont = 16;
constexpr int kRowFont = 15;

void fill(Drawing& d, Role role, const Rect& rect, Colour colour)
{
    d.push_back({role, FillRectOp {rect, colour}});
}

void text(Drawing& d, Role role, int x, int y, TextAlign align, std::string utf8, int height,
    Colour colour = kInk)
{
    d.push_back({role, TextOp {x, y, align, std::move(utf8), arial(height), colour, std::nullopt}});
}

int rowTop(int row)
{
    return kListTop + kRowHeight * row;
}

// Whether visible row i has a plan row after it, which is what an arrow
// between the two needs.
bool hasFollowingRow(const HeatComposition& composition, int scroll, int i)
{
    return i < composition.rowsOfHeats() - scroll - 1;
}

} // namespace

int visibleCompositionRows(const HeatComposition& composition, int scroll)
{
    return std::clamp(composition.rowsOfHeats() - scroll, 0, kVisibleRows);
}

Drawing compositionListDrawing(
    const HeatComposition& composition, int scroll, const TextMetrics* metrics)
{
    Drawing d;
    const int rows = visibleCompositionRows(composition, scroll);
    const int bottom = rowTop(rows);
    fill(d, Role::WindowBackground, kRegion, kBackground);
    fill(d, Role::HeaderBand, kHeaderBand, kLightYellow);
    fill(d, Role::PositionStrip, {kLabelLeft, kListTop, kListLeft, bottom}, kLightYellow);
    fill(d, Role::Table, {kListLeft, kListTop, kListRight, bottom}, kPaleYellow);

    const int headY = 127;
    text(d, Role::Header, (kLabelLeft + kListLeft) / 2, headY, TextAlign::Centre,
        translate("HeatComposition", "Série"), kHeaderFont);
    text(d, Role::Header, kNameX, headY, TextAlign::Left, translate("HeatComposition", "Pilote"),
        kHeaderFont);
    text(d, Role::Header, kTransponderX, headY, TextAlign::Left,
        translate("HeatComposition", "Transp."), kHeaderFont);
    for (int f = 0; f < kFrequenciesPerParticipant; ++f)
        text(d, Role::Header, kFirstFrequencyX + kFrequencyStep * f, headY, TextAlign::Left,
            fillText(translate("HeatComposition", "Freq %1"), {std::to_string(f + 1)}),
            kHeaderFont);

    for (int r = 0; r < rows; ++r) {
        const int entry = scroll + r;
        const int y = rowTop(r) + 3;
        if (!composition.isEmpty(entry)) {
            std::string name = cp1252ToUtf8(composition.name(entry));
            if (metrics)
                name = elideToWidth(name, arial(kRowFont), kUpArrowX - 4 - kNameX, *metrics);
            text(d, Role::Cell, kNameX, y, TextAlign::Left, std::move(name), kRowFont);
        }
        const PlanEntryDetails& details = composition.details(entry);
        text(d, Role::Cell, kTransponderX, y, TextAlign::Left, cp1252ToUtf8(details.transponder),
            kRowFont);
        for (int f = 0; f < kFrequenciesPerParticipant; ++f) {
            const bool conflict = f == 0 && composition.inConflict(entry);
            text(d, conflict ? Role::RadioConflict : Role::Cell,
                kFirstFrequencyX + kFrequencyStep * f, y, TextAlign::Left,
                cp1252ToUtf8(f == 0 ? composition.shownFirstFrequency(entry)
                                    : details.frequencies[static_cast<std::size_t>(f)]),
                kRowFont, conflict ? kConflictRed : kInk);
        }
        const int arrowTop = rowTop(r) + 4;
        if (r >= 1 && hasFollowingRow(composition, scroll, r - 1))
            d.push_back({Role::Cell,
                ImageOp {{kUpArrowX, arrowTop, kUpArrowX + kArrowSize, arrowTop + kArrowSize},
                    kUpArrowImage}});
        if (r <= kVisibleRows - 2 && hasFollowingRow(composition, scroll, r))
            d.push_back({Role::Cell,
                ImageOp {{kDownArrowX, arrowTop, kDownArrowX + kArrowSize, arrowTop + kArrowSize},
                    kDownArrowImage}});
    }

    // Heats: a line above each heat that starts inside the list, and the
    // label at the middle of the heat's block when that point is visible.
    const int pilots = composition.pilotsPerHeat();
    for (int heat = 1; pilots >= 1 && heat <= composition.heatsPerRound(); ++heat) {
        const int firstRow = (heat - 1) * pilots - scroll;
        if (firstRow > 0 && firstRow < rows)
            d.push_back({Role::Separator,
                LineOp {kLabelLeft, rowTop(firstRow), kListRight, rowTop(firstRow), kInk, 1}});
        const int middle = rowTop(firstRow) + kRowHeight * pilots / 2;
        if (middle >= kListTop && middle < bottom)
            text(d, Role::HeatTitle, (kLabelLeft + kListLeft) / 2, middle - kHeaderFont / 2,
                TextAlign::Centre,
                fillText(translate("HeatComposition", "Série %1"), {std::to_string(heat)}),
                kHeaderFont);
    }
    return d;
}

std::optional<int> compositionArrowHit(const HeatComposition& composition, int scroll, int x, int y)
{
    for (int i = 0; i <= kVisibleRows - 2; ++i) {
        if (!hasFollowingRow(composition, scroll, i))
            break;
        const int t = 154 + kRowHeight * i;
        const bool up = x >= 351 && x < 362 && y > t + 22 && y <= t + 33;
        const bool down = x >= 371 && x < 382 && y > t && y <= t + 11;
        if (up || down)
            return scroll + i;
    }
    return std::nullopt;
}

} // namespace ksy
