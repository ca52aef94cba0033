#pragma once
// Loading the database files into their tables. A missing file is a failure
// (the caller shows its "Erreur: impossible d'ouvrir la base de données ..."
// box and goes on with an empty table); an empty file is an empty table.
// A file with more records than the table holds is read up to the capacity
// and the rest is counted in `ignored`, so that the caller can say so before
// a later save drops those records.
#include "databases/records.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace ksy {

template <typename Record> struct LoadedTable {
    bool opened = false; // false: the file could not be opened
    std::vector<Record> records; // in file order, at most the capacity
    std::size_t ignored = 0; // records of the file beyond the capacity
    // Pilots whose name is reserved (isReservedName), left out: the 1-based
    // line of the file and the name (Windows-1252).
    std::vector<std::pair<std::size_t, std::string>> refused;
};

LoadedTable<Course> loadCourses(const std::filesystem::path& file);
LoadedTable<Club> loadClubs(const std::filesystem::path& file);
LoadedTable<Pilot> loadPilots(const std::filesystem::path& file);
// Always the 20 packs, in file order; missing lines give empty packs.
LoadedTable<TransponderPack> loadTransponderPacks(const std::filesystem::path& file);
LoadedTable<RadioFrequency> loadFrequencies(const std::filesystem::path& file);
// The country names in file order, for the "Pays :" drop-downs.
LoadedTable<Country> loadCountries(const std::filesystem::path& file);

// Field 1 of each record, in table order (the "Club :" drop-down).
std::vector<std::string> clubNames(const std::vector<Club>& clubs);
std::vector<std::string> countryNames(const std::vector<Country>& countries);

} // namespace ksy
