// CSV as spreadsheet programs save it: French ones write ';' and
// Windows-1252, English ones ',' and UTF-8, "Unicode text" is UTF-16 with
// TABs. Nothing in the file says which, so the bytes are read to find out.
#include "services/translate.h"
#include "storage/encoding.h"
#include "storage/sheets/sheet_table.h"
#include "storage/sheets/text_decoding.h"

#include <array>

namespace ksy {
namespace {

// The separator of the first record: the most frequent of ';', TAB and ','
// outside quotes (';' first on a tie, as French programs write it).
char findSeparator(std::string_view text)
{
    std::array<std::size_t, 3> counts {};
    constexpr std::array<char, 3> candidates {';', '\t', ','};
    bool quoted = false;
    for (char c : text) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && (c == '\n' || c == '\r'))
            break;
        else if (!quoted)
            for (std::size_t i = 0; i < candidates.size(); ++i)
                if (c == candidates[i])
                    ++counts[i];
    }
    std::size_t best = 0;
    for (std::size_t i = 1; i < candidates.size(); ++i)
        if (counts[i] > counts[best])
            best = i;
    return candidates[best];
}

bool blank(const std::vector<std::string>& cells)
{
    for (const auto& c : cells)
        if (c.find_first_not_of(" \t") != std::string::npos)
            return false;
    return true;
}

} // namespace

SheetRead readCsv(std::string_view bytes)
{
    const std::optional<std::string> decoded = decodeText(bytes);
    if (!decoded)
        return {std::nullopt,
            translate(
                "Sheets", "Erreur : le fichier n'est pas un texte lisible (UTF-16 invalide).")};
    const std::string_view text = *decoded;
    const char separator = findSeparator(text);

    SheetTable table;
    std::vector<std::string> cells(1);
    std::size_t line = 1;
    std::size_t cellCount = 0;
    bool quoted = false; // inside a quoted field
    bool fieldStart = true; // nothing of the field read yet
    std::string error;
    const auto endRecord = [&]() {
        if (!blank(cells)) {
            if (table.rows.size() >= kSheetMaxRows) {
                error = fillText(translate("Sheets", "Erreur : le fichier a plus de %1 lignes."),
                    {std::to_string(kSheetMaxRows)});
                return false;
            }
            table.rows.push_back({line, std::move(cells)});
        }
        cells.assign(1, std::string());
        fieldStart = true;
        ++line;
        return true;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c != '"')
                cells.back() += c;
            else if (i + 1 < text.size() && text[i + 1] == '"')
                cells.back() += text[++i];
            else
                quoted = false;
            continue;
        }
        if (c == '"' && fieldStart) {
            quoted = true;
            fieldStart = false;
        } else if (c == separator) {
            if (cells.size() >= kSheetMaxColumns || ++cellCount >= kSheetMaxCells)
                return {std::nullopt,
                    fillText(translate(
                                 "Sheets", "Erreur : la ligne %1 a trop de colonnes (%2 au plus)."),
                        {std::to_string(line), std::to_string(kSheetMaxColumns)})};
            cells.emplace_back();
            fieldStart = true;
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            if (!endRecord())
                return {std::nullopt, error};
        } else {
            cells.back() += c;
            fieldStart = false;
        }
    }
    if (!endRecord())
        return {std::nullopt, error};
    return {std::move(table), {}};
}

} // namespace ksy
