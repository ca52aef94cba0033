#pragma once
// A heat whose result the official corrected on the board ("Tours"), as the
// race file keeps it: the passing count holds the corrected laps, the laps
// field and the lap totals what the transponders read. Ranked on the
// corrected counts the order is Alpha, Bravo, Charlie, Delta; on the laps
// read it would be Delta, Alpha, Charlie, Bravo.
#include "race/run_entry.h"

#include <string>

namespace ksy::test {

// `recorded` laps of `lapMs` each, then "Tours" set to `counted` by hand.
inline RunEntry correctedSlot(const std::string& name, int recorded, int lapMs, int counted)
{
    RunEntry e;
    e.pilotName = name;
    e.laps = recorded;
    e.passingCount = counted;
    for (int k = 1; k <= recorded; ++k) {
        e.lapTotals[static_cast<std::size_t>(k)] = k * lapMs;
        e.lapTimes[static_cast<std::size_t>(k)] = lapMs;
    }
    e.totalTime = recorded * lapMs;
    e.bestLap = recorded >= 2 ? lapMs : 0;
    return e;
}

inline RunEntryTable correctedHeat()
{
    RunEntryTable t;
    clearToEmptySlots(t);
    t.slot(1) = correctedSlot("Delta", 7, 58000, 5); // a penalty of two laps
    t.slot(2) = correctedSlot("Bravo", 6, 61000, 7); // a passing the decoder missed
    t.slot(2).totalTime = 430000; // and its total typed in
    t.slot(3) = correctedSlot("Alpha", 7, 60000, 7);
    t.slot(4) = correctedSlot("Charlie", 6, 59000, 6);
    for (int k = 1; k <= kSlotCount; ++k)
        t.slot(k).number = k;
    return t;
}

} // namespace ksy::test
