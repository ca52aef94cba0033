#pragma once
// The rankings and the heat sheet as spreadsheets: the same rows and columns
// as their text export or printed page, places, laps and points as numbers,
// times as the text shown ("1:02.345") with their seconds in a column of
// their own just after ("Temps total (s)"), for formulas.
#include "results/heat_sheet.h"
#include "storage/sheets/sheet_writer.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ksy {

// The seconds of a time as the time formats write it ("1:02:03.004",
// "1:23.456", "3.456"); nothing for any other text.
std::optional<double> timeSeconds(std::string_view text);

// Rows of UTF-8 texts to a typed sheet: below the header row, a cell that is
// an integer becomes a number (except in the columns headed "Nom" or
// "Pilote"), and every column holding a time gets its seconds column.
OutSheet typedSheet(std::string name, const std::vector<std::vector<std::string>>& rows,
    std::size_t headerRow);

// The text export of a ranking (Windows-1252, TAB after each field, LF after
// each line) as a sheet; the header row is the one that begins with "Place".
OutSheet exportTextSheet(std::string_view exportText, std::string name);

// The printed heat result sheet as a sheet.
OutSheet heatSheetSheet(const HeatSheet& sheet);

} // namespace ksy
