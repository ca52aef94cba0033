#include "planning/heat_composition.h"

#include <algorithm>
#include <utility>

namespace ksy {

HeatComposition::HeatComposition(const HeatPlan& plan, const ParticipantList& participants)
    : plan_(plan)
{
    for (int i = 0; i < kHeatPlanEntries; ++i) {
        if (plan_.isEmptySlot(plan_.at(i)))
            continue;
        if (const Participant* p = participants.find(plan_.at(i))) {
            details_[static_cast<std::size_t>(i)] = {p->transponder, p->frequencies};
        }
    }
}

const PlanEntryDetails& HeatComposition::details(int i) const
{
    static const PlanEntryDetails none;
    return i >= 0 && i < kHeatPlanEntries ? details_[static_cast<std::size_t>(i)] : none;
}

std::string HeatComposition::shownFirstFrequency(int i) const
{
    const std::string& freq = details(i).frequencies[0];
    return inConflict(i) ? "!" + freq : freq;
}

bool HeatComposition::inConflict(int i) const
{
    const int pilots = pilotsPerHeat();
    if (pilots < 1 || i < 0 || i >= kHeatPlanEntries)
        return false;
    const std::string& freq = details(i).frequencies[0];
    if (freq.empty() || freq == kNoConflictFrequency)
        return false;
    const int first = i / pilots * pilots;
    const int end = std::min(first + pilots, kHeatPlanEntries);
    for (int j = first; j < end; ++j)
        if (j != i && details(j).frequencies[0] == freq)
            return true;
    return false;
}

bool HeatComposition::moveDown(int upper)
{
    if (upper < 0 || upper + 1 >= kHeatPlanUsableEntries)
        return false;
    const auto a = static_cast<std::size_t>(upper);
    std::swap(plan_.entries[a], plan_.entries[a + 1]);
    std::swap(details_[a], details_[a + 1]);
    return true;
}

} // namespace ksy
