#include "databases/database_sort.h"
#include "databases/editors/list_editor.h"
#include "databases/french_collation.h"

#include <gtest/gtest.h>
#include <map>
#include <random>

using namespace ksy;

namespace {
std::vector<Club> clubs(std::initializer_list<std::pair<const char*, const char*>> nameAndCity)
{
    std::vector<Club> out;
    for (auto [name, city] : nameAndCity) {
        Club c;
        c.name = name;
        c.city = city;
        out.push_back(c);
    }
    return out;
}
std::vector<std::string> cities(const std::vector<Club>& t)
{
    std::vector<std::string> out;
    for (const auto& c : t)
        out.push_back(c.city);
    return out;
}
} // namespace

TEST(DatabaseSort, EqualKeysPutTheLaterRecordFirstAndEmptyKeysLast)
{
    auto t = clubs({{"b", "1"}, {"A", "2"}, {"", "3"}, {"a", "4"}});
    sortClubs(t);
    EXPECT_EQ(cities(t), (std::vector<std::string> {"4", "2", "1", "3"}));

    // Three equal keys in another case: the last comes first, the first last.
    auto same = clubs({{"Dune", "1"}, {"", "2"}, {"DUNE", "3"}, {"dune", "4"}, {"", "5"}});
    sortClubs(same);
    EXPECT_EQ(cities(same)[0], "4");
    EXPECT_EQ(cities(same)[1], "3");
    EXPECT_EQ(cities(same)[2], "1");
    EXPECT_TRUE(same[3].name.empty() && same[4].name.empty());
}

TEST(DatabaseSort, OnlyAsciiLettersFoldAndOtherBytesUseTheirCode)
{
    // "Étel" (0xC9) and "éole" (0xE9) come after every z; 0xFF after them;
    // the ASCII "[" (0x5B) stays below the folded letters; a prefix goes first.
    auto t = clubs({{"\xE9ole", ""}, {"Zuydcoote", ""}, {"\xFF", ""}, {"\xC9tel", ""}, {"abc", ""},
        {"[x", ""}, {"Ab", ""}, {"zz", ""}});
    sortClubs(t);
    std::vector<std::string> names;
    for (const auto& c : t)
        names.push_back(c.name);
    EXPECT_EQ(names,
        (std::vector<std::string> {
            "[x", "Ab", "abc", "Zuydcoote", "zz", "\xC9tel", "\xE9ole", "\xFF"}));
    EXPECT_TRUE(sameNameIgnoringCase("Jean DUPONT", "jean dupont"));
    EXPECT_FALSE(sameNameIgnoringCase("\xC9ric", "\xE9ric")); // accents do not fold
    EXPECT_FALSE(sameNameIgnoringCase("Jean", "Jean "));
}

TEST(DatabaseSort, AFullTableKeepsEveryRecordExactlyOnce)
{
    std::mt19937 random(7);
    std::vector<Pilot> pilots(1000);
    const char* stems[] = {"", "a", "B", "\xE9", "b", "ab", "AB"};
    std::map<std::pair<std::string, std::string>, int> before;
    for (std::size_t i = 0; i < pilots.size(); ++i) {
        pilots[i].name = stems[random() % 7];
        pilots[i].licence = std::to_string(i);
        ++before[{pilots[i].name, pilots[i].licence}];
    }
    sortPilots(pilots);

    ASSERT_EQ(pilots.size(), 1000u);
    std::map<std::pair<std::string, std::string>, int> after;
    for (const auto& p : pilots)
        ++after[{p.name, p.licence}];
    EXPECT_EQ(after, before);
    for (std::size_t i = 1; i < pilots.size(); ++i) {
        const auto& a = pilots[i - 1];
        const auto& b = pilots[i];
        if (b.name.empty()) continue;
        ASSERT_FALSE(a.name.empty());
        const int order = compareNames(a.name, b.name);
        ASSERT_LE(order, 0);
        if (order == 0) { // later in the table first
            ASSERT_GT(std::stoi(a.licence), std::stoi(b.licence));
        }
    }
}

TEST(DatabaseSort, FrequenciesAndCoursesSortByTheirKey)
{
    std::vector<RadioFrequency> f {{"41.000"}, {""}, {"27.125"}, {"40.665"}};
    sortFrequencies(f);
    EXPECT_EQ(f, (std::vector<RadioFrequency> {{"27.125"}, {"40.665"}, {"41.000"}, {""}}));

    std::vector<Course> c(3);
    c[0].name = "Berck";
    c[2].name = "berck";
    c[2].place = "later";
    sortCourses(c);
    EXPECT_EQ(c[0].place, "later");
    EXPECT_EQ(c[1].name, "Berck");
    EXPECT_TRUE(c[2].name.empty());
}

TEST(DatabaseSort, DropDownsReadInFrenchOrderWhileTheFileOrderStays)
{
    // Windows-1252 names as the country file holds them.
    const std::vector<std::string> countries = {"Burundi", "\xC9tats-Unis", "B\xE9nin", "Egypte",
        "Zambie", "\xC9quateur", "\x8Cland", "Oman", "", "belgique"};
    EXPECT_EQ(sortedChoices(countries),
        (std::vector<std::string> {"belgique", "Bénin", "Burundi", "Egypte", "Équateur",
            "États-Unis", "Œland", "Oman", "Zambie"})); // œ reads "oe"
    // Accents and case decide only between otherwise equal names, always alike.
    EXPECT_TRUE(frenchLess("Eric", "\xC9ric"));
    EXPECT_FALSE(frenchLess("\xC9ric", "Eric"));
    EXPECT_FALSE(frenchLess("Eric", "Eric"));
}
