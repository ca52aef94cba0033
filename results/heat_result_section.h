#pragma once
// The stored result of one heat: the section "Catégorie%dM%dS%d" of the race
// file, 20 slot lines (name, passing count n, laps, total time, last lap, best
// lap, lapTotals[0..n]) and a trailer line with the heat's description,
// comment and track condition. The round ranking reads these sections; the
// main window writes one whenever the heat shown on the board is left.
#include "race/run_entry.h"
#include "services/prompts.h"
#include "storage/char_source.h"
#include "storage/section_file.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace ksy {

inline constexpr std::string_view kTrackConditionDry = "Sec";
inline constexpr std::string_view kTrackConditionRain = "Pluie";
inline constexpr std::string_view kTrackConditionIce = "Glace";

// The texts stored with a heat's result (Windows-1252). Widths count the
// terminating zero of the fixed buffers they are read into.
struct HeatResultTexts {
    static constexpr std::size_t kDescriptionWidth = 105;
    static constexpr std::size_t kCommentWidth = 100;
    static constexpr std::size_t kConditionWidth = 6;
    static constexpr std::size_t kNameWidth = 40;

    // "Durée ... - Départ dd/mm/yyyy h:mm", composed at the start of the
    // heat; "." once its results were erased.
    std::string description;
    std::string comment;
    std::string condition = std::string(kTrackConditionDry);

    bool operator==(const HeatResultTexts&) const = default;
};

// The body: 20 slot lines and the trailer, every field followed by TAB. A
// slot without a pilot is "(NA)" and six zeros, whatever sort keys the heat
// run gave it; counts are kept within 0..150.
std::string formatHeatResultBody(const RunEntryTable& table, const HeatResultTexts& texts);

// Reads a body from the current position of `in` over the table and texts:
// each slot keeps its transponder and number and gets its stored name and run
// data (an empty name reads as "(NA)"). Line feeds between slot lines are
// skipped. A trailer that ends after the comment (a section written before the
// condition existed) leaves the condition as it was.
void readHeatResultFields(CharSource& in, RunEntryTable& table, HeatResultTexts& texts);

// Writes the heat's section with its reserve of 617 x pilotsPerHeat + 565
// pairs, appending it when absent and growing its area when the body does not
// fit. With prompts, a title not found after its creation shows its box
// ("Erreur: Intitulé de la Série de qualifs non trouvé"); the caller shows
// the race file's box on CannotOpen.
RewriteResult storeHeatResult(const std::filesystem::path& raceFile, std::string_view title,
    int pilotsPerHeat, const RunEntryTable& table, const HeatResultTexts& texts,
    Prompts* prompts = nullptr);

enum class HeatResultRead {
    Ok,
    Absent, // the heat has no stored result: table and texts untouched
    CannotOpen,
    Damaged, // its numbers cannot be a heat's (heat_result_check.h): untouched too
};

// `fault`, when given, receives the reason a damaged section was refused.
HeatResultRead loadHeatResult(const std::filesystem::path& raceFile, std::string_view title,
    RunEntryTable& table, HeatResultTexts& texts, std::string* fault = nullptr);

} // namespace ksy
