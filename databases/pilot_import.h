#pragma once
// Taking an entry list into the pilot table: each row of the sheet below its
// header row becomes a pilot, added (then the table is put back in its own
// order) or, when a pilot of that name exists, updated with the cells the row
// fills (an empty cell changes nothing). A row that cannot be taken is refused
// with its line and the reason; nothing is ever cut to fit.
#include "databases/records.h"
#include "databases/sheet_columns.h"

#include <cstddef>
#include <string>
#include <vector>

namespace ksy {

struct PilotImportRow {
    enum class Outcome { Added, Updated, Refused };
    std::size_t line = 0; // the sheet's row number
    Outcome outcome = Outcome::Refused;
    std::string name; // UTF-8, as composed from the row
    std::string reason; // French, when refused
    std::vector<std::string> warnings; // French: taken, but worth a look
};

struct PilotImport {
    std::vector<Pilot> pilots; // the whole table after the import, sorted
    std::vector<PilotImportRow> rows; // one per non-blank row below the header
    std::size_t added = 0;
    std::size_t updated = 0;
    std::size_t refused = 0;
};

// The pilot a row describes, in Windows-1252 as the files hold it, or the
// French reason it cannot be. `name` receives the composed name (UTF-8).
struct SheetPilot {
    std::optional<Pilot> pilot; // fields left empty where the row gives nothing
    std::string reason;
    std::string name;
    std::string frequency; // the row's frequency cell, for participant lists
};
SheetPilot pilotOfRow(const SheetRow& row, const ColumnChoice& columns);

// The import of every row below the header into `existing` (the current
// table, any order). The 1000-pilot limit is kept. `knownClubs` (Windows-1252
// names of the club database, when it could be read): a club outside it is
// warned about, since the pilot editor empties such a club when it opens.
PilotImport importPilots(const SheetTable& table, const ColumnChoice& columns,
    std::vector<Pilot> existing, const std::vector<std::string>* knownClubs = nullptr);

// "ligne 4 : ajouté DUPONT Jean", "ligne 5 : mis à jour ...", "ligne 6 :
// refusé « X » : <reason>", then one line per warning.
std::vector<std::string> importReportLines(const PilotImportRow& row);
// "N ajoutés, M mis à jour, K refusés".
std::string importSummary(const PilotImport& import);

} // namespace ksy
