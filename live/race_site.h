#pragma once
// What the site shows of the race file: its categories, their rounds and
// heats with the stored results, in the running order the board would give
// them. Read from a copy of the working race file's bytes, so that the web
// server never opens the file the timing window writes.
#include "live/race_heading.h"

#include <filesystem>
#include <optional>
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

// One row of a stored ranking, as texts (UTF-8).
struct RankingLine {
    std::string place;
    std::string name;
    std::string laps; // round ranking
    std::string totalTime;
    std::string bestLap;
    std::string points; // the round's points, or the global sum
    std::vector<std::string> roundPoints; // global ranking: rounds 1..R
};

// A ranking as the official validated it (its section is in the race file).
struct StoredRanking {
    int round = 0; // 0: the global ranking
    int bestRounds = 0; // global ranking: the rounds that count
    std::vector<RankingLine> lines;
};

struct SiteCategory {
    int number = 0;
    std::string name; // UTF-8
    int participants = 0;
    int rounds = 0;
    int heatsPerRound = 0;
    std::vector<StoredHeat> heats; // round by round, heat by heat
    std::vector<StoredRanking> roundRankings; // the stored ones only
    std::optional<StoredRanking> globalRanking;

    const StoredHeat* heat(int round, int heat) const;
    const StoredRanking* roundRanking(int round) const;
};

struct RaceSite {
    RaceHeading heading;
    std::vector<SiteCategory> categories;

    const SiteCategory* category(int c) const;
};

// A file that is not a race file gives a site without categories.
RaceSite readRaceSite(std::string_view raceBytes);
// Adds the stored round and global rankings of the race file (read as the
// ranking dialogs read them; the file must hold the bytes the site was read
// from).
void readStoredRankings(const std::filesystem::path& raceFile, RaceSite& site);

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
