#include "storage/race_tree.h"

#include <gtest/gtest.h>

namespace ksy {
namespace {

const RaceTreeItem* find(const std::vector<RaceTreeItem>& items, int code)
{
    for (const auto& item : items)
        if (item.code == code)
            return &item;
    return nullptr;
}

TEST(RaceTree, NewRaceHoldsTrackAndOneCategoryWithItsFixedItems)
{
    Race race;
    race.resetToNew();
    const auto items = buildRaceTree(race);
    ASSERT_EQ(items.size(), 7u);
    const int codes[] = {1000, 10000, 11000, 13000, 13010, 13020, 13950};
    const char* texts[] = {"Piste", "CATEGORIE 1", "Pilotes (0)", "Course", "Paramètres",
        "Répartition", "Classements"};
    const int images[] = {1, 5, 2, 0, 3, 4, 7};
    const int parents[] = {-1, -1, 1, 1, 3, 3, 3};
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].code, codes[i]);
        EXPECT_EQ(items[i].text, texts[i]);
        EXPECT_EQ(items[i].image, images[i]);
        EXPECT_EQ(items[i].parent, parents[i]);
        EXPECT_EQ(items[i].bold, i == 1);
    }
    // Without a round there is no global ranking.
    EXPECT_EQ(find(items, 13990), nullptr);
}

TEST(RaceTree, CategoryWithParticipantsRoundsHeatsAndFlags)
{
    Race race;
    race.header.categories.count = 2;
    race.category(1) = {"Juniors", 3, 0, 0, 1, 1, 0};
    for (int j = 0; j < 3; ++j)
        race.participants.setName(1, j, std::string(1, static_cast<char>('A' + j)));
    // An empty name in the middle hides everyone after it; names are
    // Windows-1252 bytes and are shown in UTF-8.
    race.category(2) = {"Cat\xE9gorie \xFF", 4, 1, 0, 2, 3, 0};
    race.participants.setName(2, 0, "L\xE9o");
    race.participants.setName(2, 2, "Hidden");
    race.participants.setName(2, 3, "X");
    race.heatFlags.set(2, 2, 3, true);
    const auto items = buildRaceTree(race);

    const RaceTreeItem* cat2 = find(items, 20000);
    ASSERT_NE(cat2, nullptr);
    EXPECT_EQ(cat2->text, "Catégorie ÿ");
    EXPECT_TRUE(cat2->bold);
    EXPECT_EQ(find(items, 21000)->text, "Pilotes (4)");
    EXPECT_EQ(find(items, 21001)->text, "Léo");
    EXPECT_EQ(find(items, 21002), nullptr);
    EXPECT_EQ(find(items, 21003), nullptr);

    // Heats carry the flag image of their own round and heat only.
    EXPECT_EQ(find(items, 23203)->image, treeimage::HeatWithResults);
    EXPECT_EQ(find(items, 23103)->image, treeimage::Heat);
    EXPECT_EQ(find(items, 13101)->image, treeimage::Heat);
    EXPECT_EQ(find(items, 23203)->text, "Série3");
    EXPECT_EQ(find(items, 23200)->text, "Manche2");
    EXPECT_EQ(find(items, 23952)->text, "Classement M2");
    EXPECT_EQ(find(items, 23990)->text, "Classement Global");
    EXPECT_EQ(find(items, 23953), nullptr);

    // Every parent precedes its child and has the expected code.
    for (std::size_t i = 0; i < items.size(); ++i) {
        ASSERT_LT(items[i].parent, static_cast<int>(i));
        const int parentCode = items[i].parent < 0 ? 0 : items[items[i].parent].code;
        if (items[i].code == 23203) {
            EXPECT_EQ(parentCode, 23200);
        } else if (items[i].code == 23990) {
            EXPECT_EQ(parentCode, 23950);
        } else if (items[i].code == 21001) {
            EXPECT_EQ(parentCode, 21000);
        }
    }
    // Order within category 2: participants, race, its options, composition,
    // rounds with heats, then rankings.
    std::vector<int> order;
    for (const auto& item : items)
        if (item.code / 10000 == 2)
            order.push_back(item.code);
    const std::vector<int> expected = {20000, 21000, 21001, 23000, 23010, 23020, 23100, 23101,
        23102, 23103, 23200, 23201, 23202, 23203, 23950, 23951, 23952, 23990};
    EXPECT_EQ(order, expected);
}

