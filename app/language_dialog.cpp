#include "app/language_dialog.h"

#include "platform/dialog_parts.h"
#include "platform/language_setting.h"
#include "services/prompts.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace ksy {

std::optional<InterfaceLanguage> LanguageDialog::run(QWidget* parent, InterfaceLanguage shown)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("languageDialog"));
    // The same words in both languages: whoever reads either finds it.
    dialog.setWindowTitle(QStringLiteral("Langue / Language"));
    auto* column = new QVBoxLayout(&dialog);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(
        QCoreApplication::translate("LanguageDialog", "Langue de l'interface :"), &dialog));
    auto* choice = new QComboBox(&dialog);
    choice->setObjectName(QStringLiteral("language"));
    // Each language is named in itself.
    choice->addItem(QStringLiteral("Français"), QStringLiteral("fr"));
    choice->addItem(QStringLiteral("English"), QStringLiteral("en"));
    choice->setCurrentIndex(shown == InterfaceLanguage::English ? 1 : 0);
    row->addWidget(choice, 1);
    column->addLayout(row);
    column->addWidget(new QLabel(QCoreApplication::translate("LanguageDialog",
                                     "Le changement s'applique au prochain démarrage du "
                                     "programme.\nThe change applies at the next start."),
        &dialog));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    addOkCancel(&dialog, buttons, QCoreApplication::translate("LanguageDialog", "Valider"), 1,
        QCoreApplication::translate("LanguageDialog", "Echap"), 2);
    column->addLayout(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return interfaceLanguageFromCode(choice->currentData().toString().toStdString());
}

void LanguageDialog::edit(QWidget* parent, const WorkFolder& folder, Prompts& prompts)
{
    const InterfaceLanguage kept = readLanguageSetting(folder).value_or(currentInterfaceLanguage());
    const auto chosen = run(parent, kept);
    if (!chosen)
        return;
    if (!writeLanguageSetting(folder, *chosen)) {
        prompts.error(QCoreApplication::translate(
            "LanguageDialog", "Erreur: impossible d'enregistrer la langue choisie.")
                          .toStdString());
        return;
    }
    if (*chosen != currentInterfaceLanguage())
        prompts.message("Langue / Language",
            (*chosen == InterfaceLanguage::English
                    ? QCoreApplication::translate("LanguageDialog",
                          "L'interface sera en anglais au prochain démarrage du programme.")
                    : QCoreApplication::translate("LanguageDialog",
                          "L'interface sera en français au prochain démarrage du programme."))
                .toStdString(),
            PromptIcon::Information);
}

} // namespace ksy
