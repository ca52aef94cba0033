#include "planning/participants_sheet.h"

#include "storage/encoding.h"

namespace ksy {

OutSheet participantListSheet(
    const ParticipantReportHeader& header, const ParticipantList& list, const PilotLookup& lookup)
{
    const auto text = [](std::string utf8) { return OutCell::of(std::move(utf8)); };
    OutSheet sheet;
    sheet.name = "Participants";
    sheet.rows.push_back({text("CATEGORIE : " + cp1252ToUtf8(header.categoryName))});
    sheet.rows.push_back(
        {text("Liste des participants (" + std::to_string(list.count()) + " inscrits)")});
    sheet.rows.push_back({text(
        "Course : " + cp1252ToUtf8(header.raceName) + " - " + cp1252ToUtf8(header.trackName))});
    sheet.rows.push_back({});
    sheet.rows.push_back(
        {text("N\xC2\xB0"), text("Nom Pr\xC3\xA9nom"), text("N\xC2\xB0Licence"), text("Club")});
    for (int i = 0; i < list.count(); ++i) {
        const Participant& participant = list.at(i);
        OutRow row {OutCell::of(static_cast<double>(i + 1)), text(cp1252ToUtf8(participant.name))};
        // A licence is kept as written: "004512" is not the number 4512.
        if (const PilotSummary* pilot = lookup ? lookup(participant.name) : nullptr) {
            row.push_back(text(cp1252ToUtf8(pilot->licence)));
            row.push_back(text(cp1252ToUtf8(pilot->club)));
        }
        sheet.rows.push_back(std::move(row));
    }
    return sheet;
}

OutSheet participantListSheet(const ParticipantsForm& form)
{
    const ParticipantReportHeader header {
        form.categoryName(), form.track().raceName, form.track().trackName};
    return participantListSheet(
        header, form.list(), [&form](std::string_view name) { return form.pilot(name); });
}

} // namespace ksy
