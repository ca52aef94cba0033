#pragma once
// The "Répartition des séries" dialog: binds its widgets to a
// HeatCompositionForm and paints the form's list with the Qt canvas at the
// dialog's own pixel positions, where its arrows are clicked. Each widget's
// object name is its control id ("4502").
#include "planning/heat_composition_form.h"
#include "platform/qt_canvas.h"
#include "reports/report_frame.h"

#include <QDialog>
#include <functional>
#include <map>

class QLineEdit;
class QPushButton;
class QScrollBar;

namespace ksy {

// Prints a report (printer dialog included); the dialog hands it its pages.
using ReportPrinter = std::function<void(const ReportDocument&)>;

class HeatCompositionDialog : public QDialog {
    Q_OBJECT
public:
    HeatCompositionDialog(HeatCompositionForm& form, const WorkFolder& folder, SoundPlayer& sounds,
        ReportPrinter print, QWidget* parent = nullptr);

    const HeatCompositionForm& form() const { return form_; }
    QScrollBar* scrollBar() const { return scrollBar_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void edited(int control, const QString& text);
    void scrollAction(int action);
    void syncScrollBar();
    void generate();
    void print();

    HeatCompositionForm& form_;
    SoundPlayer& sounds_;
    ReportPrinter print_;
    ImageCache images_;
    std::map<int, QLineEdit*> edits_;
    QScrollBar* scrollBar_ = nullptr;
    QPushButton* generate_ = nullptr;
    bool syncing_ = false;
};

} // namespace ksy
