#include "planning/ui/duration_calculator_dialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace ksy {

using Setter = std::optional<std::string> (DurationCalculatorForm::*)(std::string_view);

DurationCalculatorDialog::DurationCalculatorDialog(DurationCalculation& values, QWidget* parent)
    : QDialog(parent)
    , form_(values)
{
    setObjectName("TIMINGCOURSE");
    setWindowTitle(tr("Timing de la course"));
    auto* column = new QVBoxLayout(this);
    column->addWidget(new QLabel(tr("Calculateur durée de course :"), this));
    auto* inputs = new QFormLayout;
    column->addLayout(inputs);

    auto* category = new QLineEdit(QString::fromStdString(values.categoryLabel), this);
    category->setObjectName("3501");
    category->setMaxLength(static_cast<int>(DurationCalculation::kLabelMaxLength));
    inputs->addRow(tr("Catégorie :"), category);

    auto numeric = [this, inputs](int id, const QString& label, int digits, int value,
                       Setter setter, bool minutes) {
        auto* edit = new QLineEdit(QString::number(value), this);
        edit->setObjectName(QString::number(id));
        edit->setMaxLength(digits);
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), edit));
        if (minutes) {
            auto* row = new QHBoxLayout;
            row->addWidget(edit);
            row->addWidget(new QLabel(QStringLiteral("min"), this));
            inputs->addRow(label, row);
        } else {
            inputs->addRow(label, edit);
        }
        connect(edit, &QLineEdit::textChanged, this, [this, edit, setter](const QString& text) {
            if (const auto rewrite = (form_.*setter)(text.toStdString()))
                edit->setText(QString::fromStdString(*rewrite));
            showResults();
        });
    };
    using F = DurationCalculatorForm;
    numeric(3502, tr("Nbre participants à la catégorie :"), F::kParticipantsDigits,
        values.participants, &F::setParticipants, false);
    numeric(3503, tr("Nbre pilotes par série :"), F::kPilotsPerHeatDigits, values.pilotsPerHeat,
        &F::setPilotsPerHeat, false);
    numeric(3504, tr("Nbre de Manches :"), F::kRoundsDigits, values.rounds, &F::setRounds, false);
    numeric(3505, tr("Durée série :"), F::kHeatMinutesDigits, values.heatMinutes,
        &F::setHeatMinutes, true);
    numeric(3506, tr("+ Repos entre 2 séries :"), F::kRestDigits, values.restMinutes,
        &F::setRestMinutes, true);

    auto* results = new QGroupBox(tr("Résultat calcul durée"), this);
    auto* resultRows = new QFormLayout(results);
    label_ = new QLineEdit(results);
    label_->setObjectName("3507");
    totalHeats_ = new QLineEdit(results);
    totalHeats_->setObjectName("3508");
    totalDuration_ = new QLineEdit(results);
    totalDuration_->setObjectName("3509");
    for (QLineEdit* e : {label_, totalHeats_, totalDuration_})
        e->setReadOnly(true);
    resultRows->addRow(tr(" Catégorie :"), label_);
    resultRows->addRow(tr("Nombre total de séries :"), totalHeats_);
    resultRows->addRow(tr("Durée totale de course :"), totalDuration_);
    column->addWidget(results);

    connect(category, &QLineEdit::textChanged, this, [this](const QString& text) {
        form_.setLabel(text.toStdString());
        showResults();
    });

    auto* ok = new QPushButton(tr("Ok"), this);
    ok->setObjectName("1");
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* okRow = new QHBoxLayout;
    okRow->addStretch();
    okRow->addWidget(ok);
    column->addLayout(okRow);
    showResults();
}

void DurationCalculatorDialog::showResults()
{
    label_->setText(QString::fromStdString(form_.values().categoryLabel));
    totalHeats_->setText(QString::fromStdString(form_.totalHeatsText()));
    totalDuration_->setText(QString::fromStdString(form_.totalDurationText()));
}

void DurationCalculatorDialog::run(QWidget* parent, DurationCalculation& values)
{
    DurationCalculatorDialog dialog(values, parent);
    dialog.exec();
}

} // namespace ksy
