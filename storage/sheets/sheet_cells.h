#pragma once
// What the workbook readers share: the text of number and date cells, and
// the bounded gathering of rows.
#include "storage/sheets/sheet_table.h"

#include <optional>
#include <string>
#include <string_view>

namespace ksy {

// A stored number as a spreadsheet shows it by default: integers without a
// decimal part ("4512"), others in their shortest exact form ("2.5"); any
// text that is not a number is kept as it is.
std::string numberText(std::string_view stored);

// Whether a number format shows a date: the built-in ones and any format code
// with a day or a year outside its quoted parts.
bool isBuiltinDateFormat(int id);
bool isDateFormatCode(std::string_view code);

// A workbook day number ("31486") as "14/03/1986"; nothing when it is not one.
std::optional<std::string> serialDateText(std::string_view stored);

// Gathers rows while bounding columns, rows, cells and the text they hold in
// all (one long shared string placed in every cell must not multiply);
// blank rows are left out.
class SheetBuilder {
public:
    void startRow(std::size_t line);
    // A French reason when the sheet is too large.
    std::optional<std::string> setCell(std::size_t column, std::string text);
    std::optional<std::string> endRow();
    SheetTable take() { return std::move(table_); }

private:
    SheetTable table_;
    SheetRow row_;
    std::size_t cells_ = 0;
    std::size_t bytes_ = 0; // a shared text counts each time it is placed
};

} // namespace ksy
