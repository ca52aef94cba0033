#include "planning/race_track.h"

#include "storage/encoding.h"
#include "storage/field_writer.h"
#include "storage/file_stream.h"
#include "storage/section_titles.h"

#include <algorithm>

namespace ksy {

bool isAllowedRaceName(std::string_view name)
{
    return name != trackSectionTitle() && name.find(cp1252("Catégorie")) == std::string_view::npos;
}

std::string formatRaceTrackLine(const RaceTrack& track)
{
    FieldWriter out;
    out.text(track.raceName, RaceTrack::kRaceNameWidth)
        .text(track.club, RaceTrack::kClubWidth)
        .text(track.trackName, RaceTrack::kTrackNameWidth)
        .integer(track.lapProtectionSeconds)
        .endLine();
    return out.take();
}

void readRaceTrackFields(FieldReader& in, RaceTrack& track)
{
    track.raceName = in.readText(RaceTrack::kRaceNameWidth, true);
    track.club = in.readText(RaceTrack::kClubWidth, true);
    track.trackName = in.readText(RaceTrack::kTrackNameWidth, true);
    in.readInt(track.lapProtectionSeconds);
    // Laps closer than this would be accepted twice for one passing.
    track.lapProtectionSeconds = std::max(track.lapProtectionSeconds, RaceTrack::kMinLapProtection);
}

bool readRaceTrack(const std::filesystem::path& raceFile, RaceTrack& track)
{
    auto file = FileStream::open(raceFile, OpenMode::Update);
    if (!file) return false;
    if (findSectionBody(*file, trackSectionTitle())) {
        FieldReader in(*file);
        readRaceTrackFields(in, track);
    }
    return true;
}

RewriteResult writeRaceTrack(
    const std::filesystem::path& raceFile, const RaceTrack& track, Prompts* prompts)
{
    return fixedSlotRewrite(
        raceFile, trackSectionTitle(), kTrackReserve,
        [&track](FieldWriter& out) { out.raw(formatRaceTrackLine(track)); }, prompts);
}

} // namespace ksy
