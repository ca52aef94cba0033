#pragma once
// The printed result sheet of the heat on the board: one landscape page with
// the heat's identification, one line per standings row in two groups of
// columns ("Résultat pris en compte" as held by the standings, corrections by
// hand included; "Relevés transpondeurs" as the lap tables recorded them),
// and the heat's description, track condition and comment.
#include "race/race_options.h"
#include "reports/report_frame.h"
#include "results/heat_result_section.h"
#include "timing/standings.h"

#include <string>

namespace ksy {

struct HeatSheet {
    Standings standings;
    // Windows-1252 texts.
    std::string category; // "CATEGORIE : %s"
    std::string roundAndHeat; // "Manche%d - Série%d"
    std::string course; // "Course : %s - %s": race name, course name
    HeatResultTexts texts;
};

// The standings the sheet prints: the best laps recomputed from the lap
// totals, and the order rebuilt in the category's ranking mode unless the
// heat is still ready to start (then the shown standings are kept as they are).
Standings sheetStandings(
    RunEntryTable entries, const Standings& shown, bool ready, const RaceOptions& options);

// "Course : <race name> - <course name>", as every report composes it.
std::string sheetCourseHeading(std::string_view raceName, std::string_view courseName);

// One page; no page at all when the standings hold no row.
ReportDocument heatSheetReport(const HeatSheet& sheet);

} // namespace ksy
