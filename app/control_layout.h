#pragma once
// Where the fixed child controls of the main window sit. Positions follow the
// screen size W x H with u = W/1600 and v = H/900; every product is truncated
// to an integer, as the window was laid out on the original screens.
#include <string>
#include <vector>

namespace ksy {

enum class ControlKind {
    TreeView,
    PushButton,
    ReadOnlyEdit,
    GroupBox,
    RadioButton,
    ComboBox,
    PushCheckBox,
    ScrollBar,
};

struct ControlSpec {
    int id; // 0 for controls without an id (the frame box, the scroll bar)
    ControlKind kind;
    std::string text; // UTF-8
    int x, y, width, height;
};

// The race tree is placed by the resize handler: 10, 54, 190 x (client height - 80).
inline constexpr int kTreeX = 10;
inline constexpr int kTreeY = 54;
inline constexpr int kTreeWidth = 190;
inline constexpr int kTreeHeightMargin = 80;

// Every control of the table except the race tree, in creation order.
std::vector<ControlSpec> mainWindowControls(int screenWidth, int screenHeight);

} // namespace ksy
