#include "planning/ui/participants_dialog.h"

#include "databases/ui/pilot_import_dialog.h"
#include "planning/participants_report.h"
#include "planning/participants_sheet.h"
#include "platform/print_file.h"
#include "platform/qt_file_chooser.h"
#include "platform/sheet_save.h"
#include "reports/ui/report_printer.h"
#include "storage/encoding.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace ksy {
namespace {

QString fromFile(const std::string& cp1252Text)
{
    return QString::fromStdString(cp1252ToUtf8(cp1252Text));
}

QString outcomeText(ParticipantImportRow::Outcome o)
{
    switch (o) {
    case ParticipantImportRow::Outcome::Entered:
        return QCoreApplication::translate("ParticipantsDialog", "inscrit");
    case ParticipantImportRow::Outcome::Updated:
        return QCoreApplication::translate("ParticipantsDialog", "mis à jour");
    case ParticipantImportRow::Outcome::Refused:
        break;
    }
    return QCoreApplication::translate("ParticipantsDialog", "refusé");
}

QPushButton* button(QWidget* parent, const QString& text, const QString& id)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(id);
    b->setAutoDefault(false);
    return b;
}

} // namespace

ParticipantsDialog::ParticipantsDialog(
    const WorkFolder& folder, int category, Prompts& prompts, QWidget* parent)
    : QDialog(parent)
    , folder_(folder)
    , prompts_(prompts)
    , form_(folder, category, prompts)
{
    setObjectName("CATEGORIEPILOTES");
    setWindowTitle(tr("Liste des pilotes"));
    auto* grid = new QGridLayout(this);

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(tr("Catégorie :"), this));
    auto* name = new QLineEdit(fromFile(form_.categoryName()), this);
    name->setObjectName("4201");
    name->setReadOnly(true);
    nameRow->addWidget(name);
    grid->addLayout(nameRow, 0, 0, 1, 3);

    auto* countRow = new QHBoxLayout;
    countRow->addWidget(new QLabel(tr(" Participants à la catégorie:"), this));
    count_ = new QLineEdit(this);
    count_->setObjectName("4202");
    count_->setReadOnly(true);
    count_->setMaximumWidth(60);
    countRow->addWidget(count_);
    countRow->addStretch();
    grid->addLayout(countRow, 1, 0);
    grid->addWidget(new QLabel(tr(" Base de données :"), this), 1, 2);

    participants_ = new QListWidget(this);
    participants_->setObjectName("4203");
    database_ = new QListWidget(this);
    database_->setObjectName("4204");
    for (const PilotSummary& p : form_.pilots())
        database_->addItem(fromFile(p.name));
    if (database_->count() > 0)
        database_->setCurrentRow(0);
    grid->addWidget(participants_, 2, 0);
    grid->addWidget(database_, 2, 2);

    auto* moves = new QVBoxLayout;
    auto* enterButton = button(this, QStringLiteral("<-"), "4205");
    auto* removeButton = button(this, QStringLiteral("->"), "4206");
    auto* printButton = button(this, tr("Imprimer"), "4207");
    const QString image = QString::fromStdString(folder_.file("images/impression.bmp").string());
    if (QIcon icon(image); !icon.isNull())
        printButton->setIcon(icon);
    auto* pdfButton = button(this, QStringLiteral("PDF"), "pdf");
    pdfButton->setToolTip(tr("Enregistrer la liste en PDF"));
    moves->addStretch();
    moves->addWidget(enterButton);
    moves->addWidget(removeButton);
    moves->addStretch();
    moves->addWidget(printButton);
    moves->addWidget(pdfButton);
    auto* sheetButton = button(this, QStringLiteral("xlsx"), "sheet");
    sheetButton->setToolTip(tr("Enregistrer la liste en tableur (.xlsx ou .csv)"));
    moves->addWidget(sheetButton);
    connect(sheetButton, &QPushButton::clicked, this, &ParticipantsDialog::chooseSheetFile);
    auto* importButton = button(this, tr("Importer la liste…"), "import");
    importButton->setToolTip(
        tr("Noms, transpondeurs et fréquences pris d'une feuille (CSV, .xlsx, .ods)"));
    moves->addWidget(importButton);
    connect(importButton, &QPushButton::clicked, this, &ParticipantsDialog::chooseList);
    grid->addLayout(moves, 2, 1);

    auto* buttons = new QHBoxLayout;
    auto* ok = button(this, tr("Valider"), "1");
    auto* cancel = button(this, tr("Echap"), "2");
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 3, 0, 1, 3);

    connect(enterButton, &QPushButton::clicked, this, &ParticipantsDialog::enter);
    connect(removeButton, &QPushButton::clicked, this, &ParticipantsDialog::remove);
    connect(printButton, &QPushButton::clicked, this, &ParticipantsDialog::print);
    connect(pdfButton, &QPushButton::clicked, this, &ParticipantsDialog::savePdf);
    connect(ok, &QPushButton::clicked, this, &ParticipantsDialog::validate);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    // Once results are stored the list can only be viewed and printed.
    const bool locked = form_.readOnly();
    ok->setEnabled(!locked);
    enterButton->setEnabled(!locked);
    importButton->setEnabled(!locked);
    removeButton->setEnabled(!locked);
    refill();
}

