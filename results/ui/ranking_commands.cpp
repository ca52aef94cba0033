#include "results/ui/ranking_commands.h"

#include "platform/sheet_save.h"
#include "reports/report_export.h"
#include "reports/ui/report_printer.h"
#include "results/ranking_sheets.h"
#include "results/ui/global_ranking_dialog.h"
#include "results/ui/round_ranking_dialog.h"
#include "storage/race_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QPushButton>
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

// "Tableur", just right of "Sauvegarder": the same rows as the text export,
// saved as .xlsx or as CSV for French Excel.
void addSheetButton(QDialog& dialog, int exportControl, std::function<std::string()> exportText,
    std::string sheetName, Prompts& prompts, FileChooser& files)
{
    auto* beside = dialog.findChild<QPushButton*>(QString::number(exportControl));
    if (!beside)
        return;
    auto* b = new QPushButton(QStringLiteral("xlsx"), &dialog);
    b->setObjectName("sheet");
    b->setToolTip(
        QCoreApplication::translate("Rankings", "Enregistrer en tableur (.xlsx ou .csv)"));
    b->setGeometry(beside->geometry().translated(beside->width() + 6, 0));
    QObject::connect(b, &QPushButton::clicked, &dialog, [=, &prompts, &files] {
        saveSheetAs(
            exportTextSheet(exportText(), sheetName), files, prompts, rankingExportPreset());
    });
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
    addSheetButton(dialog, RoundRankingForm::ExportButton, [&form] { return form.exportText(); },
        "Classement manche", prompts, files);
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
    addSheetButton(dialog, GlobalRankingForm::ExportButton, [&form] { return form.exportText(); },
        "Classement global", prompts, files);
    dialog.exec();
}

} // namespace ksy
