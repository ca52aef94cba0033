#pragma once
// Before anything is read or written there: a working folder that is missing
// and cannot be made, or that cannot be written, is said once, in one
// message, instead of one error per file.
#include <filesystem>
#include <optional>
#include <string>

namespace ksy {

// The message for the folder (UTF-8), or nothing when it can be used.
std::optional<std::string> workFolderProblem(const std::filesystem::path& folder);

} // namespace ksy
