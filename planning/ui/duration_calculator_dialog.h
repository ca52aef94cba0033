#pragma once
// The "Timing de la course" dialog (TIMINGCOURSE): binds its edits to a
// DurationCalculatorForm over values that the caller keeps between openings.
#include "planning/duration_calculator.h"

#include <QDialog>

class QLineEdit;

namespace ksy {

class DurationCalculatorDialog : public QDialog {
    Q_OBJECT
public:
    DurationCalculatorDialog(DurationCalculation& values, QWidget* parent = nullptr);

    // Runs the dialog over the values kept for the program's run.
    static void run(QWidget* parent, DurationCalculation& values);

private:
    void showResults();

    DurationCalculatorForm form_;
    QLineEdit* label_ = nullptr;
    QLineEdit* totalHeats_ = nullptr;
    QLineEdit* totalDuration_ = nullptr;
};

} // namespace ksy
