#include "timing/transponder_modes.h"

namespace ksy {

TransponderControls transponderControls(TransponderMode mode)
{
    switch (mode) {
    case TransponderMode::Personal:
        return {};
    case TransponderMode::Club:
        return {true, false, false};
    case TransponderMode::Mixed:
        return {false, true, true};
    }
    return {};
}

bool TransponderModes::choose(TransponderMode mode, bool locked)
{
    if (locked)
        return false;
    mode_ = mode;
    clubChoice_ = mode == TransponderMode::Club;
    return true;
}

bool TransponderModes::selectPack(int pack, bool locked)
{
    if (locked || pack < 0 || pack >= static_cast<int>(kTransponderPackCount))
        return false;
    pack_ = pack;
    mode_ = TransponderMode::Club;
    return true;
}

const Participant* lastParticipantNamed(const ParticipantList& list, std::string_view name)
{
    const Participant* found = nullptr;
    for (const Participant& p : list.records)
        if (!p.empty() && p.name == name)
            found = &p;
    return found;
}

void assignTransponders(RunEntryTable& slots, TransponderMode mode, const ParticipantList& list)
{
    if (mode != TransponderMode::Personal)
        return;
    for (RunEntry& e : slots.slots) {
        const Participant* p = e.isEmptySlot() ? nullptr : lastParticipantNamed(list, e.pilotName);
        e.transponder = p ? p->transponder : std::string();
    }
}

bool hasRadioConflict(const RunEntryTable& slots, const ParticipantList& list)
{
    std::vector<const Participant*> pilots;
    for (const RunEntry& e : slots.slots)
        if (!e.isEmptySlot())
            if (const Participant* p = lastParticipantNamed(list, e.pilotName))
                pilots.push_back(p);
    auto counts = [](const std::string& f) { return !f.empty() && f != kSharedBandFrequency; };
    for (std::size_t i = 0; i < pilots.size(); ++i)
        for (std::size_t j = i + 1; j < pilots.size(); ++j)
            for (const std::string& a : pilots[i]->frequencies)
                for (const std::string& b : pilots[j]->frequencies)
                    if (counts(a) && a == b)
                        return true;
    return false;
}

ClubTransponderList clubTransponderList(const TransponderPack& pack, std::string_view current)
{
    ClubTransponderList list;
    list.entries.assign(pack.transponders.begin(), pack.transponders.end());
    if (!current.empty())
        for (std::size_t i = 0; i < list.entries.size(); ++i)
            if (list.entries[i] == current) {
                list.selected = static_cast<int>(i);
                break;
            }
    return list;
}

bool chooseClubTransponder(
    RunEntryTable& slots, Standings& standings, int row, const std::string& transponder)
{
    if (row < 0 || row >= standings.count)
        return false;
    const std::string pilot = standings.rows[static_cast<std::size_t>(row)].pilotName;
    standings.rows[static_cast<std::size_t>(row)].transponder = transponder;
    for (RunEntry& e : slots.slots)
        if (e.pilotName == pilot)
            e.transponder = transponder;
    for (int i = 0; i < standings.count; ++i)
        if (standings.board[static_cast<std::size_t>(i)].name == pilot)
            standings.board[static_cast<std::size_t>(i)].transponder = transponder;
    return true;
}

} // namespace ksy
