#pragma once
#include "services/translate.h"
#include "storage/race_model.h"
#include "storage/section_file.h"
#include "storage/work_folder.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace ksy {

class CharSource;

// The working race file and the crash copy, relative to the working folder.
inline constexpr std::string_view kWorkingRaceFile = "Private/Course.race";
inline constexpr std::string_view kCrashRaceFile = "PcCrashRace.race";
inline std::filesystem::path workingRaceFile(const WorkFolder& wf)
{
    return wf.file(kWorkingRaceFile);
}

// Shown (title "Erreur") whenever the race file cannot be opened.
inline constexpr std::string_view kCannotOpenRaceFile =
    KSY_TRANSLATE_NOOP("Storage", "Erreur: impossible d'ouvrir le fichier Course");

// Header: the selection, the count and the records of the categories. The
// reader does not clear: callers clear the header before reading, and on a
// failure it keeps what it held. False when the file cannot be opened.
bool readRaceHeader(const std::filesystem::path& file, RaceHeader& header);
void readRaceHeader(CharSource& in, RaceHeader& header);
bool writeRaceHeader(const std::filesystem::path& file, const RaceHeader& header);
// Changes only the selection of the header in the file.
bool writeRaceSelection(const std::filesystem::path& file, int selection);
// The header line as written over its area (no LF: the area's own ends it).
std::string raceHeaderBody(const RaceHeader& header);

// Heat flags ("CatégorieDrapeauxTreeview"): an absent section leaves them as
// they are. False when the file cannot be opened.
bool readHeatFlags(const std::filesystem::path& file, HeatFlags& flags);
RewriteResult writeHeatFlags(
    const std::filesystem::path& file, const HeatFlags& flags, Prompts* prompts = nullptr);

// Course name of the race's track (third field of "PisteCourse"); left as it
// is when the section is absent. False when the file cannot be opened.
bool readTrackName(const std::filesystem::path& file, std::string& trackName);

// Loads header, participant names, track name and heat flags. Nothing of
// the race held before stays; false, the race left as it was, when the file
// cannot be opened or read (the caller shows kCannotOpenRaceFile).
bool loadRace(const std::filesystem::path& file, Race& race);

// Whether a file that is about to become the working race is one: it can be
// read to its end (no folder, no medium pulled out), its first line starts
// with a number, the heat flags section is there and so is the participant
// list of every category that counts participants. Nothing when it is sound;
// otherwise the French "Erreur" text (UTF-8) that names the file.
std::optional<std::string> checkRaceFile(const std::filesystem::path& file);

// The exact bytes of a new, empty race file.
std::string newRaceFileBytes();
// Resets the race to a new one and creates its file anew; false when the
// file cannot be created (the race is reset all the same).
bool createNewRaceFile(const std::filesystem::path& file, Race& race);

} // namespace ksy
