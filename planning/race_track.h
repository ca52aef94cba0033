#pragma once
// The track of the race: its name, organising club, the course it is run on
// and the lap protection time of its heats. Stored in the working race file in
// the section "PisteCourse" as one line of four TAB-terminated fields.
#include "services/prompts.h"
#include "storage/field_reader.h"
#include "storage/section_file.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace ksy {

struct RaceTrack {
    static constexpr std::size_t kRaceNameWidth = 50;
    static constexpr std::size_t kClubWidth = 50;
    static constexpr std::size_t kTrackNameWidth = 40;
    static constexpr int kMinLapProtection = 2;

    std::string raceName; // Windows-1252
    std::string club; // a club name, or empty
    std::string trackName; // a course name, or empty
    int lapProtectionSeconds = kMinLapProtection;

    bool operator==(const RaceTrack&) const = default;
};

// A race name may not be taken for a section title by the section lookup:
// never exactly "PisteCourse", never containing "Catégorie" (Windows-1252).
bool isAllowedRaceName(std::string_view name);

// The body line: the four fields each followed by TAB, then LF.
std::string formatRaceTrackLine(const RaceTrack& track);

// Reads the fields from the body start over `track`: three text fields ended by
// TAB or line end, then the protection time; a missing or malformed time keeps
// the value `track` held, and one below 2 becomes 2.
void readRaceTrackFields(FieldReader& in, RaceTrack& track);

// Reads the section of the race file into `track`; an absent section leaves
// it as it is. False when the race file cannot be opened.
bool readRaceTrack(const std::filesystem::path& raceFile, RaceTrack& track);

// Rewrites the section in place (appended when absent). With prompts, a title
// not found after its creation shows its own "Erreur" box.
RewriteResult writeRaceTrack(
    const std::filesystem::path& raceFile, const RaceTrack& track, Prompts* prompts = nullptr);

} // namespace ksy