TEST(RaceTree, CodesAreRecognisedOnTheirNormalisedValue)
{
    EXPECT_EQ(normalisedSelectionCode(1000), 1000);
    EXPECT_EQ(normalisedSelectionCode(93990), 13990);
    EXPECT_EQ(categoryOfCode(93990), 9);
    EXPECT_EQ(categoryOfCode(1000), 0);

    EXPECT_EQ(treeItemKind(1000), TreeItemKind::Track);
    EXPECT_EQ(treeItemKind(50000), TreeItemKind::Category);
    EXPECT_EQ(treeItemKind(51000), TreeItemKind::Participants);
    EXPECT_EQ(treeItemKind(51001), TreeItemKind::Participant);
    EXPECT_EQ(treeItemKind(51200), TreeItemKind::Participant);
    EXPECT_EQ(treeItemKind(51201), TreeItemKind::None);
    EXPECT_EQ(treeItemKind(53000), TreeItemKind::Race);
    EXPECT_EQ(treeItemKind(53010), TreeItemKind::RaceOptions);
    EXPECT_EQ(treeItemKind(53020), TreeItemKind::HeatComposition);
    EXPECT_EQ(treeItemKind(53100), TreeItemKind::Round);
    EXPECT_EQ(treeItemKind(53900), TreeItemKind::Round);
    EXPECT_EQ(treeItemKind(53920), TreeItemKind::Heat);
    EXPECT_EQ(treeItemKind(53121), TreeItemKind::None);
    EXPECT_EQ(treeItemKind(53950), TreeItemKind::Rankings);
    EXPECT_EQ(treeItemKind(53959), TreeItemKind::RoundRanking);
    EXPECT_EQ(treeItemKind(53990), TreeItemKind::GlobalRanking);
    EXPECT_EQ(treeItemKind(0), TreeItemKind::None);

    EXPECT_EQ(roundOfCode(53920), 9);
    EXPECT_EQ(heatOfCode(53920), 20);
    EXPECT_EQ(roundOfCode(53953), 3);
    EXPECT_EQ(heatOfCode(53953), 0);
    EXPECT_EQ(participantOfCode(51001), 0);
    EXPECT_EQ(participantOfCode(51000), -1);
}

TEST(RaceTree, ContextMenuBelongsToTheItemKindAndNeedsParticipantsForPlanning)
{
    EXPECT_EQ(treeContextMenu(1000, 0), TreeContextMenu::Track);
    EXPECT_EQ(treeContextMenu(30000, 0), TreeContextMenu::Category);
    EXPECT_EQ(treeContextMenu(31000, 0), TreeContextMenu::Participants);
    EXPECT_EQ(treeContextMenu(33010, 0), TreeContextMenu::None);
    EXPECT_EQ(treeContextMenu(33020, 0), TreeContextMenu::None);
    EXPECT_EQ(treeContextMenu(33010, 1), TreeContextMenu::RaceOptions);
    EXPECT_EQ(treeContextMenu(33020, 5), TreeContextMenu::HeatComposition);
    for (int other : {31001, 33000, 33100, 33101, 33950, 33951, 33990})
        EXPECT_EQ(treeContextMenu(other, 5), TreeContextMenu::None) << other;

    EXPECT_TRUE(canRenameItem(90000));
    EXPECT_FALSE(canRenameItem(1000));
    EXPECT_FALSE(canRenameItem(91000));
}

TEST(RaceTree, CountsBeyondTheirLimitsAreBounded)
{
    // A damaged header must not make the tree invent a tenth category or
    // a 21st heat.
    Race race;
    race.resetToNew();
    race.header.categories.count = 12;
    race.category(1).rounds = 11;
    race.category(1).heatsPerRound = 25;
    const auto items = buildRaceTree(race);
    EXPECT_NE(find(items, 90000), nullptr);
    EXPECT_NE(find(items, 13920), nullptr);
    EXPECT_EQ(find(items, 13921), nullptr);
    for (const auto& item : items) {
        EXPECT_LT(item.code, 100000);
        EXPECT_LE(normalisedSelectionCode(item.code), 13990);
    }
}

} // namespace
} // namespace ksy
