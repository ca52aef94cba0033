#include "platform/unattended.h"

namespace ksy {

std::string UnattendedPrompts::oneLine(const std::string& title, const std::string& text)
{
    std::string line = title + ": ";
    for (char c : text) {
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
