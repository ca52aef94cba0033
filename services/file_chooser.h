#pragma once
#include <optional>
#include <string>

namespace ksy {

// One filter of a file dialog: what the user reads and the pattern it stands
// for, e.g. {"Fichier course (.race)", "*.race"}.
struct FileFilter {
    std::string description;
    std::string pattern;
};

// The platform's open and save dialogs. Paths are UTF-8; nothing means the
// user cancelled. Neither dialog changes the process's current folder.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    // Only an existing file can be chosen.
    virtual std::optional<std::string> openFile(
        const std::string& initialFolder, const FileFilter& filter) = 0;
    // The folder must exist; choosing an existing file asks before replacing it.
    // presetName is the text the dialog starts with (a folder and a pattern).
    virtual std::optional<std::string> saveFile(
        const std::string& presetName, const FileFilter& filter) = 0;
};

} // namespace ksy
