#pragma once
// The one order of every database list: names compared byte by byte with only
// the ASCII letters folded to lower case (so an accented letter, above 0x7F in
// Windows-1252, sorts after z), empty names last, and among equal names the
// record that stood later first. Every record stays, exactly once.
#include "databases/records.h"

#include <algorithm>
#include <ranges>
#include <string_view>
#include <vector>

namespace ksy {

// <0, 0 or >0 as a sorts before, with, or after b.
int compareNames(std::string_view a, std::string_view b);

// The pilot editor's duplicate test: equal but for ASCII letter case.
bool sameNameIgnoringCase(std::string_view a, std::string_view b);

// Sorts any table in place by the key that `key` gives of a record. Also used
// on the participants of a category.
template <std::ranges::random_access_range Table, typename Key>
void sortByName(Table&& table, Key key)
{
    // Reversing first makes a stable sort put later records first among equals.
    std::ranges::reverse(table);
    std::ranges::stable_sort(table, [&](const auto& a, const auto& b) {
        const std::string_view ka = key(a);
        const std::string_view kb = key(b);
        if (ka.empty()) return false;
        return kb.empty() || compareNames(ka, kb) < 0;
    });
}

void sortCourses(std::vector<Course>& courses);
void sortClubs(std::vector<Club>& clubs);
void sortPilots(std::vector<Pilot>& pilots);
void sortFrequencies(std::vector<RadioFrequency>& frequencies);

} // namespace ksy
