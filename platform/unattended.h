#pragma once
// Services for running without a person in front of the screen (--unattended):
// scripts, tests and kiosk screens. Boxes go to a stream, one line each, and are
// acknowledged at once; questions take their default answer; file dialogs are
// cancelled.
#include "services/file_chooser.h"
#include "services/prompts.h"

#include <ostream>

namespace ksy {

// One line per box: "<title>: <text>", line breaks written as "\n" (and "\r").
// A question also shows the answer taken: "<title>: <text> -> Oui".
class UnattendedPrompts : public Prompts {
public:
    explicit UnattendedPrompts(std::ostream& out)
        : out_(out)
    {
    }
    void message(const std::string& title, const std::string& text, PromptIcon icon) override;
    Answer askYesNoCancel(const std::string& title, const std::string& text) override;
    Answer askYesNo(const std::string& title, const std::string& text) override;

    static std::string oneLine(const std::string& title, const std::string& text);

private:
    std::ostream& out_;
};

class UnattendedFileChooser : public FileChooser {
public:
    std::optional<std::string> openFile(const std::string&, const FileFilter&) override
    {
        return std::nullopt;
    }
    std::optional<std::string> saveFile(const std::string&, const FileFilter&) override
    {
        return std::nullopt;
    }
};

} // namespace ksy
