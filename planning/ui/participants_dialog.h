#pragma once
// The "Liste des pilotes" dialog (CATEGORIEPILOTES): binds its widgets to a
// ParticipantsForm, which holds every rule. Each widget's object name is its
// control id ("4205").
#include "planning/participants_form.h"

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace ksy {

class ParticipantsDialog : public QDialog {
    Q_OBJECT
public:
    ParticipantsDialog(
        const WorkFolder& folder, int category, Prompts& prompts, QWidget* parent = nullptr);

    const ParticipantsForm& form() const { return form_; }

    // Opens the category's list, runs the dialog and writes on "Valider".
    // True when the dialog was confirmed.
    static bool edit(QWidget* parent, const WorkFolder& folder, int category, Prompts& prompts);

    // "Importer la liste…" with the file already chosen: reads it, previews
    // what will be done, and on "Importer" enters its rows.
    void importList(const std::string& fileUtf8);
    // "xlsx" with the file already chosen: the list as .xlsx or CSV, as the
    // name ends. False when not written (its box is shown).
    bool saveSheet(const std::string& fileUtf8);

private:
    void chooseList();
    void enter();
    void remove();
    void validate();
    void print();
    void savePdf();
    void chooseSheetFile();
    void refill();

    WorkFolder folder_;
    Prompts& prompts_;
    ParticipantsForm form_;
    QLineEdit* count_ = nullptr;
    QListWidget* participants_ = nullptr;
    QListWidget* database_ = nullptr;
};

} // namespace ksy
