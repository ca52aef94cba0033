#pragma once
#include "storage/work_folder.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace ksy {

// The window title: "Kestrametrix" for a race without a file name,
// "Kestrametrix:   " and the full path otherwise (UTF-8).
std::string raceWindowTitle(std::string_view raceFileName);

// The race file name chosen in a save dialog, with ".race" appended unless
// the path already contains ".race" anywhere.
std::string withRaceExtension(std::string_view path);

// Copies a file byte for byte, replacing the destination. False when the
// source cannot be read or the destination cannot be written.
bool copyRaceFile(const std::filesystem::path& from, const std::filesystem::path& to);

// Saving: the working race file copied to the race file name. False on
// failure, for the caller to show kSaveFailed.
bool saveWorkingRace(const WorkFolder& wf, const std::filesystem::path& raceFile);
// Loading: the chosen race file copied over the working race file.
bool loadIntoWorkingRace(const WorkFolder& wf, const std::filesystem::path& raceFile);

inline constexpr std::string_view kSaveFailed = "Erreur: la sauvegarde a échoué";

enum class CrashCopy {
    Copied, // the previous working race is now in "PcCrashRace.race"
    KeptExisting, // the working race was an untouched new race; the older crash copy stays
    NoWorkingRace,
    Failed,
};

// At start-up, before the working race is replaced: keeps the previous
// working race as "PcCrashRace.race", moved there (Copied: the caller then
// creates the new working race; Failed: it is still the working race). A working race that is still an
// untouched new race does not replace an existing crash copy, so that a
// second start after a crash does not destroy the crashed race.
CrashCopy keepCrashCopy(const WorkFolder& wf);

} // namespace ksy
