#pragma once
// The rules of the race tree, without any widget: which items the tree holds
// for a race, their selection codes, texts and images, what kind of item a
// code stands for and which context menu it offers.
#include "storage/race_model.h"

#include <string>
#include <vector>

namespace ksy {

// Image indexes of the tree's image list (icon resource 19 + index).
namespace treeimage {
inline constexpr int Race = 0;
inline constexpr int Track = 1;
inline constexpr int Participants = 2;
inline constexpr int RaceOptions = 3;
inline constexpr int HeatComposition = 4;
inline constexpr int Category = 5;
inline constexpr int Heat = 6;
inline constexpr int Ranking = 7;
inline constexpr int HeatWithResults = 8;
inline constexpr int Count = 9;
} // namespace treeimage

struct RaceTreeItem {
    int code; // SelectionCode
    std::string text; // UTF-8, as shown
    int image;
    int parent; // index of the parent in the item list, -1 at the root
    bool bold = false; // categories
};

inline constexpr int kTrackCode = 1000;

// Every item of the race, parents before their children, siblings in order.
std::vector<RaceTreeItem> buildRaceTree(const Race& race);

// The items of category number (1 to 9), parents first; parent indexes are
// relative to the returned list (-1 for the category item itself).
std::vector<RaceTreeItem> categoryTreeItems(const Race& race, int number);

// The code with the category taken out: category items read as category 1
// (10000 ...); the track's code is left as it is.
int normalisedSelectionCode(int code);
int categoryOfCode(int code); // 1 to 9; 0 for the track

enum class TreeItemKind {
    None,
    Track,
    Category,
    Participants,
    Participant,
    Race,
    RaceOptions,
    HeatComposition,
    Round,
    Heat,
    Rankings,
    RoundRanking,
    GlobalRanking,
};

TreeItemKind treeItemKind(int code);
int roundOfCode(int code); // rounds, heats and round rankings; 0 otherwise
int heatOfCode(int code); // heats; 0 otherwise
int participantOfCode(int code); // 0-based participant index; -1 otherwise

enum class TreeContextMenu { None, Track, Category, Participants, RaceOptions, HeatComposition };

// The context menu of the selected item. Race options and heat composition
// offer theirs only to a category that has participants.
TreeContextMenu treeContextMenu(int code, int participantsOfCategory);

// Only a category item may be renamed.
inline bool canRenameItem(int code)
{
    return treeItemKind(code) == TreeItemKind::Category;
}

} // namespace ksy
