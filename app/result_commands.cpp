#include "app/result_commands.h"

#include "app/main_window.h"
#include "app/menu_table.h"
#include "app/race_control.h"
#include "platform/print_file.h"
#include "platform/sheet_save.h"
#include "reports/ui/report_pdf.h"
#include "reports/ui/report_printer.h"
#include "results/heat_comment_file.h"
#include "results/heat_sheet.h"
#include "results/ranking_sheets.h"
#include "results/run_analysis.h"
#include "results/ui/heat_comment_dialog.h"
#include "results/ui/heat_results_dialog.h"
#include "results/ui/run_analysis_dialog.h"
#include "session/shown_heat_sheet.h"
#include "timing/heat_result_files.h"

#include <memory>

namespace ksy {
namespace {

// The sheet of the heat on the board, its standings prepared for printing.
HeatSheet heatOnTheBoard(RaceControl& control, const WorkFolder& folder)
{
    control.closeOverlays();
    HeatSheet sheet = shownHeatSheet(control.run(), control.session(), folder);
    control.repaint();
    return sheet;
}

} // namespace

void registerResultCommands(
    MainWindow& window, RaceControl& control, const WorkFolder& folder, AppServices services)
{
    CommandRouter& r = window.commands();
    r.add(cmd::HeatResultDetails, [&window, &control, folder, services] {
        const HeatRun& run = control.run();
        if (!writeHeatDetail(folder, run.entries(), keyword(run.options().ranking)))
            services.prompts.error(std::string(kHeatDetailError));
        HeatResultsDialog::run(&window, folder, services.prompts);
    });
    r.add(cmd::HeatComment, [&window, &control, folder, services] {
        HeatResultTexts& texts = control.session().texts();
        if (!writeHeatComment(folder, texts.condition, texts.comment))
            services.prompts.error(std::string(kHeatCommentError));
        HeatCommentDialog::run(&window, folder, services.prompts);
        // The next store of the heat writes them into the race file; a file
        // that vanished meanwhile leaves them as they were.
        if (!readHeatComment(folder, texts.condition, texts.comment))
            services.prompts.error(std::string(kHeatCommentError));
    });
    // Never while a heat is armed or running or a scan is on, even from a script.
    r.add(cmd::PrintHeatSheet, [&window, &control, folder] {
        if (control.active())
            return;
        printReport(&window, heatSheetReport(heatOnTheBoard(control, folder)), folder);
    });
    r.add(cmd::HeatSheetPdf, [&control, folder, services] {
        if (control.active())
            return;
        // Proposed under the report's name where documents are kept, as the
        // printer dialog's "print to file" does.
        const ReportDocument sheet = heatSheetReport(heatOnTheBoard(control, folder));
        saveReportPdf(sheet, folder, services.files, services.prompts,
            proposedPdfNamed(heatSheetFileName(control.session().headings())).toStdString());
    });
    // The same sheet as a spreadsheet, proposed under the same name.
    r.add(cmd::HeatSheetSpreadsheet, [&control, folder, services] {
        if (control.active())
            return;
        const HeatSheet sheet = heatOnTheBoard(control, folder);
        if (sheet.standings.count == 0)
            return;
        saveSheetAs(heatSheetSheet(sheet), services.files, services.prompts,
            proposedSheetNamed(heatSheetFileName(control.session().headings())));
    });
    // The view of the analysis is kept for the program's run.
    auto view = std::make_shared<AnalysisView>(AnalysisView::Data);
    control.setPilotAnalysisOpener([&window, folder, services, view] {
        RunAnalysisDialog::run(&window, folder, services.files, services.prompts, *view);
    });
}

} // namespace ksy
