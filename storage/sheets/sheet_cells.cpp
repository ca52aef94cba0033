#include "storage/sheets/sheet_cells.h"

#include "services/translate.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace ksy {

std::string numberText(std::string_view stored)
{
    double value = 0;
    const auto [end, ec] = std::from_chars(stored.data(), stored.data() + stored.size(), value);
    if (ec != std::errc() || end != stored.data() + stored.size() || !std::isfinite(value))
        return std::string(stored);
    if (value == std::floor(value) && std::fabs(value) < 1e15) {
        char buffer[32];
        const auto r = std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(value));
        return std::string(buffer, r.ptr);
    }
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, r.ptr);
}

bool isBuiltinDateFormat(int id)
{
    return (id >= 14 && id <= 17) || id == 22 || (id >= 27 && id <= 36) || (id >= 50 && id <= 58);
}

bool isDateFormatCode(std::string_view code)
{
    bool quoted = false;
    int bracket = 0;
    for (std::size_t i = 0; i < code.size(); ++i) {
        const char c = code[i];
        if (c == '"')
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == '\\' || c == '_' || c == '*')
            ++i; // the next character is shown as it is
        else if (c == '[')
            ++bracket;
        else if (c == ']')
            --bracket;
        else if (bracket == 0 && (c == 'd' || c == 'D' || c == 'y' || c == 'Y'))
            return true;
    }
    return false;
}

std::optional<std::string> serialDateText(std::string_view stored)
{
    double value = 0;
    const auto [end, ec] = std::from_chars(stored.data(), stored.data() + stored.size(), value);
    if (ec != std::errc() || end != stored.data() + stored.size() || value < 1 || value > 2958465)
        return std::nullopt;
    long days = static_cast<long>(std::floor(value));
    // Day 60 is the 29 February 1900 that never was; before it the count
    // starts a day later.
    if (days == 60)
        return "29/02/1900";
    if (days < 60)
        ++days;
    // Days since 1899-12-30 to a civil date (proleptic Gregorian).
    const long z = days - 25569 + 719468; // 25569: 1970-01-01
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    const long d = doy - (153 * mp + 2) / 5 + 1;
    const long m = mp < 10 ? mp + 3 : mp - 9;
    const long y = yoe + era * 400 + (m <= 2 ? 1 : 0);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%02d/%02d/%04d", static_cast<int>(d),
        static_cast<int>(m), static_cast<int>(y));
    return std::string(buffer);
}

void SheetBuilder::startRow(std::size_t line)
{
    row_ = SheetRow {line, {}};
}

std::optional<std::string> SheetBuilder::setCell(std::size_t column, std::string text)
{
    if (text.empty())
        return std::nullopt;
    if (column >= kSheetMaxColumns)
        return fillText(
            translate("Sheets", "Erreur : la ligne %1 a trop de colonnes (%2 au plus)."),
            {std::to_string(row_.line), std::to_string(kSheetMaxColumns)});
    if (++cells_ > kSheetMaxCells)
        return fillText(translate("Sheets", "Erreur : la feuille a trop de cellules (%1 au plus)."),
            {std::to_string(kSheetMaxCells)});
    bytes_ += text.size();
    if (bytes_ > kSheetMaxPartBytes)
        return translate(
            "Sheets", "Erreur : la feuille contient plus de 100 Mo de texte ; elle n'est pas lue.");
    if (row_.cells.size() <= column)
        row_.cells.resize(column + 1);
    row_.cells[column] = std::move(text);
    return std::nullopt;
}

std::optional<std::string> SheetBuilder::endRow()
{
    bool blank = true;
    for (const auto& c : row_.cells)
        if (c.find_first_not_of(" \t") != std::string::npos)
            blank = false;
    if (blank)
        return std::nullopt;
    if (table_.rows.size() >= kSheetMaxRows)
        return fillText(translate("Sheets", "Erreur : la feuille a plus de %1 lignes."),
            {std::to_string(kSheetMaxRows)});
    table_.rows.push_back(std::move(row_));
    row_ = {};
    return std::nullopt;
}

} // namespace ksy
