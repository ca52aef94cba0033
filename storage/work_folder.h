#pragma once
#include <filesystem>
#include <string_view>

namespace ksy {

// The working folder: every file name of the program ("Private/Course.race",
// "BaseDonnéesParcours.bd", "sons/bip.wav" ...) is relative to it. Names are
// given in UTF-8, as they are written in the code.
class WorkFolder {
public:
    WorkFolder() = default;
    explicit WorkFolder(std::filesystem::path root) : root_(std::move(root)) {}

    const std::filesystem::path& root() const { return root_; }
    std::filesystem::path file(std::string_view relativeUtf8) const
    {
        return root_ / std::filesystem::path(
                           std::u8string(relativeUtf8.begin(), relativeUtf8.end()));
    }

private:
    std::filesystem::path root_;
};

} // namespace ksy
