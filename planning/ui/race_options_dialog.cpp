#include "planning/ui/race_options_dialog.h"

#include "platform/dialog_parts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace ksy {
namespace {

using F = RaceOptionsForm;

// The texts of the form are marked in the logic, shown here in the
// official's language.
QString textOf(int control)
{
    return QCoreApplication::translate("RaceOptions", RaceOptionsTexts::of(control).data());
}

} // namespace

RaceOptionsDialog::RaceOptionsDialog(RaceOptionsForm form, QWidget* parent)
    : QDialog(parent)
    , form_(std::move(form))
{
    setWindowTitle(QCoreApplication::translate("RaceOptions", RaceOptionsTexts::title.data()));
    setObjectName("CATEGORIEQUALIFSPARAMETRES");
    auto* column = new QVBoxLayout(this);

    auto radio = [this](int control, QLayout* into, QButtonGroup* group) {
        auto* b = new QRadioButton(textOf(control), this);
        b->setObjectName(QString::number(control));
        group->addButton(b);
        into->addWidget(b);
        buttons_[control] = b;
        connect(b, &QRadioButton::clicked, this, [this, control] { clicked(control); });
    };
    auto numericEdit = [this](int control, QLayout* into) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::number(control));
        e->setAlignment(Qt::AlignRight);
        e->setMaxLength(F::maxLength(control));
        e->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), e));
        e->setText(QString::fromStdString(form_.editText(control)));
        into->addWidget(e);
        edits_[control] = e;
        connect(e, &QLineEdit::textChanged, this,
                [this, control](const QString& t) { edited(control, t); });
    };
    auto group = [this, column](const QString& title, int control = 0) {
        auto* g = new QGroupBox(title, this);
        if (control) {
            g->setObjectName(QString::number(control));
            others_[control] = g;
        }
        auto* l = new QVBoxLayout(g);
        column->addWidget(g);
        return std::pair{g, l};
    };

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(textOf(F::CategoryName), this));
    auto* name = new QLineEdit(QString::fromStdString(form_.categoryName()), this);
    name->setObjectName(QString::number(F::CategoryName));
    name->setReadOnly(true);
    nameRow->addWidget(name);
    column->addLayout(nameRow);

    auto [ranking, rankingLayout] = group(tr("Classement des pilotes"));
    auto* rankingGroup = new QButtonGroup(ranking);
    radio(F::RankLapsTime, rankingLayout, rankingGroup);
    radio(F::RankBestLap, rankingLayout, rankingGroup);

    auto [duration, durationLayout] = group(tr("Durée série"));
    auto* durationGroup = new QButtonGroup(duration);
    auto* durationRow = new QHBoxLayout;
    radio(F::TimeMode, durationRow, durationGroup);
    radio(F::LapsMode, durationRow, durationGroup);
    numericEdit(F::MinutesEdit, durationRow);
    auto* minutes = new QLabel(textOf(F::MinutesUnit), this);
    others_[F::MinutesUnit] = minutes;
    durationRow->addWidget(minutes);
    numericEdit(F::LapsEdit, durationRow);
    auto* laps = new QLabel(textOf(F::LapsUnit), this);
    others_[F::LapsUnit] = laps;
    durationRow->addWidget(laps);
    durationLayout->addLayout(durationRow);

    auto [countdown, countdownLayout] = group(tr("Compte à rebours"));
    auto* countdownRow = new QHBoxLayout;
    numericEdit(F::CountdownEdit, countdownRow);
    countdownRow->addWidget(new QLabel("s", countdown));
    countdownLayout->addLayout(countdownRow);

    auto [rest, restLayout] = group(tr("Repos entre 2 séries"));
    auto* restRow = new QHBoxLayout;
    numericEdit(F::RestEdit, restRow);
    restRow->addWidget(new QLabel(tr("min"), rest));
    restLayout->addLayout(restRow);

    auto [start, startLayout] = group(tr("Type de départ"));
    auto* startGroup = new QButtonGroup(start);
    radio(F::StartSignal, startLayout, startGroup);
    radio(F::StartFirstCar, startLayout, startGroup);
    radio(F::StartStaggered, startLayout, startGroup);

    auto [grid, gridLayout] = group(tr("Grille de départ"));
    auto* editable = new QCheckBox(textOf(F::EditableOrder), grid);
    editable->setObjectName(QString::number(F::EditableOrder));
    gridLayout->addWidget(editable);
    buttons_[F::EditableOrder] = editable;
    connect(editable, &QCheckBox::clicked, this, [this] { clicked(F::EditableOrder); });

    auto [timed, timedLayout] = group(textOf(F::TimedGroup), F::TimedGroup);
    auto* timedGroup = new QButtonGroup(timed);
    radio(F::TimedSignal, timedLayout, timedGroup);
    radio(F::TimedFinishLap, timedLayout, timedGroup);
    radio(F::TimedSandYacht, timedLayout, timedGroup);

    auto [lapsEnd, lapsLayout] = group(textOf(F::LapsGroup), F::LapsGroup);
    auto* lapsGroup = new QButtonGroup(lapsEnd);
    radio(F::LapsSignal, lapsLayout, lapsGroup);
    radio(F::LapsFinishLap, lapsLayout, lapsGroup);
    radio(F::LapsAllLaps, lapsLayout, lapsGroup);

    auto* buttons = new QHBoxLayout;
    addOkCancel(this, buttons, tr("Valider"), 1, tr("Echap"), 2);
    column->addLayout(buttons);

    refresh();
}

void RaceOptionsDialog::clicked(int control)
{
    if (refreshing_)
        return;
    form_.click(control);
    refresh();
}

void RaceOptionsDialog::edited(int control, const QString& text)
{
    if (refreshing_)
        return;
    form_.typeText(control, text.toStdString());
    refresh();
}

void RaceOptionsDialog::refresh()
{
    refreshing_ = true;
    for (auto& [control, button] : buttons_) {
        // An exclusive group refuses to uncheck its buttons one by one.
        if (auto* group = button->group()) {
            group->setExclusive(false);
            button->setChecked(form_.isChecked(control));
            group->setExclusive(true);
        } else {
            button->setChecked(form_.isChecked(control));
        }
        button->setEnabled(form_.isEnabled(control));
        button->setVisible(form_.isVisible(control));
    }
    for (auto& [control, edit] : edits_) {
        const QString text = QString::fromStdString(form_.editText(control));
        if (edit->text() != text)
            edit->setText(text);
        edit->setVisible(form_.isVisible(control));
    }
    for (auto& [control, widget] : others_) {
        widget->setEnabled(form_.isEnabled(control));
        widget->setVisible(form_.isVisible(control));
    }
    refreshing_ = false;
}

bool RaceOptionsDialog::edit(QWidget* parent, const WorkFolder& folder, int category,
                             const std::string& categoryName, Prompts& prompts)
{
    RaceOptionsDialog dialog(RaceOptionsForm::open(folder, category, categoryName, prompts),
                             parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.form().save(folder, category, prompts);
    return true;
}

} // namespace ksy
