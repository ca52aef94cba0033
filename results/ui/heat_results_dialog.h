#pragma once
// "Résultats détaillés série": the heat's passing times, lap times and
// positions read from "DetailResultats.res", which the main window has just
// written. Nothing is written; "Ok" closes. Each control is named after its
// control number ("6301").
#include "results/heat_results_view.h"
#include "services/prompts.h"
#include "storage/work_folder.h"

#include <QDialog>

class QScrollBar;

namespace ksy {

class DrawingView;

class HeatResultsDialog : public QDialog {
    Q_OBJECT
public:
    HeatResultsDialog(HeatResultsView view, const WorkFolder& folder, QWidget* parent = nullptr);

    // Reads the file (its box on failure, then an empty table) and runs the
    // dialog.
    static void run(QWidget* parent, const WorkFolder& folder, Prompts& prompts);

    const HeatResultsView& view() const { return view_; }
    DrawingView* area() const { return area_; }

private:
    void chooseMode(HeatResultsMode mode);
    void scrolled(QScrollBar* bar, int action, ScrollRange& range);

    HeatResultsView view_;
    DrawingView* area_ = nullptr;
};

} // namespace ksy
