#pragma once
// The participants list of a category as a spreadsheet: the rows and columns
// of the printed list (its three title lines, then number, name, licence and
// club), the number as a number so that the sheet sorts back to its order.
#include "planning/participants_report.h"
#include "storage/sheets/sheet_writer.h"

namespace ksy {

OutSheet participantListSheet(
    const ParticipantReportHeader& header, const ParticipantList& list, const PilotLookup& lookup);

// The sheet of what the participants dialog holds.
OutSheet participantListSheet(const ParticipantsForm& form);

} // namespace ksy
