#pragma once
// The INTERFACE dialog: binds its widgets to an InterfaceForm, which holds
// every rule (timing/interface_form.h). Widget object names are the control
// ids ("3901" ... "3909", "1" for "Ok").
#include "storage/work_folder.h"
#include "timing/interface_form.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QRadioButton;

namespace ksy {

class InterfaceDialog : public QDialog {
    Q_OBJECT
public:
    InterfaceDialog(InterfaceForm& form, WorkFolder folder, QWidget* parent = nullptr);

    // "Ouvrir" as the button does it (also for tests).
    void openChosenPort();

private:
    void showForm();

    InterfaceForm& form_;
    WorkFolder folder_;
    QRadioButton* rc1_ = nullptr;
    QRadioButton* rc2_ = nullptr;
    QComboBox* ports_ = nullptr;
    QPlainTextEdit* messages_ = nullptr;
    QLabel* indicator_ = nullptr;
};

// Menu "Interface": stops the RC2 link watch, runs the dialog modally and
// makes the next tick reload the settings.
void runInterfaceDialog(DecoderLink& link, Prompts& prompts, const WorkFolder& folder,
                        QWidget* parent);

} // namespace ksy