void ParticipantsDialog::refill()
{
    participants_->clear();
    for (const std::string& n : form_.participantNames())
        participants_->addItem(fromFile(n));
    if (participants_->count() > 0)
        participants_->setCurrentRow(0);
    count_->setText(QString::fromStdString(form_.countText()));
}

void ParticipantsDialog::chooseList()
{
    QtFileChooser files;
    files.setParent(this);
    if (const auto chosen = files.openFile(folder_.root().string(), entryListFilter()))
        importList(*chosen);
}

void ParticipantsDialog::importList(const std::string& fileUtf8)
{
    if (form_.readOnly())
        return;
    const SheetRead read = readSheetShowingProgress(this, fileUtf8);
    if (!read.table) {
        prompts_.error(read.error);
        return;
    }
    const SheetTable& table = *read.table;
    // The preview plans on a copy of the form: nothing is entered, nor added
    // to the pilot database, before "Importer".
    PilotImportDialog preview(
        table,
        [this, &table](const ColumnChoice& columns) {
            ParticipantsForm trial = form_;
            const ParticipantImport plan = trial.importList(table, columns, false);
            ImportPreview out;
            for (const ParticipantImportRow& r : plan.rows) {
                QStringList remarks;
                for (const std::string& text : {r.reason, r.warning})
                    if (!text.empty())
                        remarks << QString::fromStdString(text);
                if (r.addedToDatabase)
                    remarks << tr("ajouté à la base de données Pilotes");
                const QString remark = remarks.join(QStringLiteral(" ; "));
                out.rows.push_back(
                    {r.line, outcomeText(r.outcome), QString::fromStdString(r.name), remark});
            }
            out.summary = QString::fromStdString(plan.summary());
            out.importable = plan.entered + plan.updated > 0;
            return out;
        },
        tr("Importer la liste"), tr("Importer la liste des participants"), true, this);
    if (preview.exec() != QDialog::Accepted)
        return;
    form_.importList(table, preview.columns());
    database_->clear();
    for (const PilotSummary& p : form_.pilots())
        database_->addItem(fromFile(p.name));
    refill();
}

void ParticipantsDialog::enter()
{
    if (form_.enter(database_->currentRow()))
        refill();
}

void ParticipantsDialog::remove()
{
    const int row = participants_->currentRow();
    const auto names = form_.participantNames();
    if (row < 0 || row >= static_cast<int>(names.size()))
        return;
    if (form_.remove(names[static_cast<std::size_t>(row)]))
        refill();
}

void ParticipantsDialog::validate()
{
    form_.save();
    accept();
}

void ParticipantsDialog::print()
{
    printReport(this, participantListReport(form_, currentReportDate()), folder_);
}

void ParticipantsDialog::savePdf()
{
    saveReportAsPdf(this, participantListReport(form_, currentReportDate()), folder_, prompts_);
}

void ParticipantsDialog::chooseSheetFile()
{
    QtFileChooser files;
    files.setParent(this);
    // Named as its PDF, with the category: one category's list never
    // replaces another's.
    const QString base =
        reportFileBaseName(reportIdentity(ReportKind::ParticipantList).documentName) +
        QStringLiteral(" - ") + fromFile(form_.categoryName());
    saveSheetAs(
        participantListSheet(form_), files, prompts_, proposedSheetNamed(base.toStdString()));
}

bool ParticipantsDialog::saveSheet(const std::string& fileUtf8)
{
    const std::filesystem::path file(std::u8string(fileUtf8.begin(), fileUtf8.end()));
    if (writeSheetFile(file, participantListSheet(form_)))
        return true;
    prompts_.error(sheetWriteFailure(fileUtf8));
    return false;
}

bool ParticipantsDialog::edit(
    QWidget* parent, const WorkFolder& folder, int category, Prompts& prompts)
{
    ParticipantsDialog dialog(folder, category, prompts, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace ksy
