#pragma once
// The "Options de course" dialog: binds widgets to a RaceOptionsForm, which
// holds every rule. Each widget's object name is its control id ("4404").
#include "planning/race_options_form.h"

#include <QDialog>
#include <map>

class QAbstractButton;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace ksy {

class RaceOptionsDialog : public QDialog {
    Q_OBJECT
public:
    RaceOptionsDialog(RaceOptionsForm form, QWidget* parent = nullptr);

    const RaceOptionsForm& form() const { return form_; }

    // Opens the category's options, runs the dialog and writes the section on
    // "Valider". Returns true when the dialog was confirmed.
    static bool edit(QWidget* parent, const WorkFolder& folder, int category,
                     const std::string& categoryName, Prompts& prompts);

private:
    void clicked(int control);
    void edited(int control, const QString& text);
    void refresh();

    RaceOptionsForm form_;
    std::map<int, QAbstractButton*> buttons_;
    std::map<int, QLineEdit*> edits_;
    std::map<int, QWidget*> others_; // units and groups
    bool refreshing_ = false;
};

} // namespace ksy
