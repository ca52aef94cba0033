#pragma once
// The global ranking on paper and as text: the printed "Classement Global
// Catégorie" (40 places a page, the four best rounds and the best result) and
// its text export with all nine round columns.
#include "reports/report_frame.h"
#include "results/ranking_open.h"

#include <string>

namespace ksy {

// The export bytes (Windows-1252): the title lines, the heads, then one line
// per place 1..n; every field followed by TAB.
std::string globalRankingExport(const OpenedGlobalRanking& ranking);

// No page when the category has no participant.
ReportDocument globalRankingReport(const OpenedGlobalRanking& ranking, const ReportDate& date);

} // namespace ksy
