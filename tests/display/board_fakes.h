#pragma once
// Fixed text metrics and a typical board for the board tests.
#include "display/board_layout.h"

#include <algorithm>
#include <string>
#include <vector>

namespace ksy::test {

// A line of text is 6/5 of the font's pixel height; a character half of it.
class FixedMetrics : public TextMetrics {
public:
    int textHeight(const FontSpec& font) const override { return font.pixelHeight * 6 / 5; }
    int textWidth(const FontSpec& font, std::string_view utf8) const override
    {
        return static_cast<int>(utf8.size()) * font.pixelHeight / 2;
    }
};

inline BoardStyle typicalStyle()
{
    BoardStyle s;
    for (int i = 0; i < 12; ++i) {
        s.fonts[i].face = "Arial";
        s.fonts[i].pixelHeight = 20;
        s.fonts[i].weight = 700;
        s.textColours[i] = rgb(i, 2 * i, 3 * i);
    }
    s.fonts[0].pixelHeight = 28;
    for (int i = 0; i < 13; ++i)
        s.colours[i] = rgb(100 + i, 110 + i, 120 + i);
    return s;
}

inline BoardLine line(int place)
{
    BoardLine l;
    l.place = std::to_string(place);
    l.slot = " " + std::to_string(place) + " ";
    l.name = "Pilote " + std::to_string(place);
    l.passingCount = "5";
    l.totalTime = "4:10.500";
    l.gapToLeader = "1.200";
    l.gapToPrevious = "0.300";
    l.lastLap = "50.100";
    l.bestLap = "49.900";
    l.transponder = "00012" + std::to_string(place % 10);
    return l;
}

inline BoardView typicalView(int w, int h, int rows)
{
    BoardView v;
    v.screenWidth = w;
    v.screenHeight = h;
    v.style = typicalStyle();
    v.widths = {60, 300, 80, 160, 140, 140, 140, 140, 100};
    v.rows = boardRowMetrics(v.style, w, h, FixedMetrics {});
    for (int i = 1; i <= rows; ++i)
        v.inputs.rows.push_back(line(i));
    v.inputs.heatTitle = "Durée 0:10:00 - DEPARTSignalSonore";
    v.inputs.durationText = "0:10:00";
    v.inputs.elapsedText = "0:04:10";
    v.inputs.remainingText = "0:05:50";
    v.inputs.countdownText = "5s";
    return v;
}

template <class Op> std::vector<Op> opsOf(const Drawing& d, Role role)
{
    std::vector<Op> out;
    for (const Primitive& p : d)
        if (p.role == role)
            if (const Op* op = std::get_if<Op>(&p.op))
                out.push_back(*op);
    return out;
}

inline std::vector<TextOp> textsOf(const Drawing& d, Role role)
{
    return opsOf<TextOp>(d, role);
}

inline const TextOp* findText(const Drawing& d, const std::string& text)
{
    for (const Primitive& p : d)
        if (const TextOp* op = std::get_if<TextOp>(&p.op); op && op->text == text)
            return op;
    return nullptr;
}

} // namespace ksy::test
