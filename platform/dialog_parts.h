#pragma once
// Pieces the option and editor dialogs build the same way.
#include <QString>
#include <string_view>

class QBoxLayout;
class QDialog;
class QWidget;

namespace ksy {

// A UTF-8 text of the logic code (a form's caption, title or message).
QString qtText(std::string_view utf8);

// Adds the "Ok" and "Cancel" buttons to row: ok is the default button and
// accepts the dialog, cancel rejects it. Each is named after its control
// number, which is how the tests find them.
void addOkCancel(QDialog* dialog, QBoxLayout* row, const QString& okText, int okControl,
    const QString& cancelText, int cancelControl);

// Adds a bold heading line to column.
void addBoldHeading(QBoxLayout* column, const QString& text, QWidget* parent);

} // namespace ksy
