#pragma once
// The SONS dialog ("Options du son"): binds a language radio pair and seven
// check boxes to a SoundSettingsForm, which holds the rules. Each widget's
// object name is its control id ("3705").
#include "timing/sound_settings_form.h"

#include <QDialog>
#include <map>

class QAbstractButton;

namespace ksy {

class SoundsDialog : public QDialog {
    Q_OBJECT
public:
    explicit SoundsDialog(SoundSettingsForm form, QWidget* parent = nullptr);

    const SoundSettingsForm& form() const { return form_; }

    // Opens the settings file, runs the dialog and writes the file on "Ok".
    // Returns true when the dialog was confirmed.
    static bool edit(QWidget* parent, const WorkFolder& folder, Prompts& prompts);

private:
    void refresh();

    SoundSettingsForm form_;
    std::map<int, QAbstractButton*> buttons_;
};

} // namespace ksy
