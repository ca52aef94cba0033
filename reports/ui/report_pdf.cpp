#include "reports/ui/report_pdf.h"

#include "reports/report_export.h"
#include "reports/ui/report_printer.h"
#include "services/translate.h"

namespace ksy {

bool saveReportPdf(const ReportDocument& doc, const WorkFolder& folder, FileChooser& files,
    Prompts& prompts, const std::string& presetName)
{
    if (doc.pages.empty())
        return false;
    std::optional<std::string> name = files.saveFile(
        presetName, FileFilter {translate("Reports", "Document PDF (.pdf)"), "*.pdf"});
    if (!name || name->empty())
        return false;
    if (name->size() < 4 || name->compare(name->size() - 4, 4, ".pdf") != 0)
        *name += ".pdf";
    if (!writeReportPdf(doc, folder, QString::fromStdString(*name))) {
        prompts.error(std::string(kExportFailed));
        return false;
    }
    return true;
}

} // namespace ksy
