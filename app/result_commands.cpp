#include "app/result_commands.h"

#include "app/main_window.h"
#include "app/menu_table.h"
#include "app/race_control.h"
#include "planning/race_track.h"
#include "platform/print_file.h"
#include "reports/ui/report_pdf.h"
#include "reports/ui/report_printer.h"
#include "results/heat_comment_file.h"
#include "results/heat_sheet.h"
#include "results/run_analysis.h"
#include "results/ui/heat_comment_dialog.h"
#include "results/ui/heat_results_dialog.h"
#include "results/ui/run_analysis_dialog.h"
#include "storage/encoding.h"
#include "storage/race_file.h"
#include "timing/heat_result_files.h"

#include <memory>

namespace ksy {
namespace {

// The sheet of the heat on the board, its standings prepared for printing.
ReportDocument shownHeatSheet(RaceControl& control, const WorkFolder& folder)
{
    control.closeOverlays();
    const HeatRun& run = control.run();
    HeatSheet sheet;
    sheet.standings =
        sheetStandings(run.entries(), run.standings(), run.state().ready, run.options());
    const HeatSession& session = control.session();
    sheet.category = session.headings().category;
    sheet.roundAndHeat = session.headings().roundAndHeat;
    RaceTrack track;
    readRaceTrack(workingRaceFile(folder), track);
    sheet.course = sheetCourseHeading(track.raceName, track.trackName);
    sheet.texts = session.texts();
    control.repaint();
    return heatSheetReport(sheet);
}

// "Classe 5 - Manche1 - Série2": one heat's sheet never replaces another's.
std::string heatFileName(const HeatHeadings& h)
{
    std::string category = cp1252ToUtf8(h.category);
    if (const auto colon = category.find(" : "); colon != std::string::npos)
        category.erase(0, colon + 3);
    const std::string heat = cp1252ToUtf8(h.roundAndHeat);
    return category.empty() ? heat : category + " - " + heat;
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
        printReport(&window, shownHeatSheet(control, folder), folder);
    });
    r.add(cmd::HeatSheetPdf, [&control, folder, services] {
        if (control.active())
            return;
        // Proposed under the report's name where documents are kept, as the
        // printer dialog's "print to file" does.
        const ReportDocument sheet = shownHeatSheet(control, folder);
        saveReportPdf(sheet, folder, services.files, services.prompts,
            proposedPdfNamed(heatFileName(control.session().headings())).toStdString());
    });
    // The view of the analysis is kept for the program's run.
    auto view = std::make_shared<AnalysisView>(AnalysisView::Data);
    control.setPilotAnalysisOpener([&window, folder, services, view] {
        RunAnalysisDialog::run(&window, folder, services.files, services.prompts, *view);
    });
}

} // namespace ksy
