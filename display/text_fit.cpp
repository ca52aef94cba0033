#include "display/text_fit.h"

#include <vector>

namespace ksy {

namespace {

// Byte offsets where a UTF-8 character starts, the text's end included.
std::vector<std::size_t> characterStarts(const std::string& utf8)
{
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < utf8.size(); ++i)
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80)
            starts.push_back(i);
    starts.push_back(utf8.size());
    return starts;
}

} // namespace

std::string elideToWidth(
    const std::string& utf8, const FontSpec& font, int width, const TextMetrics& metrics)
{
    if (metrics.textWidth(font, utf8) <= width)
        return utf8;
    const std::vector<std::size_t> starts = characterStarts(utf8);
    auto fits = [&](std::size_t characters) {
        return metrics.textWidth(font, utf8.substr(0, starts[characters]) + Ellipsis) <= width;
    };
    if (!fits(0))
        return {};
    // Binary search for the most characters that still fit before the ellipsis.
    std::size_t low = 0;
    std::size_t high = starts.size() - 1;
    while (low + 1 < high) {
        const std::size_t mid = (low + high) / 2;
        (fits(mid) ? low : high) = mid;
    }
    return utf8.substr(0, starts[low]) + Ellipsis;
}

std::string heatTitleToWidth(const std::string& category, const std::string& roundAndHeat,
    const std::string& details, const FontSpec& font, int width, const TextMetrics& metrics)
{
    if (roundAndHeat.empty())
        return elideToWidth(details, font, width, metrics);
    const std::string name = category.empty() ? roundAndHeat : category + " - " + roundAndHeat;
    if (!details.empty()) {
        const std::string prefix = name + " - ";
        if (metrics.textWidth(font, prefix + details) <= width)
            return prefix + details;
        const int room = width - metrics.textWidth(font, prefix);
        // A cut that leaves no word of the details is no help.
        const std::string cut = elideToWidth(details, font, room, metrics);
        if (cut.size() > 4)
            return prefix + cut;
    }
    if (metrics.textWidth(font, name) <= width)
        return name;
    const std::string tail = " - " + roundAndHeat;
    const std::string head =
        elideToWidth(category, font, width - metrics.textWidth(font, tail), metrics);
    if (!head.empty())
        return head + tail;
    return elideToWidth(roundAndHeat, font, width, metrics);
}

Drawing fitTexts(Drawing drawing, const TextMetrics& metrics)
{
    for (Primitive& p : drawing)
        if (auto* t = std::get_if<TextOp>(&p.op); t && t->room > 0)
            t->text = elideToWidth(t->text, t->font, t->room, metrics);
    return drawing;
}

} // namespace ksy
