#pragma once
// The menu bar and the context menus as data: ids, texts, separators and the
// bitmap resource shown beside an item. Building the Qt menus reads only this.
#include <string>
#include <vector>

namespace ksy {

namespace cmd {
inline constexpr int NewRace = 1001;
inline constexpr int LoadRace = 1002;
inline constexpr int Save = 1003;
inline constexpr int SaveAs = 1004;
inline constexpr int Quit = 1005;
inline constexpr int TrackDatabase = 1006;
inline constexpr int ClubDatabase = 1007;
inline constexpr int PilotDatabase = 1008;
inline constexpr int PackDatabase = 1009;
inline constexpr int FrequencyDatabase = 1010;
inline constexpr int DurationCalculator = 1011;
inline constexpr int SoundSettings = 1013;
inline constexpr int DisplaySettings = 1014;
inline constexpr int InterfaceSettings = 1015;
inline constexpr int LiveResults = 1016;
inline constexpr int Help = 1017;
// The interface's language, for the next start.
inline constexpr int LanguageSettings = 1018;
inline constexpr int NewCategory = 1051;
inline constexpr int RenameCategory = 1052;
inline constexpr int RaceTrack = 1053;
inline constexpr int ParticipantList = 1054;
inline constexpr int RaceOptions = 1055;
inline constexpr int HeatComposition = 1056;
inline constexpr int ResultsButton = 6101;
inline constexpr int EditHeatResults = 6102;
inline constexpr int HeatResultDetails = 6103;
inline constexpr int HeatComment = 6104;
// The result sheet of the heat on the board, printed or saved as PDF.
inline constexpr int HeatSheetPdf = 6105;
// The same sheet saved as .xlsx or CSV.
inline constexpr int HeatSheetSpreadsheet = 6106;
inline constexpr int PrintHeatSheet = 6000;
} // namespace cmd

struct MenuItemSpec {
    int id; // 0: a separator
    std::string text; // UTF-8
    int bitmap = 0; // resource number of the item's image, 0 for none
};

struct MenuSpec {
    std::string name; // pop-up title in the bar, or the context menu's name
    std::vector<MenuItemSpec> items;
};

// The checked image of every item with a bitmap (items are never checked).
inline constexpr int kMenuCheckedBitmap = 2;

// Pop-ups of the bar, in order.
const std::vector<MenuSpec>& menuBarSpec();

enum class ContextMenu { None, Heat, Track, Category, Participants, RaceOptions, HeatComposition };

const MenuSpec& contextMenuSpec(ContextMenu which);

// Commands greyed while a heat is armed or running or a scan is active
// ("Interface" and "Aide" stay available).
bool greyedWhileRunning(int id);

} // namespace ksy
