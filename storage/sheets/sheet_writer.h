#pragma once
// Writing a table as a spreadsheet: .xlsx (through libxlsxwriter) or CSV as
// French Excel opens it cleanly (UTF-8 with its byte order mark, ';', CR LF,
// decimal comma). Cells with a number are numbers, so that a formula can use
// them; the others are text, kept exactly (a transponder "001201" stays so).
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ksy {

struct OutCell {
    std::string text; // UTF-8; what a text cell shows
    std::optional<double> number; // when set, the cell is this number

    static OutCell of(std::string text) { return {std::move(text), std::nullopt}; }
    static OutCell of(double number) { return {{}, number}; }
    bool operator==(const OutCell&) const = default;
};
using OutRow = std::vector<OutCell>;

struct OutSheet {
    std::string name; // the sheet's tab (at most 31 characters are kept)
    std::vector<OutRow> rows;
};

std::string csvBytes(const OutSheet& sheet);

// Both write the whole file or leave none; false when it cannot be written.
bool writeCsvFile(const std::filesystem::path& file, const OutSheet& sheet);
bool writeXlsxFile(const std::filesystem::path& file, const OutSheet& sheet);

// By the file's extension: ".xlsx" (any case) or else CSV.
bool writeSheetFile(const std::filesystem::path& file, const OutSheet& sheet);

// "Erreur: la sauvegarde a échoué (<file>)" for the caller's message.
std::string sheetWriteFailure(std::string_view fileUtf8);

} // namespace ksy
