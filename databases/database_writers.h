#pragma once
// Writing the database files whole (the editors' "Ok", the heat run's new lap
// record). Each file is created or truncated. The course, club, pilot and
// frequency files get only the records in use (a non-empty name or value), in
// table order; the pack file always gets its 20 lines. Every field is bounded
// by its width. Each returns false when the file cannot be written.
#include "databases/records.h"

#include <filesystem>
#include <string>
#include <vector>

namespace ksy {

bool writeCourses(const std::filesystem::path& file, const std::vector<Course>& courses);
bool writeClubs(const std::filesystem::path& file, const std::vector<Club>& clubs);
bool writePilots(const std::filesystem::path& file, const std::vector<Pilot>& pilots);
bool writeTransponderPacks(
    const std::filesystem::path& file, const std::vector<TransponderPack>& packs);
bool writeFrequencies(
    const std::filesystem::path& file, const std::vector<RadioFrequency>& frequencies);

// The bytes of each file, as the writers above put them on disk.
std::string formatCourses(const std::vector<Course>& courses);
std::string formatClubs(const std::vector<Club>& clubs);
std::string formatPilots(const std::vector<Pilot>& pilots);
std::string formatTransponderPacks(const std::vector<TransponderPack>& packs);
std::string formatFrequencies(const std::vector<RadioFrequency>& frequencies);

} // namespace ksy
