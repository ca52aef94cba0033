#pragma once
// What the index of the results names before anything else: the race, its
// track and club, and its day.
#include <string>
#include <string_view>
#include <vector>

namespace ksy {

struct RaceHeading {
    std::string race; // UTF-8, empty when the race was never named
    std::string club;
    std::string track;
    std::string date; // "07/12/2026": the day of the latest heat run, or empty
};

// The race's name, club and track from its "PisteCourse" section (Windows-1252
// bytes of the race file), and the latest day among the heat descriptions
// ("... - Départ 07/12/2026 10:30", UTF-8).
RaceHeading readRaceHeading(
    std::string_view raceBytes, const std::vector<std::string>& descriptions);

// "07/12/2026" of the "Départ" date in a heat description, empty when none.
std::string heatDay(std::string_view description);

} // namespace ksy
