#pragma once
// The "Grilles de départs des qualifications" dialog: one edit of letters a
// round, bound to a StartingGridForm. "OK" stays open on invalid input;
// closing in any other way lets the form write the identity grids when no
// grid for the current plan was stored. Widgets are named by control id.
#include "planning/starting_grid_form.h"

#include <QDialog>
#include <map>

class QLineEdit;

namespace ksy {

class StartingGridDialog : public QDialog {
    Q_OBJECT
public:
    StartingGridDialog(StartingGridForm& form, QWidget* parent = nullptr);

    const StartingGridForm& form() const { return form_; }

    // Closing without "OK" (window close, Escape).
    void reject() override;

private:
    void edited(int control, const QString& text);
    void confirm();

    StartingGridForm& form_;
    std::map<int, QLineEdit*> edits_;
};

} // namespace ksy
