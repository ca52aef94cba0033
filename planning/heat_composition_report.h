#pragma once
// The printed "Composition des Séries": every heat of the category as a box
// of its lines (line number, pilot, transponder, "Freq1" in red on a
// conflict), as many heats a page as fit 40 rows, in the page frame shared by
// every report. This is the sheet that hangs on the board by the track.
#include "planning/heat_composition.h"
#include "reports/report_frame.h"

#include <string>

namespace ksy {

class HeatCompositionForm;

struct CompositionReportHeader {
    std::string categoryName; // Windows-1252
    std::string raceName;
    std::string trackName;
};

// 40 / pilots per heat, but never more heats than fit above the page number
// (one pilot a heat would otherwise run 40 boxes off the page); 0 when pilots
// per heat is below 1.
int compositionHeatsPerPage(int pilotsPerHeat);

// Nothing (no page) unless the category has a participant and at least one
// pilot per heat.
ReportDocument heatCompositionReport(const CompositionReportHeader& header,
    const HeatComposition& composition, int participants, const ReportDate& date);

// The report of what the dialog holds, unsaved changes included.
ReportDocument heatCompositionReport(const HeatCompositionForm& form, const ReportDate& date);

} // namespace ksy
