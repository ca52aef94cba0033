#include "tools/cli/exchange_check.h"

#include "race/run_entry.h"
#include "services/translate.h"

#include <charconv>
#include <cstdint>
#include <vector>

namespace ksycli {
namespace {

// No heat lasts two days.
constexpr std::int64_t kLongestMs = 48LL * 3600000;

std::optional<std::string> notText(std::string_view bytes)
{
    if (bytes.find_first_not_of(" \t\r\n") == std::string_view::npos)
        return ksy::translate("CliChecks", "fichier vide");
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if ((u < 0x20 && c != '\t' && c != '\r' && c != '\n') || u == 0x7F)
            return ksy::translate("CliChecks", "fichier binaire, pas un fichier de résultats");
    }
    return std::nullopt;
}

std::vector<std::string_view> fields(std::string_view line)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    std::vector<std::string_view> out;
    while (!line.empty()) {
        const std::size_t tab = line.find('\t');
        out.push_back(line.substr(0, tab));
        line = tab == std::string_view::npos ? std::string_view {} : line.substr(tab + 1);
    }
    return out;
}

std::optional<std::int64_t> number(std::string_view text)
{
    std::int64_t v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return v;
}

// The count and the lap totals of one line, from field `at`; `withStart`:
// the totals begin with the start reference (count + 1 of them).
std::optional<std::string> badRun(
    const std::vector<std::string_view>& f, std::size_t at, bool withStart, int lineNumber)
{
    const auto where = [lineNumber](const std::string& why) {
        return ksy::fillText(
            ksy::translate("CliChecks", "ligne %1 : %2"), {std::to_string(lineNumber), why});
    };
    const auto count = at < f.size() ? number(f[at]) : std::nullopt;
    if (!count || *count < 0 || *count > ksy::kMaxLaps)
        return where(ksy::fillText(ksy::translate("CliChecks", "nombre de passages hors de 0 à %1"),
            {std::to_string(ksy::kMaxLaps)}));
    const std::size_t totals = static_cast<std::size_t>(*count) + (withStart ? 1 : 0);
    if (f.size() < at + 1 + totals)
        return where(ksy::translate("CliChecks", "il manque des temps de passage"));
    std::int64_t previous = 0;
    for (std::size_t k = 0; k < totals; ++k) {
        const auto t = number(f[at + 1 + k]);
        if (!t || *t < 0 || *t > kLongestMs)
            return where(ksy::translate("CliChecks", "temps de passage invalide"));
        if (*t < previous)
            return where(ksy::translate("CliChecks", "temps de passage qui reviennent en arrière"));
        previous = *t;
    }
    return std::nullopt;
}

std::vector<std::string_view> lines(std::string_view bytes)
{
    std::vector<std::string_view> out;
    while (!bytes.empty()) {
        const std::size_t lf = bytes.find('\n');
        out.push_back(bytes.substr(0, lf));
        bytes = lf == std::string_view::npos ? std::string_view {} : bytes.substr(lf + 1);
    }
    return out;
}

} // namespace

std::optional<std::string> badHeatDetail(std::string_view bytes)
{
    if (auto bad = notText(bytes))
        return bad;
    const std::vector<std::string_view> all = lines(bytes);
    if (fields(all[0]).empty())
        return ksy::fillText(ksy::translate("CliChecks", "ligne %1 : %2"),
            {"1", ksy::translate("CliChecks", "mode de classement absent")});
    int slots = 0;
    for (std::size_t i = 1; i < all.size(); ++i) {
        const std::vector<std::string_view> f = fields(all[i]);
        if (f.empty())
            continue;
        if (++slots > ksy::kSlotCount)
            return ksy::fillText(ksy::translate("CliChecks", "plus de %1 pilotes"),
                {std::to_string(ksy::kSlotCount)});
        if (auto bad = badRun(f, 1, false, static_cast<int>(i) + 1))
            return bad;
    }
    return std::nullopt;
}

std::optional<std::string> badPilotResult(std::string_view bytes)
{
    if (auto bad = notText(bytes))
        return bad;
    return badRun(fields(lines(bytes)[0]), 1, true, 1);
}

} // namespace ksycli
