#pragma once
// "DetailResultats.res": the whole heat handed to the heat results view. It is
// rewritten whole at each use; at program exit it is left with 20 empty slots.
#include "services/translate.h"
#include "race/run_entry.h"
#include "storage/work_folder.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ksy {

inline constexpr std::string_view kHeatDetailFile = "DetailResultats.res";
inline constexpr std::string_view kHeatDetailError =
    KSY_TRANSLATE_NOOP("Prompts", "Erreur: impossible d'ouvrir le fichier Résultats détaillés");

// The file as the results view reads it: lap k's passing time sits at index
// k - 1, so that the view works with 0-based laps.
struct HeatDetail {
    struct Slot {
        std::string name; // Windows-1252, at most 39 bytes
        std::int32_t passingCount = 0;
        std::array<std::int32_t, kMaxLaps> passingTimes {};
    };
    std::string rankingMode; // keyword, at most 23 bytes
    std::array<Slot, kSlotCount> slots {};
};

// The file's bytes: the ranking keyword line, then one line per slot with its
// name, its passing count n and lapTotals[1..n], every field followed by TAB.
std::string formatHeatDetail(const RunEntryTable& table, std::string_view rankingKeyword);

// False when the file cannot be created.
bool writeHeatDetail(
    const WorkFolder& folder, const RunEntryTable& table, std::string_view rankingKeyword);

// What the main window does when it is destroyed: every slot becomes "(NA)"
// with no passing, and the file is written from that.
bool writeEmptyHeatDetail(
    const WorkFolder& folder, RunEntryTable& table, std::string_view rankingKeyword);

// Every copy is bounded by its destination; counts are kept within 0..150.
HeatDetail parseHeatDetail(std::string_view bytes);

// False when the file cannot be opened; `into` is then left unchanged.
bool readHeatDetail(const WorkFolder& folder, HeatDetail& into);

} // namespace ksy
