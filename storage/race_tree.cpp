#include "storage/race_tree.h"

#include "storage/encoding.h"

#include <algorithm>

namespace ksy {

std::vector<RaceTreeItem> categoryTreeItems(const Race& race, int number)
{
    const CategoryRecord& category = race.category(number);
    const int k = 10000 * number;
    std::vector<RaceTreeItem> items;
    auto add = [&items](int code, std::string text, int image, int parent) {
        items.push_back({code, std::move(text), image, parent, false});
        return static_cast<int>(items.size()) - 1;
    };
    const int cat = add(k, cp1252ToUtf8(category.name), treeimage::Category, -1);
    items[cat].bold = true;

    const int pilots = add(k + 1000, "Pilotes (" + std::to_string(category.participants) + ")",
        treeimage::Participants, cat);
    // The names stop at the first empty one.
    const std::vector<std::string> names = race.participants.listed(number);
    for (std::size_t j = 0; j < names.size() && j < kMaxParticipants; ++j)
        add(k + 1001 + static_cast<int>(j), cp1252ToUtf8(names[j]), treeimage::Participants,
            pilots);

    const int raceItem = add(k + 3000, "Course", treeimage::Race, cat);
    add(k + 3010, "Paramètres", treeimage::RaceOptions, raceItem);
    add(k + 3020, "Répartition", treeimage::HeatComposition, raceItem);
    const int rounds = std::clamp(category.rounds, 0, kMaxRounds);
    const int heats = std::clamp(category.heatsPerRound, 0, kMaxHeatsPerRound);
    for (int r = 1; r <= rounds; ++r) {
        const int round =
            add(k + 3000 + 100 * r, "Manche" + std::to_string(r), treeimage::Race, raceItem);
        for (int h = 1; h <= heats; ++h) {
            const bool stored = race.heatFlags.get(number, r, h) == 1;
            add(k + 3000 + 100 * r + h, "Série" + std::to_string(h),
                stored ? treeimage::HeatWithResults : treeimage::Heat, round);
        }
    }
    const int rankings = add(k + 3950, "Classements", treeimage::Ranking, raceItem);
    for (int r = 1; r <= rounds; ++r)
        add(k + 3950 + r, "Classement M" + std::to_string(r), treeimage::Ranking, rankings);
    if (rounds > 0)
        add(k + 3990, "Classement Global", treeimage::Ranking, rankings);
    return items;
}

std::vector<RaceTreeItem> buildRaceTree(const Race& race)
{
    std::vector<RaceTreeItem> items = {{kTrackCode, "Piste", treeimage::Track, -1, false}};
    const int count = std::min(race.categoryCount(), kMaxCategories);
    for (int number = 1; number <= count; ++number) {
        const int offset = static_cast<int>(items.size());
        for (RaceTreeItem item : categoryTreeItems(race, number)) {
            if (item.parent >= 0)
                item.parent += offset;
            items.push_back(std::move(item));
        }
    }
    return items;
}

int categoryOfCode(int code)
{
    return code >= 10000 && code <= 95000 ? code / 10000 : 0;
}

int normalisedSelectionCode(int code)
{
    const int c = categoryOfCode(code);
    return c == 0 ? code : code - 10000 * (c - 1);
}

TreeItemKind treeItemKind(int code)
{
    const int n = normalisedSelectionCode(code);
    if (categoryOfCode(code) == 0)
        return n >= 1000 && n <= 8999 ? TreeItemKind::Track : TreeItemKind::None;
    if (n == 10000)
        return TreeItemKind::Category;
    if (n == 11000)
        return TreeItemKind::Participants;
    if (n >= 11001 && n <= 11200)
        return TreeItemKind::Participant;
    if (n == 13000)
        return TreeItemKind::Race;
    if (n == 13010)
        return TreeItemKind::RaceOptions;
    if (n == 13020)
        return TreeItemKind::HeatComposition;
    if (n >= 13100 && n <= 13920) {
        const int r = (n - 13000) / 100;
        const int h = n % 100;
        if (r >= 1 && r <= 9 && h == 0)
            return TreeItemKind::Round;
        if (r >= 1 && r <= 9 && h >= 1 && h <= 20)
            return TreeItemKind::Heat;
        return TreeItemKind::None;
    }
    if (n == 13950)
        return TreeItemKind::Rankings;
    if (n >= 13951 && n <= 13959)
        return TreeItemKind::RoundRanking;
    if (n == 13990)
        return TreeItemKind::GlobalRanking;
    return TreeItemKind::None;
}

int roundOfCode(int code)
{
    const int n = normalisedSelectionCode(code);
    switch (treeItemKind(code)) {
    case TreeItemKind::Round:
    case TreeItemKind::Heat:
        return (n - 13000) / 100;
    case TreeItemKind::RoundRanking:
        return n - 13950;
    default:
        return 0;
    }
}

int heatOfCode(int code)
{
    return treeItemKind(code) == TreeItemKind::Heat ? normalisedSelectionCode(code) % 100 : 0;
}

int participantOfCode(int code)
{
    return treeItemKind(code) == TreeItemKind::Participant ? normalisedSelectionCode(code) - 11001
                                                           : -1;
}

TreeContextMenu treeContextMenu(int code, int participantsOfCategory)
{
    switch (treeItemKind(code)) {
    case TreeItemKind::Track:
        return TreeContextMenu::Track;
    case TreeItemKind::Category:
        return TreeContextMenu::Category;
    case TreeItemKind::Participants:
        return TreeContextMenu::Participants;
    case TreeItemKind::RaceOptions:
        return participantsOfCategory > 0 ? TreeContextMenu::RaceOptions : TreeContextMenu::None;
    case TreeItemKind::HeatComposition:
        return participantsOfCategory > 0 ? TreeContextMenu::HeatComposition
                                          : TreeContextMenu::None;
    default:
        return TreeContextMenu::None;
    }
}

} // namespace ksy
