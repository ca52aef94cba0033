#pragma once
#include <string>

namespace ksy {

enum class PromptIcon { None, Information, Exclamation, Stop, Question };
enum class Answer { Yes, No, Cancel };

// Message boxes and questions. All texts are UTF-8 (the UI side); callers
// convert names read from files (Windows-1252) before putting them in a text.
class Prompts {
public:
    virtual ~Prompts() = default;
    virtual void message(const std::string& title, const std::string& text,
                         PromptIcon icon) = 0;
    // Yes / No / Cancel question; the default answer is Yes.
    virtual Answer askYesNoCancel(const std::string& title, const std::string& text) = 0;
    // Yes / No question; the default answer is Yes.
    virtual Answer askYesNo(const std::string& title, const std::string& text) = 0;
    // A Yes / No question whose "Oui" erases or overwrites: its default
    // answer is No, so that a reflex Enter keeps what is there.
    virtual Answer askYesNoDefaultNo(const std::string& title, const std::string& text)
    {
        return askYesNo(title, text);
    }

    // The program's error box: title "Erreur", the text starts with "Erreur".
    void error(const std::string& text) { message("Erreur", text, PromptIcon::Stop); }
};

} // namespace ksy
