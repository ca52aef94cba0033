// Where the program finds the files it seeds a working folder with.
#pragma once

#include <filesystem>

namespace ksy {

// The shipped data folder, looked up from the running program's own location:
// "data" beside the program (a build tree or a portable copy), then
// "../share/kestrametrix/data" (an installed program), then `buildTreeData`,
// the source tree's folder compiled into a program that was never installed.
std::filesystem::path shippedDataFolder(const char* buildTreeData);

} // namespace ksy
