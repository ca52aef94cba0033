#pragma once
// The "Détails pilote" dialog (CATEGORIEPILOTEDETAILS): binds its widgets to
// a ParticipantDetailsForm and drives its 10 ms tick (the scan and the
// blinking indicator). Each widget's object name is its control id ("4302").
#include "planning/participant_details_form.h"

#include <QDialog>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace ksy {

class ParticipantDetailsDialog : public QDialog {
    Q_OBJECT
public:
    ParticipantDetailsDialog(const WorkFolder& folder, SerialLink& port, const Clock& clock,
        Prompts& prompts, QWidget* parent = nullptr);
    ~ParticipantDetailsDialog() override;

    const ParticipantDetailsForm& form() const { return form_; }

    // Opens the participant selected in the race file, runs the dialog and
    // rewrites the list on "OK". True when the dialog was confirmed.
    static bool edit(QWidget* parent, const WorkFolder& folder, SerialLink& port,
        const Clock& clock, Prompts& prompts);

protected:
    void reject() override;

private:
    void tick();
    void scanToggled(bool on);
    void showIndicator();
    void warnSharedTransponder(Prompts& prompts);

    WorkFolder folder_;
    Prompts& prompts_;
    ParticipantDetailsForm form_;
    QTimer* timer_ = nullptr;
    QLineEdit* transponder_ = nullptr;
    QPushButton* scan_ = nullptr;
    QLineEdit* scanState_ = nullptr;
    QLabel* indicator_ = nullptr;
    int shownState_ = -1;
    bool scannedChange_ = false; // the scan changed the number since it began
};

} // namespace ksy
