#include "platform/unattended.h"

#include "services/translate.h"

namespace ksy {

std::string UnattendedPrompts::oneLine(const std::string& title, const std::string& text)
{
    // The box's words as the official would read them; the answer after them
    // is the log's own mark and stays as it is.
    std::string line = translate("Prompts", title.c_str()) + ": ";
    for (char c : translate("Prompts", text.c_str())) {
        if (c == '\n')
            line += "\\n";
        else if (c == '\r')
            line += "\\r";
        else
            line += c;
    }
    return line;
}

void UnattendedPrompts::message(const std::string& title, const std::string& text, PromptIcon)
{
    out_ << oneLine(title, text) << std::endl;
}

Answer UnattendedPrompts::askYesNoCancel(const std::string& title, const std::string& text)
{
    out_ << oneLine(title, text) << " -> Oui" << std::endl;
    return Answer::Yes;
}

Answer UnattendedPrompts::askYesNo(const std::string& title, const std::string& text)
{
    out_ << oneLine(title, text) << " -> Oui" << std::endl;
    return Answer::Yes;
}

} // namespace ksy
