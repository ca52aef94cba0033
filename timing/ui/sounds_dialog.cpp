#include "timing/ui/sounds_dialog.h"

#include "platform/dialog_parts.h"

#include <QCoreApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ksy {

namespace {
using F = SoundSettingsForm;

QString textOf(int control)
{
    return QCoreApplication::translate("SoundSettings", std::string(F::textOf(control)).c_str());
}
} // namespace

SoundsDialog::SoundsDialog(SoundSettingsForm form, QWidget* parent)
    : QDialog(parent)
    , form_(std::move(form))
{
    setWindowTitle(QCoreApplication::translate("SoundSettings", std::string(F::kTitle).c_str()));
    setObjectName("SONS");
    auto* column = new QVBoxLayout(this);

    auto bind = [this](QAbstractButton* button, int control) {
        button->setObjectName(QString::number(control));
        buttons_[control] = button;
        // The form decides what a click means; the widgets only show it.
        connect(button, &QAbstractButton::clicked, this, [this, control] {
            form_.click(control);
            refresh();
        });
    };

    auto* language = new QGroupBox(this);
    auto* languageRow = new QHBoxLayout(language);
    // Not exclusive: with an unknown language in the file neither is checked.
    auto* languageGroup = new QButtonGroup(language);
    languageGroup->setExclusive(false);
    for (int control : {F::English, F::French}) {
        auto* radio = new QRadioButton(textOf(control), language);
        languageGroup->addButton(radio);
        languageRow->addWidget(radio);
        bind(radio, control);
    }
    column->addWidget(language);

    for (int control = F::FirstSwitch; control < F::FirstSwitch + int(kSoundSwitchCount);
         ++control) {
        auto* box = new QCheckBox(textOf(control), this);
        column->addWidget(box);
        bind(box, control);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    addOkCancel(this, buttons, textOf(F::Ok), F::Ok, textOf(F::Cancel), F::Cancel);
    column->addLayout(buttons);

    refresh();
}

void SoundsDialog::refresh()
{
    for (auto& [control, button] : buttons_)
        button->setChecked(form_.isChecked(control));
}

bool SoundsDialog::edit(QWidget* parent, const WorkFolder& folder, Prompts& prompts)
{
    SoundSettingsForm form;
    form.open(folder, prompts);
    SoundsDialog dialog(std::move(form), parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    dialog.form().confirm(folder, prompts);
    return true;
}

} // namespace ksy
