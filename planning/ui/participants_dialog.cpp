#include "planning/ui/participants_dialog.h"

#include "databases/ui/pilot_import_dialog.h"
#include "planning/participants_report.h"
#include "platform/qt_file_chooser.h"
#include "reports/ui/report_printer.h"
#include "storage/encoding.h"

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
    const ColumnChoice columns = matchColumns(*read.table);
    if (!columns.hasName()) {
        prompts_.error(tr("Erreur : la liste n'a pas de colonne de nom (« Nom », « Nom complet », "
                          "« Name »...).")
                           .toStdString());
        return;
    }
    const ParticipantImport done = form_.importList(*read.table, columns);
    database_->clear();
    for (const PilotSummary& p : form_.pilots())
        database_->addItem(fromFile(p.name));
    refill();
    std::string text = done.summary();
    constexpr std::size_t kShown = 30;
    for (std::size_t i = 0; i < done.lines.size() && i < kShown; ++i)
        text += "\n" + done.lines[i];
    if (done.lines.size() > kShown)
        text += "\n...";
    prompts_.message(tr("Importer la liste").toStdString(), text,
        done.refused > 0 ? PromptIcon::Exclamation : PromptIcon::Information);
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

bool ParticipantsDialog::edit(
    QWidget* parent, const WorkFolder& folder, int category, Prompts& prompts)
{
    ParticipantsDialog dialog(folder, category, prompts, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace ksy
