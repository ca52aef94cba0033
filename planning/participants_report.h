#pragma once
// The printed list "Liste des participants (%d inscrits)": 40 participants a
// page with their number, name, licence and club, in the page frame shared by
// every report.
#include "planning/participants_form.h"
#include "race/participants.h"
#include "reports/report_frame.h"

#include <functional>
#include <string>
#include <string_view>

namespace ksy {

struct ParticipantReportHeader {
    std::string categoryName; // Windows-1252
    std::string raceName;
    std::string trackName;
};

// The licence and club of a participant, found by name; nullptr leaves both
// columns blank.
using PilotLookup = std::function<const PilotSummary*(std::string_view name)>;

// One page per 40 participants; no page at all for an empty list.
ReportDocument participantListReport(const ParticipantReportHeader& header,
    const ParticipantList& list, const PilotLookup& lookup, const ReportDate& date);

// The report of what the participants dialog holds.
ReportDocument participantListReport(const ParticipantsForm& form, const ReportDate& date);

} // namespace ksy
