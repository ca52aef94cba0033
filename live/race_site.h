#pragma once
// What the site shows of the race file: its categories, their rounds and
// heats with the stored results, in the running order the board would give
// them. Read from a copy of the working race file's bytes, so that the web
// server never opens the file the timing window writes.
#include <string>
#include <string_view>
#include <vector>

namespace ksy {

// One line of a stored heat, as board texts (UTF-8).
struct StoredHeatLine {
    std::string place;
    std::string slot;
    std::string name;
    std::string passingCount;
    std::string totalTime;
    std::string lastLap;
    std::string bestLap;
};

struct StoredHeat {
    int round = 0;
    int heat = 0;
    bool stored = false; // a result with at least one pilot is in the file
    std::string description; // UTF-8
    std::string comment;
    std::string condition;
    std::vector<StoredHeatLine> lines;
};

struct SiteCategory {
    int number = 0;
    std::string name; // UTF-8
    int rounds = 0;
    int heatsPerRound = 0;
    std::vector<StoredHeat> heats; // round by round, heat by heat

    const StoredHeat* heat(int round, int heat) const;
};

struct RaceSite {
    std::vector<SiteCategory> categories;

    const SiteCategory* category(int c) const;
};

// A file that is not a race file gives a site without categories.
RaceSite readRaceSite(std::string_view raceBytes);

// Where each section body starts: the byte after the title line of the first
// line whose first field is the title.
class SectionIndex {
public:
    explicit SectionIndex(std::string_view bytes);
    // The bytes from the body's start, or nothing when the section is absent.
    bool body(std::string_view title, std::string_view& out) const;

private:
    std::string_view bytes_;
    std::vector<std::pair<std::string_view, std::size_t>> titles_;
};

} // namespace ksy
