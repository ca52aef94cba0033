#include "results/ui/run_analysis_dialog.h"

#include "platform/dialog_parts.h"
#include "platform/print_file.h"
#include "reports/ui/drawing_view.h"
#include "reports/ui/report_pdf.h"
#include "reports/ui/report_printer.h"
#include "results/run_analysis_layout.h"
#include "results/shown_heading.h"
#include "storage/encoding.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace ksy {
namespace {

QFont arial(bool bold)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(16);
    if (bold)
        f.setWeight(QFont::Bold);
    return f;
}

} // namespace

RunAnalysisDialog::RunAnalysisDialog(RunAnalysisForm form, const WorkFolder& folder,
    FileChooser& files, Prompts& prompts, QWidget* parent)
    : QDialog(parent)
    , form_(std::move(form))
    , folder_(folder)
    , files_(files)
    , prompts_(prompts)
{
    setObjectName(QStringLiteral("DETAILRESULTATS"));
    setWindowTitle(tr("Analyse résultats pilote"));
    auto* column = new QVBoxLayout(this);

    auto* title = new QLabel(qtText(shownHeading(form_.titleLine())), this);
    title->setObjectName(QStringLiteral("title"));
    title->setFont(arial(true));
    column->addWidget(title);
    auto* track = new QLabel(qtText(cp1252ToUtf8(form_.trackLine())), this);
    track->setObjectName(QStringLiteral("track"));
    track->setFont(arial(false));
    column->addWidget(track);

    auto* range = new QHBoxLayout;
    const std::pair<int, QString> edits[] = {
        {6504, tr(" Entre tour ")}, {6505, tr("     et tour ")}};
    for (const auto& [id, label] : edits) {
        auto* caption = new QLabel(label, this);
        caption->setFont(arial(false));
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::number(id));
        edit->setFont(arial(false));
        edit->setFixedWidth(60);
        // Digits only; the form cuts a fourth one.
        edit->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("[0-9]{0,4}")), edit));
        edit->setText(QString::number(id == 6504 ? form_.first() : form_.last()));
        const bool first = id == 6504;
        connect(
            edit, &QLineEdit::textChanged, this, [this, edit, first] { rangeEdited(edit, first); });
        range->addWidget(caption);
        range->addWidget(edit);
    }
    range->addStretch();
    column->addLayout(range);

    auto* synthesisGroup = new QGroupBox(tr("Synthèse du run"), this);
    synthesisGroup->setFont(arial(true));
    auto* synthesisColumn = new QVBoxLayout(synthesisGroup);
    auto* radios = new QHBoxLayout;
    const std::pair<int, QString> views[] = {
        {6501, tr("Données")}, {6502, tr("Histo")}, {6503, tr("Courbe")}};
    for (const auto& [id, label] : views) {
        auto* radio = new QRadioButton(label, synthesisGroup);
        radio->setObjectName(QString::number(id));
        radio->setFont(arial(true));
        const AnalysisView view = id == 6501 ? AnalysisView::Data
            : id == 6502                     ? AnalysisView::Histogram
                                             : AnalysisView::Curve;
        radio->setChecked(form_.view() == view);
        connect(radio, &QRadioButton::toggled, this, [this, view](bool on) {
            if (!on)
                return;
            form_.setView(view);
            synthesis_->update();
        });
        radios->addWidget(radio);
    }
    radios->addStretch();
    synthesisColumn->addLayout(radios);
    synthesis_ = new DrawingView(
        folder_, kSynthesisWidth, kSynthesisHeight, [this] { return runSynthesisDrawing(form_); },
        synthesisGroup);
    synthesisColumn->addWidget(synthesis_);
    column->addWidget(synthesisGroup);

    auto* stripGroup = new QGroupBox(tr("Détail tour par tour"), this);
    stripGroup->setObjectName(QStringLiteral("6509"));
    stripGroup->setFont(arial(true));
    auto* stripColumn = new QVBoxLayout(stripGroup);
    strip_ = new DrawingView(
        folder_, kLapStripWidth, kLapStripHeight, [this] { return lapStripDrawing(form_); },
        stripGroup);
    stripColumn->addWidget(strip_);
    stripBar_ = new QScrollBar(Qt::Horizontal, stripGroup);
    stripBar_->setObjectName(QStringLiteral("6511"));
    stripColumn->addWidget(stripBar_);
    showScrollRange(stripBar_, form_.strip());
    connect(stripBar_, &QScrollBar::actionTriggered, this, [this](int action) {
        if (applyScrollAction(stripBar_, action, form_.strip()))
            strip_->update();
    });
    column->addWidget(stripGroup);

    auto* buttons = new QHBoxLayout;
    auto* printButton = new QPushButton(this);
    printButton->setObjectName(QStringLiteral("6510"));
    printButton->setIcon(
        QIcon(QString::fromStdString(folder_.file("images/impression.bmp").string())));
    printButton->setIconSize(QSize(32, 32));
    printButton->setToolTip(tr("Imprimer"));
    printButton->setAccessibleName(tr("Imprimer"));
    // Enter closes the dialog; it never starts a print.
    printButton->setAutoDefault(false);
    connect(printButton, &QPushButton::clicked, this, &RunAnalysisDialog::print);
    auto* pdf = new QPushButton(QStringLiteral("PDF"), this);
    pdf->setObjectName(QStringLiteral("pdf"));
    pdf->setToolTip(tr("Enregistrer l'analyse en PDF"));
    pdf->setAutoDefault(false);
    connect(pdf, &QPushButton::clicked, this, &RunAnalysisDialog::savePdf);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("1"));
    ok->setFont(arial(false));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(printButton);
    buttons->addWidget(pdf);
    buttons->addStretch();
    buttons->addWidget(ok);
    column->addLayout(buttons);
}

void RunAnalysisDialog::rangeEdited(QLineEdit* edit, bool first)
{
    if (syncing_)
        return;
    const std::string text = edit->text().toStdString();
    const std::optional<std::string> shown = first ? form_.editFirst(text) : form_.editLast(text);
    if (shown) {
        syncing_ = true;
        edit->setText(QString::fromStdString(*shown));
        syncing_ = false;
    }
    synthesis_->update();
}

void RunAnalysisDialog::print()
{
    printReport(this, runAnalysisReport(form_.run(), form_.first(), form_.last()), folder_);
}

void RunAnalysisDialog::savePdf()
{
    const ReportDocument report = runAnalysisReport(form_.run(), form_.first(), form_.last());
    saveReportPdf(report, folder_, files_, prompts_,
        proposedReportPdf(report.identity.documentName).toStdString());
}

void RunAnalysisDialog::run(QWidget* parent, const WorkFolder& folder, FileChooser& files,
    Prompts& prompts, AnalysisView& view)
{
    PilotResult result;
    if (!readPilotResult(folder, result)) {
        prompts.error(translate("Results", kPilotResultError.data()));
        result = PilotResult {};
    }
    RunAnalysisDialog dialog(
        RunAnalysisForm(std::move(result), view), folder, files, prompts, parent);
    dialog.exec();
    view = dialog.form().view();
}

} // namespace ksy
