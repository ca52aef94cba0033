#pragma once
// What the two ranking dialogs share: the painted table with its scroll bar,
// the bitmap buttons "Imprimer" and "Sauvegarder", and the two push buttons.
#include "reports/report_frame.h"
#include "results/ranking_view.h"
#include "storage/work_folder.h"

#include <QDialog>
#include <QString>
#include <functional>
#include <string>
#include <string_view>

class QPushButton;
class QScrollBar;

namespace ksy {

// Prints a report (printer dialog included) and exports a text (save dialog
// included); the dialogs hand them their pages and their bytes.
using RankingPrinter = std::function<void(const ReportDocument&)>;
using RankingExporter = std::function<void(const std::string& windows1252)>;

class RankingDialogBase : public QDialog {
    Q_OBJECT
public:
    QScrollBar* scrollBar() const { return scrollBar_; }

protected:
    RankingDialogBase(const WorkFolder& folder, RankingScroll& scroll, QWidget* parent);

    // A bitmap button ("Imprimer" or "Sauvegarder") named after its control.
    QPushButton* bitmapButton(int control, const char* bitmap, const QString& tip, int x, int y);
    // The scroll bar right of a table of the given right edge.
    void addScrollBar(int control, int tableRight);
    // "Valider" and "Echap" at the bottom right of a dialog of that width.
    QPushButton* addValidateAndCancel(int width);
    // The scroll bar follows the form.
    void syncScrollBar();
    // The table region after a change.
    void repaintTable();
    // The dialog's fixed size; the table is painted on a surface of that
    // size, which a small screen scrolls with the controls over it.
    void setDialogSize(int width, int height);
    virtual Drawing tableDrawing() const = 0;

private:
    void scrollAction(int action);

    WorkFolder folder_;
    RankingScroll& scroll_;
    QScrollBar* scrollBar_ = nullptr;
    QWidget* surface_ = nullptr;
};

QString qsUtf8(std::string_view utf8);
ReportDate reportDateNow();

} // namespace ksy
