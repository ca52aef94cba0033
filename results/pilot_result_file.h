#pragma once
// "ResultatPilote.res": one pilot's run handed to the pilot run analysis,
// rewritten whole each time a standings row is Ctrl-clicked. Line 1: the
// name, the passing count n and lapTotals[0..n]; line 2: the heat heading,
// the course name of the race's track and the heat description.
#include "race/run_entry.h"
#include "services/translate.h"
#include "storage/work_folder.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace ksy {

inline constexpr std::string_view kPilotResultFile = "ResultatPilote.res";
inline constexpr std::string_view kPilotResultError =
    KSY_TRANSLATE_NOOP("Results", "Erreur: impossible d'ouvrir le fichier DetailResultats");

// What the analysis reads back (Windows-1252 texts, bounded by the widths of
// their buffers).
struct PilotResult {
    static constexpr std::size_t kNameWidth = 40;
    static constexpr std::size_t kHeadingWidth = 105;
    static constexpr std::size_t kCourseWidth = 40;
    static constexpr std::size_t kDescriptionWidth = 105;

    std::string name;
    std::int32_t passingCount = 0;
    LapTable lapTotals {}; // cells 0..passingCount: the start reference, then each lap's end
    std::string heading; // " <category> - Manche<r> - Série<h> "
    std::string courseName;
    std::string description;

    bool operator==(const PilotResult&) const = default;
};

// The file's bytes for slot `slotIndex` (from 0) of the table.
std::string formatPilotResult(const RunEntryTable& table, int slotIndex, std::string_view heading,
    std::string_view courseName, std::string_view description);

// False when the file cannot be created (or the slot does not exist); the
// caller shows kPilotResultError and opens the analysis all the same.
bool writePilotResult(const WorkFolder& folder, const RunEntryTable& table, int slotIndex,
    std::string_view heading, std::string_view courseName, std::string_view description);

// The count is kept within 0..150 and every text within its width.
PilotResult parsePilotResult(std::string_view bytes);

// False when the file cannot be opened; `into` is then left unchanged.
bool readPilotResult(const WorkFolder& folder, PilotResult& into);

} // namespace ksy
