#pragma once
// Printing the reports: the printer dialog (orientation set by the report),
// the isotropic mapping of each logical page onto the printable area, and the
// same pages written to a PDF file, since officials e-mail and publish
// results. Also the save dialog of the text exports.
#include "reports/report_frame.h"
#include "services/prompts.h"
#include "storage/work_folder.h"

#include <QString>
#include <string_view>

class QPrinter;
class QWidget;

namespace ksy {

// The local date and time when printing starts.
ReportDate currentReportDate();

// Paints every page of the report on a printer that is already set up.
// False when the printer could not be started.
bool renderReport(QPrinter& printer, const ReportDocument& doc, const WorkFolder& folder);

// Writes the report as a PDF file (A4, the report's orientation).
bool writeReportPdf(const ReportDocument& doc, const WorkFolder& folder, const QString& file);

// The printer dialog, then the pages. Nothing is printed when the dialog is
// cancelled or the report has no page. The platform's dialog can also print
// to a PDF file. True when pages were printed.
bool printReport(QWidget* parent, const ReportDocument& doc, const WorkFolder& folder);

// Asks for a ".pdf" file name and writes the report there. True when written.
bool saveReportAsPdf(
    QWidget* parent, const ReportDocument& doc, const WorkFolder& folder, Prompts& prompts);

// The text export: the save dialog, the ".txt" rule, the writing. True when
// a file was written.
bool exportReportText(QWidget* parent, std::string_view content, Prompts& prompts);

} // namespace ksy
