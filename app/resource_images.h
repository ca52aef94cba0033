#pragma once
// The numbered bitmaps of the program (window icon, button faces, menu and
// tree images), shipped as files under "images/" of the working folder.
#include <string>

namespace ksy {

// "images/res_NN_....png" for resources 1 to 27; empty for any other number.
std::string resourceImageFile(int resource);

} // namespace ksy
