#include "session/shown_heat_sheet.h"

#include "planning/race_track.h"
#include "storage/encoding.h"
#include "storage/race_file.h"

namespace ksy {

HeatSheet shownHeatSheet(const HeatRun& run, const HeatSession& session, const WorkFolder& folder)
{
    HeatSheet sheet;
    sheet.standings =
        sheetStandings(run.entries(), run.standings(), run.state().ready, run.options());
    sheet.category = session.headings().category;
    sheet.roundAndHeat = session.headings().roundAndHeat;
    RaceTrack track;
    readRaceTrack(workingRaceFile(folder), track);
    sheet.course = sheetCourseHeading(track.raceName, track.trackName);
    sheet.texts = session.texts();
    return sheet;
}

std::string heatSheetFileName(const HeatHeadings& headings)
{
    std::string category = cp1252ToUtf8(headings.category);
    if (const auto colon = category.find(" : "); colon != std::string::npos)
        category.erase(0, colon + 3);
    const std::string heat = cp1252ToUtf8(headings.roundAndHeat);
    return category.empty() ? heat : category + " - " + heat;
}

} // namespace ksy
