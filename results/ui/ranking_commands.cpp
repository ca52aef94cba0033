#include "results/ui/ranking_commands.h"

#include "reports/report_export.h"
#include "reports/ui/report_printer.h"
#include "results/ui/global_ranking_dialog.h"
#include "results/ui/round_ranking_dialog.h"
#include "storage/race_file.h"

#include <QDir>
#include <QStandardPaths>

namespace ksy {
namespace {

RankingPrinter printer(QWidget* parent, const WorkFolder& folder)
{
    return [parent, folder](const ReportDocument& doc) { printReport(parent, doc, folder); };
}

RankingExporter exporter(Prompts& prompts, FileChooser& files)
{
    return [&prompts, &files](const std::string& bytes) {
        exportText(files, prompts, rankingExportPreset(), bytes);
    };
}

} // namespace

std::string rankingExportPreset()
{
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = QDir::homePath();
    QDir(documents).mkpath(QStringLiteral("KESTRAMETRIX"));
    return exportPresetName(documents.toStdString());
}

void runRoundRankingDialog(
    QWidget* parent, const WorkFolder& folder, int code, Prompts& prompts, FileChooser& files)
{
    const int category = code / 10000;
    const int round = code % 10000 - 3950;
    if (category < 1 || category > kMaxCategories || round < 1 || round > kMaxRounds)
        return;
    RoundRankingForm form(workingRaceFile(folder), category, round, prompts);
    RoundRankingDialog dialog(
        form, folder, printer(parent, folder), exporter(prompts, files), parent);
    dialog.exec();
}

void runGlobalRankingDialog(
    QWidget* parent, const WorkFolder& folder, int code, Prompts& prompts, FileChooser& files)
{
    const int category = code / 10000;
    if (category < 1 || category > kMaxCategories || code % 10000 != 3990)
        return;
    GlobalRankingForm form(workingRaceFile(folder), category, prompts);
    GlobalRankingDialog dialog(
        form, folder, printer(parent, folder), exporter(prompts, files), parent);
    dialog.exec();
}

} // namespace ksy
