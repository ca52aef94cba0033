#pragma once
// The starting grids of a category: for each round, which line of the heat
// composition takes each starting slot, written as letters (A = line 1 ... T
// = line 20). The same grid serves every heat of its round. Stored in the
// working race file in the section "Catégorie%dGrilleDépartQualifs": a line of
// three numbers (results flag, pilots per heat n, rounds r) and r lines of n
// positions. The heat run seats a heat's pilots through seatHeat().
#include "race/heat_plan.h"
#include "services/prompts.h"
#include "storage/field_reader.h"
#include "storage/race_model.h"
#include "storage/section_file.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ksy {

inline constexpr int kGridSlots = kMaxPilotsPerHeat;

struct StartingGrid {
    std::string letters; // one per starting slot, at most 20
    // Position k (from 0) is the heat line (1..n) taking slot k + 1; 0 when
    // invalid or not given.
    std::array<int, kGridSlots> positions {};

    int position(int slot) const { return positions.at(static_cast<std::size_t>(slot - 1)); }
    bool operator==(const StartingGrid&) const = default;
};

// 'A'..'T' for 1..20; '\0' for any other position.
char gridLetter(int position);
// 1..n for 'A' up to the n-th letter; 0 for any other character, lower-case
// letters and spaces included.
int gridPosition(char letter, int pilotsPerHeat);

// The letters as typed (cut to n) become the grid's letters and are converted
// at once; the slots past the text get 0.
void setGridLetters(StartingGrid& grid, std::string_view text, int pilotsPerHeat);
// The letters of the first n positions. A position outside 1..20 leaves its
// letter as it was; a letter that was never there ends the text.
void gridLettersFromPositions(StartingGrid& grid, int pilotsPerHeat);
// A, B, C ...: each line keeps its own slot.
StartingGrid identityGrid(int pilotsPerHeat);
// Whether positions 1..n name every line 1..n exactly once.
bool isCompleteGrid(const StartingGrid& grid, int pilotsPerHeat);

struct StartingGrids {
    int resultsStored = 0;
    int pilotsPerHeat = 0;
    int rounds = 0;
    std::array<StartingGrid, kMaxRounds> grids {};

    // Round m counted from 1.
    StartingGrid& round(int m) { return grids.at(static_cast<std::size_t>(m - 1)); }
    const StartingGrid& round(int m) const { return grids.at(static_cast<std::size_t>(m - 1)); }
    bool operator==(const StartingGrids&) const = default;
};

// The body: the flag line, then the positions of rounds 1..r, n a line.
std::string formatStartingGridsBody(const StartingGrids& grids);

// Reads the three numbers, then the positions of the first r lines (at most
// 9 rounds of 20) over what `grids` holds: a number that is missing keeps
// its value.
void readStartingGridsFields(FieldReader& in, StartingGrids& grids);

enum class StartingGridRead {
    Ok,
    Absent, // no section for this category; nothing changed
    CannotOpen,
};

StartingGridRead readStartingGrids(
    const std::filesystem::path& raceFile, int category, StartingGrids& grids);

// Rewrites the section in place with its 250-pair reserve, appending it when
// absent. With prompts, a title not found after its creation shows its box.
RewriteResult writeStartingGrids(const std::filesystem::path& raceFile, int category,
    const StartingGrids& grids, Prompts* prompts = nullptr);

// The names (Windows-1252) of the pilots in starting slots 1..n of heat
// `heat` of round `round` (both from 1): slot k takes plan entry
// (heat - 1) x n + position k of the round's grid. A grid is used only when
// it was stored for the plan's pilots per heat and names every line once;
// otherwise each line keeps its own slot, so that no pilot is ever seated
// twice or taken from another heat. Empty when pilots per heat is below 1.
std::vector<std::string> seatHeat(
    const HeatPlan& plan, const StartingGrids* grids, int round, int heat);

// seatHeat() with the category's plan and grids read from the race file.
// Nothing when the file cannot be opened or the category has no plan.
std::optional<std::vector<std::string>> readHeatSeating(
    const std::filesystem::path& raceFile, int category, int round, int heat);

} // namespace ksy
