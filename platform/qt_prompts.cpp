#include "platform/qt_prompts.h"

#include "platform/french_translations.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace ksy {
namespace {

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
    QMessageBox box(QMessageBox::Question, QString::fromStdString(title),
        QString::fromStdString(text), buttons, parent);
    box.setDefaultButton(defaultButton);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Oui"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Non"));
    if (buttons & QMessageBox::Cancel)
        box.button(QMessageBox::Cancel)->setText(QString::fromUtf8(kCancelWord));
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
    QMessageBox box(toQt(icon), QString::fromStdString(title), QString::fromStdString(text),
        QMessageBox::Ok, parent_);
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
