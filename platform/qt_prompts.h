#pragma once
#include "services/prompts.h"

#include <QPointer>
#include <QWidget>

namespace ksy {

// Message boxes of the desktop: modal over the main window once it exists.
class QtPrompts : public Prompts {
public:
    void setParent(QWidget* parent) { parent_ = parent; }

    void message(const std::string& title, const std::string& text, PromptIcon icon) override;
    Answer askYesNoCancel(const std::string& title, const std::string& text) override;
    Answer askYesNo(const std::string& title, const std::string& text) override;
    Answer askYesNoDefaultNo(const std::string& title, const std::string& text) override;

private:
    QPointer<QWidget> parent_;
};

} // namespace ksy
