#pragma once
// The heat plan of one category: one ordered list of pilot names cut into
// blocks of "pilots per heat" entries, block s being heat s in every round.
// Stored in the working race file in the section "Catégorie%dRépartitionQualifs":
// a line of three numbers (results flag, pilots per heat, rounds) and 220
// entry lines. Entries are linked to participants by name; "(NA)" marks an
// empty slot.
#include "race/run_entry.h"
#include "services/prompts.h"
#include "storage/field_reader.h"
#include "storage/section_file.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace ksy {

inline constexpr int kHeatPlanEntries = 220;
// Only these can ever hold a participant; the last 20 entries stay "(NA)".
inline constexpr int kHeatPlanUsableEntries = 200;
inline constexpr std::size_t kHeatPlanNameWidth = 40;
inline constexpr int kMaxPilotsPerHeat = kSlotCount; // a heat has 20 starting slots
inline constexpr int kDefaultPilotsPerHeat = 10;
inline constexpr int kDefaultRounds = 1;

struct HeatPlan {
    int resultsStored = 0; // copy of the category's flag; 1 locks the plan
    int pilotsPerHeat = kDefaultPilotsPerHeat;
    int rounds = kDefaultRounds;
    std::array<std::string, kHeatPlanEntries> entries; // Windows-1252 names or "(NA)"

    HeatPlan() { clearEntries(); }
    void clearEntries() { entries.fill(std::string(kEmptySlotName)); }

    // Entry i counted from 0.
    std::string& at(int i) { return entries.at(static_cast<std::size_t>(i)); }
    const std::string& at(int i) const { return entries.at(static_cast<std::size_t>(i)); }
    static bool isEmptySlot(std::string_view entry) { return entry == kEmptySlotName; }

    // The 1-based position of the last entry that is not "(NA)"; 0 when none.
    int length() const;
    // (length - 1) / pilots per heat + 1, so an empty plan still has one heat;
    // 0 when pilots per heat is below 1.
    int heatsPerRound() const;
    // The rows of all heats: heats per round x pilots per heat. The last heat
    // may reach past the 220 entries of a hand-edited plan; callers treat the
    // entries beyond as "(NA)".
    int rowsOfHeats() const { return heatsPerRound() * pilotsPerHeat; }
    // The name of entry i (from 0), "(NA)" beyond the last entry.
    std::string_view nameAt(int i) const
    {
        return i >= 0 && i < kHeatPlanEntries ? std::string_view(at(i)) : kEmptySlotName;
    }

    bool operator==(const HeatPlan&) const = default;
};

// The entry (from 0) of line `line` of heat `heat` (both from 1).
constexpr int planEntryIndex(int heat, int line, int pilotsPerHeat)
{
    return (heat - 1) * pilotsPerHeat + line - 1;
}

// The body: the flag line, then the 220 entry lines (each name and a TAB).
std::string formatHeatPlanBody(const HeatPlan& plan);

// Reads the three numbers and the 220 entries from the body start. A number
// that is missing keeps the value `plan` held.
void readHeatPlanFields(FieldReader& in, HeatPlan& plan);

enum class HeatPlanRead {
    Ok,
    Absent, // no section for this category; the plan is untouched
    CannotOpen,
};

HeatPlanRead readHeatPlan(const std::filesystem::path& raceFile, int category, HeatPlan& plan);

// Rewrites the section in place with its 4625-pair reserve. With
// createIfAbsent an absent section is appended (the participants dialog
// creates it); without it nothing is written and TitleNotFound is returned.
// With prompts, TitleNotFound shows the section's "Erreur" box.
RewriteResult writeHeatPlan(const std::filesystem::path& raceFile, int category,
    const HeatPlan& plan, bool createIfAbsent, Prompts* prompts = nullptr);

} // namespace ksy
