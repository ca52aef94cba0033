#include "databases/database_sort.h"

namespace ksy {

namespace {
unsigned char folded(char c)
{
    const auto b = static_cast<unsigned char>(c);
    return b >= 'A' && b <= 'Z' ? static_cast<unsigned char>(b - 'A' + 'a') : b;
}
} // namespace

int compareNames(std::string_view a, std::string_view b)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int d = folded(a[i]) - folded(b[i]);
        if (d != 0) return d;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

bool sameNameIgnoringCase(std::string_view a, std::string_view b)
{
    return compareNames(a, b) == 0;
}

void sortCourses(std::vector<Course>& courses)
{
    sortByName(courses, [](const Course& c) -> std::string_view { return c.name; });
}

void sortClubs(std::vector<Club>& clubs)
{
    sortByName(clubs, [](const Club& c) -> std::string_view { return c.name; });
}

void sortPilots(std::vector<Pilot>& pilots)
{
    sortByName(pilots, [](const Pilot& p) -> std::string_view { return p.name; });
}

void sortFrequencies(std::vector<RadioFrequency>& frequencies)
{
    sortByName(frequencies, [](const RadioFrequency& f) -> std::string_view { return f.value; });
}

} // namespace ksy
