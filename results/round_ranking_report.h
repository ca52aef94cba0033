#pragma once
// The round ranking on paper and as text: the printed "Classement Manche"
// (40 places a page, in the frame of every report) and its text export,
// which clubs paste into their results pages.
#include "reports/report_frame.h"
#include "results/ranking_open.h"

#include <string>

namespace ksy {

// The export bytes (Windows-1252): three title lines, the heads, then one
// line per place 1..n that has a pilot; every field followed by TAB.
std::string roundRankingExport(const OpenedRoundRanking& ranking);

// No page when the category has no participant.
ReportDocument roundRankingReport(const OpenedRoundRanking& ranking, const ReportDate& date);

} // namespace ksy
