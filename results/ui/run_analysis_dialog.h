#pragma once
// "Analyse résultats pilote": the laps of the pilot whose board row was
// Ctrl-clicked, read from "ResultatPilote.res". Two edits choose the lap
// range, three radio buttons the view (remembered by the caller for the
// program's run), a strip shows seven laps at a time; "Imprimer" prints the
// three views on one page and "PDF" saves that page.
#include "results/run_analysis.h"
#include "services/file_chooser.h"
#include "services/prompts.h"
#include "storage/work_folder.h"

#include <QDialog>
#include <map>

class QLineEdit;
class QScrollBar;

namespace ksy {

class DrawingView;

class RunAnalysisDialog : public QDialog {
    Q_OBJECT
public:
    RunAnalysisDialog(RunAnalysisForm form, const WorkFolder& folder, FileChooser& files,
        Prompts& prompts, QWidget* parent = nullptr);

    // Reads the file (its box on failure, then an empty run), runs the
    // dialog and keeps the view it was left in.
    static void run(QWidget* parent, const WorkFolder& folder, FileChooser& files, Prompts& prompts,
        AnalysisView& view);

    const RunAnalysisForm& form() const { return form_; }
    DrawingView* synthesis() const { return synthesis_; }
    DrawingView* strip() const { return strip_; }

private:
    void rangeEdited(QLineEdit* edit, bool first);
    void print();
    void savePdf();

    RunAnalysisForm form_;
    WorkFolder folder_;
    FileChooser& files_;
    Prompts& prompts_;
    DrawingView* synthesis_ = nullptr;
    DrawingView* strip_ = nullptr;
    QScrollBar* stripBar_ = nullptr;
    bool syncing_ = false;
};

} // namespace ksy
