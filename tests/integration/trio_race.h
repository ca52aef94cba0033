#pragma once
// The three-pilot race of the kill and signal tests, and the passings its
// journal holds.
#include "app/demo_race.h"

#include <string>

namespace ksy::test {

inline RaceSpec trio()
{
    RaceSpec spec;
    spec.raceName = "Qualifs";
    spec.trackName = "Plage Sud";
    spec.trackPlace = "Le Touquet";
    RaceCategorySpec c {"Seniors", {"ALPHA", "BRAVO", "CHARLIE"}, 3, 1, {}};
    spec.pilots = {{"ALPHA", "000701"}, {"BRAVO", "000702"}, {"CHARLIE", "000703"}};
    spec.categories = {c};
    return spec;
}

inline int passingLines(const std::string& journal)
{
    int n = 0;
    for (std::size_t at = journal.find("\tpassing\t"); at != std::string::npos;
         at = journal.find("\tpassing\t", at + 1))
        ++n;
    return n;
}

} // namespace ksy::test
