#pragma once
// Which column of an entry list holds which field: the headers French and
// English spreadsheets give them, compared without accents, case, spaces or
// punctuation ("N° licence" is "Licence number" is "licence").
#include "storage/sheets/sheet_table.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ksy {

enum class SheetField : std::size_t {
    FullName,
    Surname,
    FirstName,
    Address,
    Address2,
    Postcode,
    City,
    Country,
    Telephone,
    Email,
    BirthDate,
    Licence,
    Transponder,
    Club,
    Frequency,
    Count
};
inline constexpr std::size_t kSheetFieldCount = static_cast<std::size_t>(SheetField::Count);

// The field's name as the preview shows it ("Nom complet", "Prénom" ...).
std::string_view sheetFieldLabel(SheetField field);

// The header with accents, case, spaces and punctuation left out (UTF-8 in).
std::string headerKey(std::string_view header);

// The field a header names; "Nom" / "Name" alone is the surname when the
// sheet also has a first-name column, else the full name.
std::optional<SheetField> fieldOfHeader(std::string_view header, bool sheetHasFirstName);

struct ColumnChoice {
    // The 0-based column of each field; nothing when the sheet has none.
    std::array<std::optional<std::size_t>, kSheetFieldCount> column;
    std::size_t headerRow = 0; // index in SheetTable::rows of the header row

    std::optional<std::size_t>& operator[](SheetField f)
    {
        return column[static_cast<std::size_t>(f)];
    }
    const std::optional<std::size_t>& operator[](SheetField f) const
    {
        return column[static_cast<std::size_t>(f)];
    }
    // A name can be made: a full-name column or a surname column.
    bool hasName() const;
};

// The header row is the first of the first ten rows in which a name column is
// recognised (a title line may stand above it); each field takes the first
// column that names it.
ColumnChoice matchColumns(const SheetTable& table);

// Every recognised header, for the help and the README.
const std::vector<std::pair<SheetField, std::vector<std::string_view>>>& recognisedHeaders();

} // namespace ksy
