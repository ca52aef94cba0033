#include "results/ui/heat_comment_dialog.h"

#include "platform/dialog_parts.h"
#include "results/heat_comment_file.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextCursor>
#include <QVBoxLayout>

namespace ksy {

HeatCommentDialog::HeatCommentDialog(
    HeatCommentForm form, const WorkFolder& folder, Prompts& prompts, QWidget* parent)
    : QDialog(parent)
    , form_(std::move(form))
    , folder_(folder)
    , prompts_(prompts)
{
    setObjectName(QStringLiteral("SERIECOMMENTAIRE"));
    setWindowTitle(tr("Commentaire série"));
    auto* column = new QVBoxLayout(this);

    auto* group = new QGroupBox(tr("Etat de la piste"), this);
    auto* radios = new QHBoxLayout(group);
    const std::pair<TrackConditionChoice, const char*> choices[] = {
        {TrackConditionChoice::Dry, QT_TRANSLATE_NOOP("HeatComment", "sec")},
        {TrackConditionChoice::Rain, QT_TRANSLATE_NOOP("HeatComment", "pluie")},
        {TrackConditionChoice::Ice, QT_TRANSLATE_NOOP("HeatComment", "glace")}};
    int id = 6401;
    for (const auto& [choice, label] : choices) {
        auto* radio = new QRadioButton(QCoreApplication::translate("HeatComment", label), group);
        radio->setObjectName(QString::number(id++));
        radio->setChecked(form_.choice() == choice);
        const TrackConditionChoice c = choice;
        connect(radio, &QRadioButton::clicked, this, [this, c] { form_.choose(c); });
        radios->addWidget(radio);
    }
    column->addWidget(group);

    edit_ = new QPlainTextEdit(this);
    edit_->setObjectName(QStringLiteral("6404"));
    edit_->setTabChangesFocus(true);
    edit_->setPlainText(qtText(form_.commentUtf8()));
    edit_->setMinimumSize(420, 80);
    connect(edit_, &QPlainTextEdit::textChanged, this, &HeatCommentDialog::edited);
    column->addWidget(edit_);

    auto* buttons = new QHBoxLayout;
    addOkCancel(this, buttons, tr("Valider"), 1, tr("Echap"), 2);
    column->addLayout(buttons);
    // "Valider" writes the file as the dialog closes.
    connect(this, &QDialog::accepted, this, &HeatCommentDialog::validate);
}

void HeatCommentDialog::edited()
{
    if (syncing_)
        return;
    const std::optional<std::string> shown = form_.editComment(edit_->toPlainText().toStdString());
    if (!shown)
        return;
    // A refused character or a 99th one: the edit shows what the form keeps.
    syncing_ = true;
    const int at = edit_->textCursor().position();
    edit_->setPlainText(qtText(*shown));
    QTextCursor cursor = edit_->textCursor();
    cursor.setPosition(
        std::min(at > 0 ? at - 1 : 0, static_cast<int>(edit_->toPlainText().size())));
    edit_->setTextCursor(cursor);
    syncing_ = false;
}

void HeatCommentDialog::validate()
{
    if (!form_.save(folder_))
        prompts_.error(translate("Results", kHeatCommentError.data()));
}

bool HeatCommentDialog::run(QWidget* parent, const WorkFolder& folder, Prompts& prompts)
{
    std::optional<HeatCommentForm> form;
    if (!HeatCommentForm::open(folder, form))
        prompts.error(translate("Results", kHeatCommentError.data()));
    HeatCommentDialog dialog(std::move(*form), folder, prompts, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace ksy
