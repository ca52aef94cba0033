#pragma once
// Fakes of the application's own services, shared by the tests of app/.
#include "services/file_chooser.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace ksy::test {

// Hands out the queued choices in order, then cancels.
class FakeFileChooser : public FileChooser {
public:
    std::optional<std::string> openFile(
        const std::string& initialFolder, const FileFilter& filter) override
    {
        opened.push_back(initialFolder);
        lastFilter = filter;
        return next();
    }
    std::optional<std::string> saveFile(
        const std::string& presetName, const FileFilter& filter) override
    {
        saved.push_back(presetName);
        lastFilter = filter;
        return next();
    }

    std::deque<std::optional<std::string>> choices;
    std::vector<std::string> opened; // initial folders of the open dialogs
    std::vector<std::string> saved; // presets of the save dialogs
    FileFilter lastFilter;

private:
    std::optional<std::string> next()
    {
        if (choices.empty())
            return std::nullopt;
        auto c = choices.front();
        choices.pop_front();
        return c;
    }
};

} // namespace ksy::test
