#include "results/ranking_sheets.h"

#include "storage/encoding.h"

#include <charconv>
#include <set>

namespace ksy {
namespace {

std::optional<long long> integer(std::string_view text)
{
    if (text.empty() || text.size() > 15 || (text.size() > 1 && text[0] == '0'))
        return std::nullopt;
    long long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

bool digitsOnly(std::string_view text, std::size_t minimum, std::size_t maximum)
{
    if (text.size() < minimum || text.size() > maximum)
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

} // namespace

std::optional<double> timeSeconds(std::string_view text)
{
    const std::size_t dot = text.rfind('.');
    if (dot == std::string_view::npos || !digitsOnly(text.substr(dot + 1), 3, 3))
        return std::nullopt;
    double seconds = 0;
    std::string_view rest = text.substr(0, dot);
    for (int part = 0; part < 3; ++part) {
        const std::size_t colon = rest.rfind(':');
        const std::string_view digits =
            colon == std::string_view::npos ? rest : rest.substr(colon + 1);
        // Inner parts have two digits; the leading one any number.
        const bool leading = colon == std::string_view::npos;
        if (!digitsOnly(digits, leading ? 1 : 2, leading ? 6 : 2))
            return std::nullopt;
        int value = 0;
        std::from_chars(digits.data(), digits.data() + digits.size(), value);
        seconds += value * (part == 0 ? 1.0 : part == 1 ? 60.0 : 3600.0);
        if (colon == std::string_view::npos) {
            int ms = 0;
            std::from_chars(text.data() + dot + 1, text.data() + text.size(), ms);
            return seconds + ms / 1000.0;
        }
        rest = rest.substr(0, colon);
    }
    return std::nullopt;
}

OutSheet typedSheet(std::string name, const std::vector<std::vector<std::string>>& rows,
    std::size_t headerRow)
{
    const std::vector<std::string> none;
    const std::vector<std::string>& head = headerRow < rows.size() ? rows[headerRow] : none;
    std::set<std::size_t> textColumns;
    for (std::size_t c = 0; c < head.size(); ++c)
        if (head[c] == "Nom" || head[c] == "Pilote")
            textColumns.insert(c);
    std::set<std::size_t> timeColumns;
    for (std::size_t r = headerRow + 1; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            if (!textColumns.count(c) && timeSeconds(rows[r][c]))
                timeColumns.insert(c);

    OutSheet sheet {std::move(name), {}};
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const bool data = r > headerRow && headerRow < rows.size();
        OutRow out;
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            const std::string& text = rows[r][c];
            const auto number = data && !textColumns.count(c) ? integer(text) : std::nullopt;
            out.push_back(number ? OutCell::of(static_cast<double>(*number)) : OutCell::of(text));
            if (!timeColumns.count(c))
                continue;
            if (r == headerRow)
                out.push_back(OutCell::of(text + " (s)"));
            else if (const auto seconds = data ? timeSeconds(text) : std::nullopt)
                out.push_back(OutCell::of(*seconds));
            else
                out.push_back(OutCell::of(std::string()));
        }
        sheet.rows.push_back(std::move(out));
    }
    return sheet;
}

OutSheet exportTextSheet(std::string_view exportText, std::string name)
{
    std::vector<std::vector<std::string>> rows;
    std::size_t headerRow = std::string_view::npos;
    std::size_t start = 0;
    while (start < exportText.size()) {
        std::size_t end = exportText.find('\n', start);
        if (end == std::string_view::npos)
            end = exportText.size();
        const std::string_view line = exportText.substr(start, end - start);
        std::vector<std::string> cells;
        std::size_t field = 0;
        while (field < line.size()) {
            std::size_t tab = line.find('\t', field);
            if (tab == std::string_view::npos)
                tab = line.size();
            cells.push_back(cp1252ToUtf8(line.substr(field, tab - field)));
            field = tab + 1;
        }
        if (headerRow == std::string_view::npos && !cells.empty() && cells[0] == "Place")
            headerRow = rows.size();
        rows.push_back(std::move(cells));
        start = end + 1;
    }
    return typedSheet(std::move(name), rows, headerRow == std::string_view::npos ? rows.size()
                                                                                 : headerRow);
}

OutSheet heatSheetSheet(const HeatSheet& sheet)
{
    std::vector<std::vector<std::string>> rows {{cp1252ToUtf8(sheet.category)},
        {cp1252ToUtf8(sheet.roundAndHeat)}, {cp1252ToUtf8(sheet.course)},
        {cp1252ToUtf8(sheet.texts.description) + " - " + cp1252ToUtf8(sheet.texts.condition)},
        {},
        {"", "", "", "Résultat pris en compte", "", "", "Relevés transpondeurs"},
        {"Pos", "N°", "Pilote", "Tours", "Temps", "Meilleur tour", "Tours", "Temps",
            "Meilleur tour"}};
    const std::size_t headerRow = rows.size() - 1;
    for (int i = 0; i < sheet.standings.count; ++i) {
        const BoardRow& r = sheet.standings.board[static_cast<std::size_t>(i)];
        std::vector<std::string> row;
        // The board pads some texts (" 1 ") to centre them; a cell holds the value.
        for (const std::string* value : {&r.place, &r.slotNumber, &r.name, &r.passingCount,
                 &r.totalTime, &r.bestLap, &r.laps, &r.totalAtLastLap, &r.recomputedBestLap}) {
            const std::size_t first = value->find_first_not_of(' ');
            row.push_back(first == std::string::npos
                    ? std::string()
                    : cp1252ToUtf8(value->substr(first, value->find_last_not_of(' ') + 1 - first)));
        }
        rows.push_back(std::move(row));
    }
    OutSheet out = typedSheet("Résultats série", rows, headerRow);
    out.rows.push_back({});
    out.rows.push_back({OutCell::of(std::string("Commentaire:")),
        OutCell::of(cp1252ToUtf8(sheet.texts.comment))});
    return out;
}

} // namespace ksy
