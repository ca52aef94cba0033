#include "reports/ui/report_printer.h"

#include "display/text_fit.h"
#include "platform/print_file.h"
#include "platform/qt_canvas.h"
#include "platform/qt_file_chooser.h"
#include "reports/report_export.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace ksy {
namespace {

void setUp(QPrinter& printer, const ReportDocument& doc)
{
    printer.setDocName(QString::fromStdString(doc.identity.documentName));
    printer.setPageOrientation(
        doc.identity.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

// Report heights are font cell heights (ascent plus descent), as the
// printer's font interface takes them; the canvas sizes fonts by their em.
// Arial's cell is 2288 units of its 2048-unit em.
Drawing withEmHeights(const Drawing& page)
{
    Drawing out = page;
    for (Primitive& p : out)
        if (auto* t = std::get_if<TextOp>(&p.op))
            t->font.pixelHeight = (t->font.pixelHeight * 2048 + 1144) / 2288;
    return out;
}

} // namespace

ReportDate currentReportDate()
{
    const QDateTime now = QDateTime::currentDateTime();
    return {now.date().day(), now.date().month(), now.date().year(), now.time().hour(),
        now.time().minute()};
}

bool renderReport(QPrinter& printer, const ReportDocument& doc, const WorkFolder& folder)
{
    if (doc.pages.empty())
        return false;
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    ImageCache images(folder);
    QtCanvas canvas(painter, images);
    for (std::size_t i = 0; i < doc.pages.size(); ++i) {
        if (i > 0 && !printer.newPage())
            return false;
        // One scale for both axes, origin at the top-left of the printable area.
        const QRect area = painter.viewport();
        const IsotropicMapping m = isotropicMapping(doc.identity, area.width(), area.height());
        painter.resetTransform();
        painter.setWindow(0, 0, doc.identity.windowWidth, doc.identity.windowHeight);
        painter.setViewport(0, 0, static_cast<int>(doc.identity.windowWidth * m.scale),
            static_cast<int>(doc.identity.windowHeight * m.scale));
        painter.setRenderHint(QPainter::Antialiasing);
        // Names are cut to their column as this printer measures them.
        replay(fitTexts(withEmHeights(doc.pages[i]), canvas), canvas);
        painter.setViewport(area);
    }
    return painter.end();
}

bool writeReportPdf(const ReportDocument& doc, const WorkFolder& folder, const QString& file)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageSize(QPageSize(QPageSize::A4));
    setUp(printer, doc);
    return renderReport(printer, doc, folder);
}

bool printReport(QWidget* parent, const ReportDocument& doc, const WorkFolder& folder)
{
    QPrinter printer(QPrinter::HighResolution);
    setUp(printer, doc);
    printer.setFromTo(1, 1);
    printer.setCopyCount(1);
    QPrintDialog dialog(&printer, parent);
    proposePrintFile(dialog, doc.identity.documentName);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return renderReport(printer, doc, folder);
}

bool saveReportAsPdf(
    QWidget* parent, const ReportDocument& doc, const WorkFolder& folder, Prompts& prompts)
{
    if (doc.pages.empty())
        return false;
    // Titled as every other save dialog of the program.
    QString name = QFileDialog::getSaveFileName(parent,
        QCoreApplication::translate("Reports", "Enregistrer sous"),
        proposedReportPdf(doc.identity.documentName),
        QCoreApplication::translate("Reports", "Document PDF (.pdf) (*.pdf)"));
    if (name.isEmpty())
        return false;
    if (!name.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        name += QStringLiteral(".pdf");
    if (!writeReportPdf(doc, folder, name)) {
        prompts.error(std::string(kExportFailed));
        return false;
    }
    return true;
}

bool exportReportText(QWidget* parent, std::string_view content, Prompts& prompts)
{
    QtFileChooser chooser;
    chooser.setParent(parent);
    const std::string preset = exportPresetName(QDir::homePath().toStdString());
    return exportText(chooser, prompts, preset, content);
}

} // namespace ksy
