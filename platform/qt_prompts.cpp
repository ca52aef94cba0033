#include "platform/qt_prompts.h"

#include "services/translate.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMessageBox>

namespace ksy {
namespace {

// A whole title or text of the program, in the official's language when the
// catalogue has it (the fixed messages are marked for it where they are
// written); a text with values in it arrives already translated.
QString shown(const std::string& text)
{
    return QCoreApplication::translate("Prompts", text.c_str());
}

QMessageBox::Icon toQt(PromptIcon icon)
{
    switch (icon) {
    case PromptIcon::Information:
        return QMessageBox::Information;
    case PromptIcon::Exclamation:
        return QMessageBox::Warning;
    case PromptIcon::Stop:
        return QMessageBox::Critical;
    case PromptIcon::Question:
        return QMessageBox::Question;
    case PromptIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

Answer ask(QWidget* parent, const std::string& title, const std::string& text,
    QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(QMessageBox::Question, shown(title), shown(text), buttons, parent);
    box.setDefaultButton(defaultButton);
    box.button(QMessageBox::Yes)->setText(QCoreApplication::translate("Prompts", "Oui"));
    box.button(QMessageBox::No)->setText(QCoreApplication::translate("Prompts", "Non"));
    if (buttons & QMessageBox::Cancel)
        box.button(QMessageBox::Cancel)->setText(QCoreApplication::translate("Prompts", "Echap"));
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        break;
    }
    // Closing a Yes/No box with Escape counts as No: there is no Cancel to give.
    return (buttons & QMessageBox::Cancel) ? Answer::Cancel : Answer::No;
}

} // namespace

void QtPrompts::message(const std::string& title, const std::string& text, PromptIcon icon)
{
    QMessageBox box(toQt(icon), shown(title), shown(text), QMessageBox::Ok, parent_);
    box.exec();
}

Answer QtPrompts::askYesNoCancel(const std::string& title, const std::string& text)
{
    return ask(parent_, title, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
        QMessageBox::Yes);
}

Answer QtPrompts::askYesNo(const std::string& title, const std::string& text)
{
    return ask(parent_, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
}

Answer QtPrompts::askYesNoDefaultNo(const std::string& title, const std::string& text)
{
    return ask(parent_, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
}

} // namespace ksy
