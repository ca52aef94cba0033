#pragma once
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ksy {

inline constexpr int kMaxCategories = 9;
inline constexpr int kMaxRounds = 9;
inline constexpr int kMaxHeatsPerRound = 20;
inline constexpr int kMaxParticipants = 200;
// Widths of the fixed arrays of the records (terminating zero included).
inline constexpr std::size_t kCategoryNameWidth = 56;
inline constexpr std::size_t kCategoryNameMaxLength = 53; // what the tree lets one type
inline constexpr std::size_t kParticipantNameWidth = 40;

// One category of the race header. Texts are Windows-1252 bytes.
struct CategoryRecord {
    std::string name;
    int participants = 0;
    int resultsStored = 0; // 1 once any heat result is stored; never back to 0
    int globalRankingStored = 0;
    int rounds = 0;
    int heatsPerRound = 0;
    int reserved = 0;

    bool operator==(const CategoryRecord&) const = default;
};

struct CategoryTable {
    int count = 0;
    std::array<CategoryRecord, kMaxCategories> records {};

    void clear() { *this = CategoryTable {}; }
    // Category c counted from 1.
    CategoryRecord& category(int c) { return records.at(static_cast<std::size_t>(c - 1)); }
    const CategoryRecord& category(int c) const
    {
        return records.at(static_cast<std::size_t>(c - 1));
    }
    bool operator==(const CategoryTable&) const = default;
};

// The first line of the race file.
struct RaceHeader {
    int selection = 0; // SelectionCode of the tree item selected last
    CategoryTable categories;

    void clear() { *this = RaceHeader {}; }
    bool operator==(const RaceHeader&) const = default;
};

// Participant names of every category as the tree shows them.
class ParticipantNames {
public:
    void clear();
    // Category from 1, participant index j from 0.
    const std::string& name(int category, int j) const;
    void setName(int category, int j, std::string_view name);
    // The names before the first empty one.
    std::vector<std::string> listed(int category) const;

private:
    std::array<std::array<std::string, kMaxParticipants>, kMaxCategories> names_ {};
};

// One 0/1 flag per heat: 1 when the heat's result is stored with at least one
// recorded result. 203 values per category: 9 rounds x 20 heats, then 23
// reserved zeros.
class HeatFlags {
public:
    static constexpr int kPerCategory = 203;
    static constexpr int kCount = kMaxCategories * kPerCategory; // 1827

    // Index of category c, round r, heat h (all from 1).
    static constexpr int index(int c, int r, int h)
    {
        return kPerCategory * (c - 1) + kMaxHeatsPerRound * (r - 1) + (h - 1);
    }

    void clear() { values_.fill(0); }
    int get(int c, int r, int h) const { return at(index(c, r, h)); }
    void set(int c, int r, int h, bool stored)
    {
        values_.at(static_cast<std::size_t>(index(c, r, h))) = stored ? 1 : 0;
    }
    int at(int i) const { return values_.at(static_cast<std::size_t>(i)); }
    void setAt(int i, int value) { values_.at(static_cast<std::size_t>(i)) = value; }
    bool operator==(const HeatFlags&) const = default;

private:
    std::array<int, kCount> values_ {};
};

// The race as the program keeps it in memory: the header, the names the tree
// shows, the heat flags and the race's track name. Dialogs rewrite the file
// behind it, so it is reloaded from the file rather than trusted.
struct Race {
    RaceHeader header;
    ParticipantNames participants;
    HeatFlags heatFlags;
    std::string trackName; // course name of "PisteCourse", Windows-1252

    void clear();
    // The content of a new race: one category "CATEGORIE 1", selection 10000.
    void resetToNew();

    int categoryCount() const { return header.categories.count; }
    CategoryRecord& category(int c) { return header.categories.category(c); }
    const CategoryRecord& category(int c) const { return header.categories.category(c); }

    // Appends "CATEGORIE %d" with zero counters; false (nothing done) when
    // the race already has 9 categories.
    bool addCategory();
    // Renames category c (from 1) to at most 53 bytes of Windows-1252 text; a
    // TAB or line end is not kept. False when there is no such category.
    bool renameCategory(int c, std::string_view name);
};

// "CATEGORIE %d".
std::string defaultCategoryName(int category);

} // namespace ksy
