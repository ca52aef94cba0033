#include "live/race_heading.h"

#include "planning/race_track.h"
#include "storage/char_source.h"
#include "storage/encoding.h"
#include "storage/field_reader.h"
#include "storage/section_file.h"
#include "storage/section_titles.h"

namespace ksy {

std::string heatDay(std::string_view description)
{
    static constexpr std::string_view kStart = "Départ ";
    const std::size_t at = description.rfind(kStart);
    if (at == std::string_view::npos)
        return {};
    const std::string_view day = description.substr(at + kStart.size(), 10);
    if (day.size() != 10 || day[2] != '/' || day[5] != '/')
        return {};
    for (const std::size_t i : {0u, 1u, 3u, 4u, 6u, 7u, 8u, 9u})
        if (day[i] < '0' || day[i] > '9')
            return {};
    return std::string(day);
}

RaceHeading readRaceHeading(
    std::string_view raceBytes, const std::vector<std::string>& descriptions)
{
    RaceHeading h;
    StringSource in(raceBytes);
    if (findSectionBody(in, trackSectionTitle())) {
        RaceTrack track;
        FieldReader fields(in);
        readRaceTrackFields(fields, track);
        h.race = cp1252ToUtf8(track.raceName);
        h.club = cp1252ToUtf8(track.club);
        h.track = cp1252ToUtf8(track.trackName);
    }
    // Days compare as year, month, day.
    const auto key = [](const std::string& d) {
        return d.substr(6, 4) + d.substr(3, 2) + d.substr(0, 2);
    };
    for (const std::string& d : descriptions) {
        const std::string day = heatDay(d);
        if (!day.empty() && (h.date.empty() || key(day) > key(h.date)))
            h.date = day;
    }
    return h;
}

} // namespace ksy
