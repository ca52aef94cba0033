#pragma once
// The pilot database as a spreadsheet: one header row with the names the
// import recognises, then one row per pilot in table order, every field as
// text (a transponder "001201" keeps its zeros).
#include "databases/records.h"
#include "storage/sheets/sheet_writer.h"

#include <vector>

namespace ksy {

OutSheet pilotSheet(const std::vector<Pilot>& pilots);

} // namespace ksy
