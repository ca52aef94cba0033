#include "results/heat_result_check.h"

#include "race/run_entry.h"
#include "services/translate.h"

#include <charconv>
#include <cstdint>

namespace ksy {
namespace {

// No heat lasts two days; a time beyond is no time of a heat.
constexpr std::int64_t kLongestMs = 48LL * 3600000;

std::optional<std::int64_t> number(std::string_view text)
{
    std::int64_t v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return v;
}

std::optional<std::string> lineFault(std::string_view line)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    for (const char c : line) {
        const auto u = static_cast<unsigned char>(c);
        if ((u < 0x20 && c != '\t') || u == 0x7F)
            return translate("HeatResult", "octets binaires");
    }
    std::string_view fields[6];
    for (std::string_view& f : fields) {
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos)
            return translate("HeatResult", "ligne coupée");
        f = line.substr(0, tab);
        line.remove_prefix(tab + 1);
    }
    const auto count = number(fields[1]);
    if (!count || *count < 0 || *count > kMaxLaps)
        return fillText(
            translate("HeatResult", "nombre de passages %1"), {fields[1].substr(0, 12)});
    for (int i = 2; i < 6; ++i)
        if (!number(fields[i]))
            return fillText(
                translate("HeatResult", "nombre illisible %1"), {fields[i].substr(0, 12)});
    for (std::int64_t k = 0; k <= *count; ++k) {
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos)
            return fillText(translate("HeatResult", "il manque des temps de tour (%1 attendus)"),
                {std::to_string(*count + 1)});
        const std::string_view f = line.substr(0, tab);
        line.remove_prefix(tab + 1);
        const auto t = number(f);
        if (!t || *t < 0 || *t > kLongestMs)
            return fillText(translate("HeatResult", "temps de tour %1"), {f.substr(0, 12)});
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> heatResultFault(std::string_view body)
{
    int slots = 0;
    int lineNumber = 0;
    while (slots < kSlotCount) {
        if (body.empty())
            return fillText(translate("HeatResult", "ligne %1 de la section : section coupée"),
                {std::to_string(lineNumber + 1)});
        const std::size_t lf = body.find('\n');
        const std::string_view line = body.substr(0, lf);
        body = lf == std::string_view::npos ? std::string_view {} : body.substr(lf + 1);
        ++lineNumber;
        if (line.empty() || line == "\r")
            continue; // blank lines between slots are skipped when read
        ++slots;
        if (const auto fault = lineFault(line))
            return fillText(translate("HeatResult", "ligne %1 de la section : %2"),
                {std::to_string(lineNumber), *fault});
    }
    return std::nullopt;
}

} // namespace ksy
