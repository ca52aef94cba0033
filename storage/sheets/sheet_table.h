#pragma once
// A sheet read from outside (CSV, .xlsx, .ods): rows of text cells in UTF-8,
// each with the row number the spreadsheet program shows, so that a refusal
// can name the line the official sees. Reading never throws: a file that
// cannot be taken gives a French reason instead of a table.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ksy {

struct SheetRow {
    std::size_t line = 0; // 1-based, as the spreadsheet program numbers it
    std::vector<std::string> cells; // UTF-8, trailing empty cells may be missing
};

struct SheetTable {
    std::vector<SheetRow> rows; // in order; wholly empty rows may be missing
};

struct SheetRead {
    std::optional<SheetTable> table;
    std::string error; // French, when there is no table
};

// Bounds of what a sheet may hold, so that a hostile file cannot take the
// machine's memory: the file itself, any part unpacked from a zip, the cells.
inline constexpr std::size_t kSheetMaxFileBytes = 100u * 1024 * 1024;
inline constexpr std::size_t kSheetMaxPartBytes = 100u * 1024 * 1024;
inline constexpr std::size_t kSheetMaxColumns = 1024;
inline constexpr std::size_t kSheetMaxRows = 100000;
inline constexpr std::size_t kSheetMaxCells = 2000000;

SheetRead readCsv(std::string_view bytes);
SheetRead readXlsx(std::string_view bytes);
SheetRead readOds(std::string_view bytes);

// Chooses the reader from the bytes themselves (a zip holding a workbook or
// an OpenDocument sheet; anything else is taken for CSV).
SheetRead readSheet(std::string_view bytes);
// Reads the file first; a file above kSheetMaxFileBytes is refused unread.
SheetRead readSheetFile(const std::filesystem::path& file);

} // namespace ksy
