#pragma once
// A heat plan completed with what the official needs to see while composing:
// each entry's transponder and radio frequencies, found by name in the
// category's participants, and the "Freq1" conflicts inside each heat. Moving
// an entry exchanges it with the next one, data and all.
#include "race/heat_plan.h"
#include "race/participants.h"

#include <array>
#include <string>
#include <string_view>

namespace ksy {

// Radios on 2.4 GHz hop between channels: two of them in a heat never clash.
inline constexpr std::string_view kNoConflictFrequency = "2.4Ghz";

// The participant data shown beside a plan entry (Windows-1252). Empty for
// "(NA)" and for a name that matches no participant.
struct PlanEntryDetails {
    std::string transponder;
    std::array<std::string, kFrequenciesPerParticipant> frequencies;
    bool operator==(const PlanEntryDetails&) const = default;
};

class HeatComposition {
public:
    HeatComposition() = default;
    HeatComposition(const HeatPlan& plan, const ParticipantList& participants);

    const HeatPlan& plan() const { return plan_; }
    int pilotsPerHeat() const { return plan_.pilotsPerHeat; }
    int rounds() const { return plan_.rounds; }
    void setPilotsPerHeat(int pilots) { plan_.pilotsPerHeat = pilots; }
    void setRounds(int rounds) { plan_.rounds = rounds; }
    void setResultsStored(int flag) { plan_.resultsStored = flag; }

    int length() const { return plan_.length(); }
    int heatsPerRound() const { return plan_.heatsPerRound(); }
    int rowsOfHeats() const { return plan_.rowsOfHeats(); }

    // Entry i (from 0); beyond the 220 entries an empty entry.
    std::string_view name(int i) const { return plan_.nameAt(i); }
    bool isEmpty(int i) const { return HeatPlan::isEmptySlot(name(i)); }
    const PlanEntryDetails& details(int i) const;

    // Whether entry i's "Freq1" is set, is not "2.4Ghz" and is also the
    // "Freq1" of another entry of the same heat.
    bool inConflict(int i) const;
    // "Freq1" of entry i as the list and the print show it (Windows-1252): a
    // conflict is marked by "!" before it as well as in red, which a
    // black-and-white printer loses.
    std::string shownFirstFrequency(int i) const;

    // Exchanges entries upper and upper + 1 (from 0). Refused, returning
    // false, when the upper one is at position 200 or beyond (1-based): no
    // participant may move into the last 20 entries, which no heat run reads.
    bool moveDown(int upper);

private:
    HeatPlan plan_;
    std::array<PlanEntryDetails, kHeatPlanEntries> details_ {};
};

} // namespace ksy
