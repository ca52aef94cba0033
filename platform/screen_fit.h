#pragma once
// Dialogs on a small screen. A dialog whose frame would not fit the room the
// screen leaves (a 1366 × 768 laptop, a task bar) keeps its controls at their
// places inside a scroll area as large as that room, and its push buttons
// ("Valider", "Echap", ...) under the scroll area, always visible. A dialog
// that fits is left exactly as it was built.
#include <QMargins>
#include <QObject>
#include <QRect>

class QDialog;

namespace ksy {

// What the window manager adds around a dialog when it cannot tell yet (the
// dialog is not mapped): a title bar and thin borders.
inline constexpr QMargins kAssumedFrame {4, 32, 4, 4};

// Rearranges dialog for the free room of its screen (available geometry, in
// global coordinates) when its frame does not fit it, and places it inside.
// True when the dialog was rearranged (or already had been).
bool fitDialogToRoom(QDialog* dialog, const QRect& room);

// Widens the detail columns of Qt's file dialog so that no heading is cut.
void widenFileDialogColumns(QDialog* dialog);

// Watches every dialog of the application as it is shown and fits it to the
// screen it opens on. One lives as long as the program's windows.
class ScreenFit : public QObject {
public:
    explicit ScreenFit(QObject* parent = nullptr);
    ~ScreenFit() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace ksy
