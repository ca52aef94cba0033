#pragma once
// The dialog COURSEPARCOURS ("Piste"): binds widgets to a RaceTrackForm, which
// holds every rule. Each widget's object name is its control id ("4109").
#include "planning/race_track_form.h"

#include <QDialog>
#include <map>

class QComboBox;
class QLineEdit;

namespace ksy {

class RaceTrackDialog : public QDialog {
    Q_OBJECT
public:
    explicit RaceTrackDialog(RaceTrackForm form, QWidget* parent = nullptr);

    const RaceTrackForm& form() const { return form_; }

    // Opens the race's track, runs the dialog and writes the section on
    // "Valider". Returns true when the dialog was confirmed.
    static bool edit(QWidget* parent, const WorkFolder& folder, Prompts& prompts);

private:
    void refresh();

    RaceTrackForm form_;
    std::map<int, QLineEdit*> edits_;
    QComboBox* clubs_ = nullptr;
    QComboBox* courses_ = nullptr;
    bool refreshing_ = false;
};

} // namespace ksy
