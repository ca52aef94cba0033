#include "databases/ui/transponder_pack_dialog.h"

#include "platform/dialog_parts.h"
#include "platform/transponder_edit.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace ksy {
TransponderPackDialog::TransponderPackDialog(
    TransponderPackEditor form, const WorkFolder& folder, Prompts& prompts, QWidget* parent)
    : QDialog(parent)
    , form_(std::move(form))
    , folder_(folder)
    , prompts_(prompts)
{
    using E = TransponderPackEditor;
    setObjectName(qtText(E::kObjectName));
    setWindowTitle(QCoreApplication::translate("DatabaseEditors", E::kTitle.data()));
    auto* column = new QVBoxLayout(this);
    addBoldHeading(
        column, QCoreApplication::translate("DatabaseEditors", E::kHeading.data()), this);

    auto* body = new QHBoxLayout;
    column->addLayout(body);
    auto* left = new QVBoxLayout;
    body->addLayout(left);
    left->addWidget(
        new QLabel(QCoreApplication::translate("DatabaseEditors", E::kListCaption.data()), this));
    list_ = new QListWidget(this);
    list_->setObjectName(QString::number(E::List));
    for (const auto& l : form_.labels())
        list_->addItem(QString::fromStdString(l));
    left->addWidget(list_);
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (refreshing_ || row < 0)
            return;
        form_.select(static_cast<std::size_t>(row));
        refresh();
    });

    auto* details = new QFormLayout;
    body->addLayout(details);
    label_ = new QLineEdit(this);
    label_->setObjectName(QString::number(E::Label));
    label_->setReadOnly(true);
    details->addRow(label_);
    for (std::size_t slot = 0; slot < edits_.size(); ++slot) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::number(E::FirstTransponder + static_cast<int>(slot)));
        bindTransponderEdit(e, prompts_,
            {[this, slot](const std::string& text) { return form_.setTransponder(slot, text); },
                [this, slot] { return form_.transponder(slot); }, {}});
        details->addRow(tr("transpondeur%1 :").arg(slot + 1), e);
        edits_[slot] = e;
    }

    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(tr("Ok"), this);
    ok->setObjectName("1");
    ok->setAutoDefault(false);
    auto* cancel = new QPushButton(tr("Echap"), this);
    cancel->setObjectName("2");
    cancel->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    column->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, [this] {
        form_.save(folder_, prompts_);
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    refresh();
}

void TransponderPackDialog::refresh()
{
    refreshing_ = true;
    list_->setCurrentRow(static_cast<int>(form_.selected()));
    label_->setText(QString::fromStdString(form_.label()));
    for (std::size_t slot = 0; slot < edits_.size(); ++slot)
        edits_[slot]->setText(QString::fromStdString(form_.transponder(slot)));
    refreshing_ = false;
}

} // namespace ksy
