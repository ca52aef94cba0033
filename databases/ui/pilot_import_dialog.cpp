#include "databases/ui/pilot_import_dialog.h"

#include "databases/database_files.h"
#include "databases/database_loaders.h"
#include "platform/dialog_parts.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <chrono>
#include <future>

namespace ksy {
namespace {

// Enough rows to see what will happen; the counts cover them all.
constexpr int kShownRows = 3000;

QString columnName(std::size_t c)
{
    QString name;
    std::size_t n = c + 1;
    while (n > 0) {
        name.prepend(QChar('A' + static_cast<int>((n - 1) % 26)));
        n = (n - 1) / 26;
    }
    return name;
}

QString outcomeText(PilotImportRow::Outcome o)
{
    switch (o) {
    case PilotImportRow::Outcome::Added:
        return QCoreApplication::translate("PilotImport", "ajouté");
    case PilotImportRow::Outcome::Updated:
        return QCoreApplication::translate("PilotImport", "mis à jour");
    case PilotImportRow::Outcome::Refused:
        break;
    }
    return QCoreApplication::translate("PilotImport", "refusé");
}

} // namespace

PilotImportDialog::PilotImportDialog(SheetTable table, std::vector<Pilot> pilots,
    std::optional<std::vector<std::string>> clubs, QWidget* parent)
    : PilotImportDialog(
          std::move(table),
          [this, pilots = std::move(pilots), clubs = std::move(clubs)](const ColumnChoice& c) {
              plan_ = importPilots(table_, c, pilots, clubs ? &*clubs : nullptr);
              ImportPreview preview;
              for (const PilotImportRow& r : plan_.rows) {
                  QString remark = QString::fromStdString(r.reason);
                  for (const auto& w : r.warnings)
                      remark += (remark.isEmpty() ? "" : " ; ") + QString::fromStdString(w);
                  preview.rows.push_back(
                      {r.line, outcomeText(r.outcome), QString::fromStdString(r.name), remark});
              }
              preview.summary = QString::fromStdString(importSummary(plan_));
              preview.importable = plan_.added + plan_.updated > 0;
              return preview;
          },
          tr("Importer des pilotes"), tr("Importer une liste de pilotes"),
          false, parent)
{
    setObjectName("IMPORTPILOTES");
}

PilotImportDialog::PilotImportDialog(SheetTable table, ImportPlanner planner, const QString& title,
    const QString& heading, bool frequency, QWidget* parent)
    : QDialog(parent)
    , table_(std::move(table))
    , planner_(std::move(planner))
    , columns_(matchColumns(table_))
{
    setObjectName("IMPORTLISTE");
    setWindowTitle(title);
    auto* column = new QVBoxLayout(this);
    addBoldHeading(column, heading, this);
    column->addWidget(new QLabel(tr("Colonne de la feuille prise pour chaque champ :"), this));

    const std::vector<std::string> none;
    const std::vector<std::string>& heads =
        columns_.headerRow < table_.rows.size() ? table_.rows[columns_.headerRow].cells : none;
    auto* grid = new QGridLayout;
    column->addLayout(grid);
    // The participant list's frequency is not a field of the pilot database.
    const std::size_t fields = frequency ? kSheetFieldCount : kSheetFieldCount - 1;
    for (std::size_t f = 0; f < fields; ++f) {
        const auto field = static_cast<SheetField>(f);
        auto* box = new QComboBox(this);
        box->setObjectName(QStringLiteral("field%1").arg(f));
        box->addItem(tr("(aucune)"));
        for (std::size_t c = 0; c < heads.size(); ++c)
            box->addItem(columnName(c) + QStringLiteral(" : ") + QString::fromStdString(heads[c]));
        if (const auto c = columns_[field])
            box->setCurrentIndex(static_cast<int>(*c) + 1);
        choosers_[f] = box;
        const int at = static_cast<int>(f);
        grid->addWidget(new QLabel(tr("%1 :").arg(QCoreApplication::translate(
                                       "SheetColumns", sheetFieldLabel(field).data())),
                            this),
            at / 3, (at % 3) * 2);
        grid->addWidget(box, at / 3, (at % 3) * 2 + 1);
        connect(box, &QComboBox::currentIndexChanged, this, [this, field](int index) {
            columns_[field] = index > 0 ? std::optional<std::size_t>(index - 1) : std::nullopt;
            recompute();
        });
    }

    rows_ = new QTableWidget(0, 4, this);
    rows_->setObjectName("rows");
    rows_->setHorizontalHeaderLabels(
        {tr("Ligne"), tr("Résultat"), tr("Nom"), tr("Motif, remarque")});
    rows_->horizontalHeader()->setStretchLastSection(true);
    rows_->verticalHeader()->hide();
    rows_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    rows_->setMinimumSize(760, 300);
    column->addWidget(rows_);
    summary_ = new QLabel(this);
    summary_->setObjectName("summary");
    column->addWidget(summary_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    import_ = new QPushButton(tr("Importer"), this);
    import_->setObjectName("1");
    auto* cancel = new QPushButton(tr("Echap"), this);
    cancel->setObjectName("2");
    buttons->addWidget(import_);
    buttons->addWidget(cancel);
    column->addLayout(buttons);
    connect(import_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    recompute();
}

void PilotImportDialog::chooseColumn(SheetField field, std::optional<std::size_t> column)
{
    choosers_[static_cast<std::size_t>(field)]->setCurrentIndex(
        column ? static_cast<int>(*column) + 1 : 0);
}

void PilotImportDialog::recompute()
{
    const ImportPreview preview = columns_.hasName() ? planner_(columns_) : ImportPreview {};
    const std::size_t shown = std::min(preview.rows.size(), static_cast<std::size_t>(kShownRows));
    rows_->setRowCount(static_cast<int>(shown));
    for (std::size_t i = 0; i < shown; ++i) {
        const ImportPreviewRow& r = preview.rows[i];
        const QString cells[] = {QString::number(r.line), r.outcome, r.name, r.remark};
        for (int c = 0; c < 4; ++c)
            rows_->setItem(static_cast<int>(i), c, new QTableWidgetItem(cells[c]));
    }
    rows_->resizeColumnsToContents();
    QString text = preview.summary;
    if (!columns_.hasName())
        text = tr("Aucune colonne de nom : choisissez « Nom complet » ou « Nom ».");
    else if (preview.rows.size() > shown)
        text += tr(" (les %1 premières lignes sont montrées)").arg(kShownRows);
    summary_->setText(text);
    import_->setEnabled(columns_.hasName() && preview.importable);
}

FileFilter entryListFilter()
{
    return {
        QCoreApplication::translate("PilotImport", "Listes (.csv .xlsx .ods .txt)").toStdString(),
        "*.csv *.xlsx *.ods *.txt *.CSV *.XLSX *.ODS"};
}

SheetRead readSheetShowingProgress(QWidget* parent, const std::string& fileUtf8)
{
    const std::filesystem::path file(std::u8string(fileUtf8.begin(), fileUtf8.end()));
    auto reading = std::async(std::launch::async, [file] { return readSheetFile(file); });
    // A short read shows nothing; a long one a busy bar, the window repainted.
    QProgressDialog progress(QCoreApplication::translate("PilotImport", "Lecture de la liste..."),
        QString(), 0, 0, parent);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(400);
    while (reading.wait_for(std::chrono::milliseconds(30)) != std::future_status::ready) {
        progress.setValue(0);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    return reading.get();
}

std::optional<std::vector<Pilot>> importPilotList(QWidget* parent, FileChooser& files,
    Prompts& prompts, const WorkFolder& folder, const std::vector<Pilot>& pilots)
{
    const auto chosen = files.openFile(folder.root().string(), entryListFilter());
    if (!chosen)
        return std::nullopt;
    SheetRead read = readSheetShowingProgress(parent, *chosen);
    if (!read.table) {
        prompts.error(read.error);
        return std::nullopt;
    }
    const LoadedTable<Club> clubs = loadClubs(folder.file(kClubFile));
    std::optional<std::vector<std::string>> names;
    if (clubs.opened)
        names = clubNames(clubs.records);
    PilotImportDialog dialog(std::move(*read.table), pilots, std::move(names), parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.plan().pilots;
}

} // namespace ksy
