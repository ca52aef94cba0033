#include "storage/sheets/sheet_writer.h"

#include "services/translate.h"
#include "storage/durable_io.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <xlsxwriter.h>

namespace ksy {
namespace {

std::string numberForCsv(double value)
{
    char buffer[64];
    const auto r = value == std::floor(value) && std::fabs(value) < 1e15
        ? std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(value))
        : std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    std::string text(buffer, r.ptr);
    std::replace(text.begin(), text.end(), '.', ','); // what French Excel reads as a number
    return text;
}

std::string quoted(const std::string& text)
{
    if (text.find_first_of(";\"\r\n") == std::string::npos)
        return text;
    std::string out = "\"";
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + "\"";
}

// A sheet name without the characters a workbook forbids, 31 at most.
std::string tabName(std::string_view name)
{
    std::string out;
    for (char c : name)
        if (std::string_view("[]:*?/\\").find(c) == std::string_view::npos)
            out += c;
    // Cut on a character boundary.
    std::size_t cut = std::min<std::size_t>(out.size(), 31);
    while (cut > 0 && cut < out.size() && (static_cast<unsigned char>(out[cut]) & 0xC0) == 0x80)
        --cut;
    out.resize(cut);
    return out.empty() ? "Feuille1" : out;
}

} // namespace

std::string csvBytes(const OutSheet& sheet)
{
    std::string out = "\xEF\xBB\xBF";
    for (const OutRow& row : sheet.rows) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c > 0)
                out += ';';
            out += row[c].number ? numberForCsv(*row[c].number) : quoted(row[c].text);
        }
        out += "\r\n";
    }
    return out;
}

bool writeCsvFile(const std::filesystem::path& file, const OutSheet& sheet)
{
    return writeFileAtomically(file, csvBytes(sheet));
}

bool writeXlsxFile(const std::filesystem::path& file, const OutSheet& sheet)
{
    std::filesystem::path temporary = file;
    temporary += ".partial";
    lxw_workbook* book = workbook_new(temporary.c_str());
    if (!book)
        return false;
    const std::string tab = tabName(sheet.name);
    lxw_worksheet* ws = workbook_add_worksheet(book, tab.c_str());
    bool ok = ws != nullptr;
    std::vector<std::size_t> widths;
    for (std::size_t r = 0; ok && r < sheet.rows.size(); ++r) {
        const OutRow& row = sheet.rows[r];
        for (std::size_t c = 0; c < row.size() && ok; ++c) {
            const auto rr = static_cast<lxw_row_t>(r);
            const auto cc = static_cast<lxw_col_t>(c);
            std::size_t length = 0;
            if (row[c].number) {
                ok = worksheet_write_number(ws, rr, cc, *row[c].number, nullptr) == LXW_NO_ERROR;
                length = 8;
            } else if (!row[c].text.empty()) {
                ok = worksheet_write_string(ws, rr, cc, row[c].text.c_str(), nullptr) ==
                    LXW_NO_ERROR;
                length = row[c].text.size();
            }
            if (widths.size() <= c)
                widths.resize(c + 1, 6);
            // Titles of one cell in the first column may run over the next ones.
            if (row.size() > 1)
                widths[c] = std::max(widths[c], std::min<std::size_t>(length + 2, 45));
        }
    }
    for (std::size_t c = 0; ok && c < widths.size(); ++c)
        worksheet_set_column(ws, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
            static_cast<double>(widths[c]), nullptr);
    const bool closed = workbook_close(book) == LXW_NO_ERROR;
    std::error_code ec;
    if (!ok || !closed) {
        std::filesystem::remove(temporary, ec);
        return false;
    }
    std::filesystem::rename(temporary, file, ec);
    if (ec)
        std::filesystem::remove(temporary, ec);
    return !ec;
}

bool writeSheetFile(const std::filesystem::path& file, const OutSheet& sheet)
{
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".xlsx" ? writeXlsxFile(file, sheet) : writeCsvFile(file, sheet);
}

std::string sheetWriteFailure(std::string_view fileUtf8)
{
    return fillText(translate("Sheets", "Erreur: la sauvegarde a échoué (%1)"), {fileUtf8});
}

} // namespace ksy
