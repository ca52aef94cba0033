#include "databases/ui/list_editor_dialog.h"

#include "databases/editors/pilot_editor.h"
#include "databases/pilot_sheet.h"
#include "databases/ui/image_frame.h"
#include "databases/ui/pilot_import_dialog.h"
#include "platform/dialog_parts.h"
#include "platform/sheet_save.h"
#include "platform/storable_text_validator.h"
#include "platform/transponder_edit.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace ksy {
namespace {

QString id(int control)
{
    return QString::number(control);
}

// The editor's own texts, marked in the logic, in the official's language.
QString shown(std::string_view french)
{
    return QCoreApplication::translate("DatabaseEditors", std::string(french).c_str());
}

// Enter in an edit must not press "Ok" and close the editor.
QPushButton* button(const QString& text, const QString& name, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

} // namespace

ListEditorDialog::ListEditorDialog(std::unique_ptr<ListEditorForm> form, const WorkFolder& folder,
    Prompts& prompts, FileChooser& files, QWidget* parent)
    : QDialog(parent)
    , form_(std::move(form))
    , folder_(folder)
    , prompts_(prompts)
    , files_(files)
{
    const EditorTexts& t = form_->texts();
    setObjectName(qtText(t.objectName));
    setWindowTitle(shown(t.title));
    auto* column = new QVBoxLayout(this);
    addBoldHeading(column, shown(t.heading), this);

    auto* body = new QHBoxLayout;
    column->addLayout(body);
    auto* left = new QVBoxLayout;
    body->addLayout(left);

    auto* newRow = new QHBoxLayout;
    newRow->addWidget(new QLabel(shown(t.newCaption), this));
    newName_ = new QLineEdit(this);
    newName_->setObjectName(id(t.newControl));
    limitToStorableText(newName_, t.newNameLimit);
    newRow->addWidget(newName_);
    auto* add = button(tr("Ajouter"), id(t.addControl), this);
    newRow->addWidget(add);
    left->addLayout(newRow);
    connect(add, &QPushButton::clicked, this, &ListEditorDialog::addTyped);
    connect(newName_, &QLineEdit::returnPressed, this, &ListEditorDialog::addTyped);

    auto* lists = new QGridLayout;
    lists->addWidget(new QLabel(tr("N°ID"), this), 0, 0);
    lists->addWidget(new QLabel(shown(t.listCaption), this), 0, 1);
    id_ = new QListWidget(this);
    id_->setObjectName(id(t.idControl));
    id_->setFixedSize(60, 28);
    id_->setFocusPolicy(Qt::NoFocus);
    lists->addWidget(id_, 1, 0, Qt::AlignTop);
    list_ = new QListWidget(this);
    list_->setObjectName(id(t.listControl));
    list_->setMinimumHeight(300);
    lists->addWidget(list_, 1, 1);
    left->addLayout(lists);
    connect(list_, &QListWidget::currentRowChanged, this, &ListEditorDialog::selectRow);
    auto* remove = button(tr("Supprimer"), id(t.removeControl), this);
    left->addWidget(remove);
    connect(remove, &QPushButton::clicked, this, &ListEditorDialog::removeSelected);
    if (auto* pilots = dynamic_cast<PilotEditor*>(form_.get())) {
        auto* import = button(tr("Importer…"), "import", this);
        left->addWidget(import);
        connect(import, &QPushButton::clicked, this, [this, pilots] {
            if (auto table = importPilotList(this, files_, prompts_, folder_, pilots->records())) {
                pilots->replacePilots(std::move(*table));
                refreshList();
                refreshDetails();
            }
        });
        auto* exportSheet = button(tr("Exporter…"), "export", this);
        exportSheet->setToolTip(tr("Enregistrer la liste en tableur (.xlsx ou .csv)"));
        left->addWidget(exportSheet);
        connect(exportSheet, &QPushButton::clicked, this, [this, pilots] {
            saveSheetAs(pilotSheet(pilots->records()), files_, prompts_,
                (folder_.root() / "Pilotes.xlsx").string());
        });
    }

    if (t.nameControl != 0 || !form_->fields().empty() || form_->imageFrame()) {
        auto* right = new QVBoxLayout;
        body->addLayout(right);
        auto* details = new QFormLayout;
        details->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
        right->addLayout(details);
        if (t.nameControl != 0) {
            name_ = new QLineEdit(this);
            name_->setObjectName(id(t.nameControl));
            name_->setReadOnly(true);
            details->addRow(name_);
        }
        for (const EditorField& f : form_->fields()) {
            const int control = f.control;
            if (f.kind == FieldKind::Button) {
                auto* b = button(shown(f.label), id(control), this);
                buttons_[control] = b;
                details->addRow(b);
                connect(b, &QPushButton::clicked, this, [this, control] {
                    form_->press(control);
                    refreshDetails();
                });
            } else if (f.kind == FieldKind::Choice) {
                auto* c = new QComboBox(this);
                c->setObjectName(id(control));
                for (const auto& entry : form_->choices(control))
                    c->addItem(qtText(entry));
                combos_[control] = c;
                details->addRow(shown(f.label), c);
                connect(c, &QComboBox::currentIndexChanged, this, [this, control, c](int index) {
                    if (index >= 0)
                        chosen(control, c->itemText(index));
                });
            } else {
                auto* e = new QLineEdit(this);
                e->setObjectName(id(control));
                if (f.kind == FieldKind::ReadOnly) {
                    e->setReadOnly(true);
                } else if (f.transponder) {
                    bindTransponderEdit(e, prompts_,
                        {[this, control](
                             const std::string& text) { return form_->setText(control, text); },
                            [this, control] { return form_->text(control); }, {}});
                    edits_[control] = e;
                    details->addRow(shown(f.label), e);
                    continue;
                } else if (f.kind == FieldKind::Digits) {
                    e->setMaxLength(f.maxLength);
                    e->setValidator(
                        new QRegularExpressionValidator(QRegularExpression("[0-9]*"), e));
                } else {
                    limitToStorableText(e, f.maxLength);
                }
                edits_[control] = e;
                details->addRow(shown(f.label), e);
                connect(e, &QLineEdit::textChanged, this,
                    [this, control](const QString& text) { edited(control, text); });
            }
        }
        if (const auto frame = form_->imageFrame()) {
            // The frame's area in the original dialog, drawn at 217 x 148 pixels.
            image_ = new ImageFrame(QSize(217, 148), this);
            image_->setObjectName("image");
            image_->onChoose = [this] { chooseImage(); };
            image_->onRemove = [this] {
                form_->setImagePath("");
                refreshDetails();
            };
            right->addWidget(image_, 0, Qt::AlignHCenter);
        }
        right->addStretch();
    }

    auto* buttons = new QHBoxLayout;
    auto* ok = button(tr("Ok"), "1", this);
    auto* cancel = button(tr("Echap"), "2", this);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    column->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &ListEditorDialog::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    refreshList();
    refreshDetails();
}

ListEditorDialog::~ListEditorDialog() = default;

void ListEditorDialog::addTyped()
{
    if (!form_->add(newName_->text().toStdString()))
        return;
    newName_->clear();
    refreshList();
    refreshDetails();
}

void ListEditorDialog::removeSelected()
{
    if (!form_->remove())
        return;
    refreshList();
    refreshDetails();
}

void ListEditorDialog::selectRow(int row)
{
    if (refreshing_ || row < 0)
        return;
    form_->select(static_cast<std::size_t>(row));
    refreshDetails();
}

void ListEditorDialog::edited(int control, const QString& text)
{
    if (refreshing_)
        return;
    if (!form_->setText(control, text.toStdString())) {
        // A text the field cannot hold (pasted past the validator) is undone.
        refreshing_ = true;
        edits_[control]->setText(QString::fromStdString(form_->text(control)));
        refreshing_ = false;
    }
}

void ListEditorDialog::chosen(int control, const QString& text)
{
    if (refreshing_)
        return;
    form_->setText(control, text.toStdString());
}

void ListEditorDialog::chooseImage()
{
    if (!form_->selected())
        return;
    const auto path = files_.openFile(
        folder_.root().string(), FileFilter {tr("Images (.bmp)").toStdString(), "*.bmp"});
    if (!path)
        return;
    if (!form_->setImagePath(*path))
        prompts_.message(tr("Attention").toStdString(),
            tr("Le chemin de cette image ne peut pas être enregistré dans la base de données "
               "(trop long, ou caractères non pris en charge).")
                .toStdString(),
            PromptIcon::Exclamation);
    refreshDetails();
}

QString ListEditorDialog::imageFile() const
{
    const std::string path = form_->imagePath();
    if (path.empty())
        return {};
    // A relative path is one of the working folder, as the program's files are.
    const std::filesystem::path p(std::u8string(path.begin(), path.end()));
    const auto full = p.is_absolute() ? p : folder_.root() / p;
    const std::u8string u8 = full.u8string();
    return QString::fromUtf8(
        reinterpret_cast<const char*>(u8.data()), static_cast<qsizetype>(u8.size()));
}

void ListEditorDialog::refreshList()
{
    refreshing_ = true;
    list_->clear();
    for (const auto& n : form_->names())
        list_->addItem(QString::fromStdString(n));
    if (const auto s = form_->selected())
        list_->setCurrentRow(static_cast<int>(*s));
    refreshing_ = false;
}

void ListEditorDialog::refreshDetails()
{
    refreshing_ = true;
    const bool any = form_->selected().has_value();
    id_->clear();
    if (any)
        id_->addItem(QString::number(form_->idNumber()));
    if (const auto s = form_->selected(); s && list_->currentRow() != static_cast<int>(*s))
        list_->setCurrentRow(static_cast<int>(*s));
    if (name_)
        name_->setText(QString::fromStdString(form_->text(form_->texts().nameControl)));
    for (auto& [control, e] : edits_) {
        const QString text = QString::fromStdString(form_->text(control));
        if (e->text() != text)
            e->setText(text);
        e->setEnabled(any);
    }
    for (auto& [control, c] : combos_) {
        // No selection when the stored text is not one of the entries.
        c->setCurrentIndex(c->findText(QString::fromStdString(form_->text(control))));
        c->setEnabled(any);
    }
    for (auto& [control, b] : buttons_)
        b->setEnabled(any);
    if (image_)
        image_->showImage(imageFile());
    refreshing_ = false;
}

void ListEditorDialog::confirm()
{
    // The editor closes whether or not the file could be written; a failure
    // has been reported.
    form_->save(folder_, prompts_);
    accept();
}

} // namespace ksy
