#include "display/display_settings_check.h"

#include "services/translate.h"
#include "storage/file_stream.h"

#include <array>
#include <charconv>
#include <climits>
#include <vector>

namespace ksy {
namespace {

// The shipped file, byte for byte.
constexpr std::string_view kShippedBytes =
    "1\t\n"
    "Arial\tArial\tArial\tArial\tArial\tArial\tArial\tArial\tArial\tArial\tArial\tArial\t\n"
    "28\t34\t15\t17\t17\t17\t17\t17\t17\t17\t17\t17\t\n"
    "700\t700\t700\t700\t700\t700\t700\t400\t400\t400\t700\t400\t\n"
    "0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t\n"
    "0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t\n"
    "0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t\n"
    "16777215\t200\t16777215\t9848350\t0\t0\t0\t3947580\t3947580\t0\t0\t5921370\t\n"
    "13158600\t16777215\t16183016\t7221780\t59135\t51455\t16750280\t9889430\t11162920\t"
    "6236175\t16777215\t16115937\t11837590\t\n"
    "60\t280\t80\t150\t140\t140\t130\t130\t100\t\n"
    "16777215\t16777215\t16777215\t16777215\t16777215\t16777215\t16777215\t16777215\t"
    "16777215\t16777215\t16777215\t16777215\t16777215\t16777215\t16777215\t16777215\t\n";

// A settings file is a few hundred bytes; anything far larger is not one.
constexpr std::size_t kMaxFileSize = 64 * 1024;

struct LineRule {
    std::size_t count;
    long long min;
    long long max;
    bool text = false;
};

// Line by line: value count and range. Colours are any 32-bit value; widths
// have no lower bound here because negative ones are clamped after reading.
constexpr std::array<LineRule, 11> kLines {{
    {1, 0, 1}, // style
    {12, 0, 0, true}, // face names
    {12, 1, 500}, // sizes
    {12, 0, 1000}, // weights
    {12, 0, 1}, // italic
    {12, 0, 1}, // underline
    {12, 0, 1}, // strike-out
    {12, INT_MIN, INT_MAX}, // text colours
    {13, INT_MIN, INT_MAX}, // colours
    {9, INT_MIN, 999}, // column widths
    {16, INT_MIN, INT_MAX}, // custom colours
}};

std::vector<std::string_view> split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = text.find(separator, start);
        if (end == std::string_view::npos) {
            parts.push_back(text.substr(start));
            break;
        }
        parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

std::string normalised(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (!(bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n'))
            out += bytes[i];
    return out;
}

std::string lineProblem(std::size_t number, std::string_view line, const LineRule& rule)
{
    const std::string lineText = std::to_string(number);
    std::vector<std::string_view> fields = split(line, '\t');
    // Every value is followed by a TAB: the piece after the last one is empty.
    if (fields.size() > 1 && fields.back().empty())
        fields.pop_back();
    if (fields.size() == 1 && fields[0].empty())
        fields.clear();
    if (fields.size() != rule.count)
        return fillText(fields.size() > 1
                ? translate("DisplaySettings", "ligne %1 : %2 valeurs au lieu de %3")
                : translate("DisplaySettings", "ligne %1 : %2 valeur au lieu de %3"),
            {lineText, std::to_string(fields.size()), std::to_string(rule.count)});
    if (rule.text)
        return {};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        long long value = 0;
        const std::string_view f = fields[i];
        const auto [end, ec] = std::from_chars(f.data(), f.data() + f.size(), value);
        const std::string which = std::to_string(i + 1);
        if (f.empty() || ec != std::errc() || end != f.data() + f.size())
            return fillText(
                translate("DisplaySettings", "ligne %1 : valeur %2 n'est pas un nombre"),
                {lineText, which});
        if (value < rule.min || value > rule.max)
            return fillText(translate("DisplaySettings", "ligne %1 : valeur %2 hors limites (%3)"),
                {lineText, which, f});
    }
    return {};
}

} // namespace

DisplaySettings shippedDisplaySettings()
{
    DisplaySettings s;
    parseDisplaySettings(kShippedBytes, s);
    return s;
}

std::string displaySettingsProblem(std::string_view bytes)
{
    if (bytes.size() > kMaxFileSize)
        return translate("DisplaySettings", "le fichier est trop grand");
    if (bytes.empty())
        return translate("DisplaySettings", "le fichier est vide");
    const std::string text = normalised(bytes);
    std::vector<std::string_view> lines = split(text, '\n');
    // Empty lines at the end are harmless.
    while (!lines.empty() && lines.back().empty())
        lines.pop_back();
    if (lines.size() < kLines.size())
        return fillText(translate("DisplaySettings", "le fichier s'arrête à la ligne %1 sur %2"),
            {std::to_string(lines.size()), std::to_string(kLines.size())});
    if (lines.size() > kLines.size())
        return fillText(
            translate("DisplaySettings", "plus de %1 lignes"), {std::to_string(kLines.size())});
    for (std::size_t i = 0; i < kLines.size(); ++i)
        if (std::string problem = lineProblem(i + 1, lines[i], kLines[i]); !problem.empty())
            return problem;
    return {};
}

DisplaySettingsLoad loadDisplaySettings(
    const std::filesystem::path& file, DisplaySettings& settings)
{
    DisplaySettingsLoad load;
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec))
        return load;
    auto stream = FileStream::open(file, OpenMode::Read);
    if (!stream)
        return load;
    if (stream->size() > static_cast<long>(kMaxFileSize)) {
        load.status = DisplaySettingsStatus::Damaged;
        load.problem = translate("DisplaySettings", "le fichier est trop grand");
        return load;
    }
    const std::string bytes = stream->readRest();
    load.problem = displaySettingsProblem(bytes);
    if (!load.problem.empty()) {
        load.status = DisplaySettingsStatus::Damaged;
        return load;
    }
    DisplaySettings read = settings;
    parseDisplaySettings(normalised(bytes), read);
    for (int& w : read.columnWidths)
        if (w < 0)
            w = 0;
    settings = read;
    load.status = DisplaySettingsStatus::Read;
    return load;
}

std::string displaySettingsLoadText(
    const DisplaySettingsLoad& load, const std::filesystem::path& file, bool shippedUsed)
{
    std::string text;
    if (load.status == DisplaySettingsStatus::Damaged) {
        const auto u8 = file.u8string();
        text = fillText(translate("DisplaySettings",
                            "Erreur: le fichier Réglage Affichage %1 est endommagé (%2)."),
            {std::string(u8.begin(), u8.end()), load.problem});
    } else {
        text = translate("Prompts", kDisplaySettingsError.data());
    }
    if (shippedUsed)
        text += translate("DisplaySettings", "\nLe thème d'origine est utilisé.");
    return text;
}

} // namespace ksy
