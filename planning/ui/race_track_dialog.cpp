#include "planning/ui/race_track_dialog.h"

#include "platform/dialog_parts.h"
#include "platform/storable_text_validator.h"
#include "storage/encoding.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace ksy {

namespace {
using F = RaceTrackForm;

// Texts of the form are file bytes (Windows-1252).
QString fromFile(const std::string& bytes)
{
    return QString::fromStdString(cp1252ToUtf8(bytes));
}

std::string toFile(const QString& text)
{
    // The validators only let storable text in; anything else is dropped.
    return utf8ToCp1252(text.toStdString()).value_or(std::string());
}
} // namespace

RaceTrackDialog::RaceTrackDialog(RaceTrackForm form, QWidget* parent)
    : QDialog(parent)
    , form_(std::move(form))
{
    setWindowTitle(tr("Piste"));
    setObjectName("COURSEPARCOURS");
    auto* column = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    column->addLayout(fields);

    auto edit = [this](int control) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::number(control));
        edits_[control] = e;
        return e;
    };
    auto readOnly = [&](int control, const QString& label, const QString& unit = {}) {
        auto* e = edit(control);
        e->setReadOnly(true);
        if (unit.isEmpty()) {
            fields->addRow(label, e);
            return;
        }
        auto* row = new QHBoxLayout;
        row->addWidget(e);
        row->addWidget(new QLabel(unit, this));
        fields->addRow(label, row);
    };

    auto* name = edit(F::RaceName);
    limitToStorableText(name, F::kRaceNameLimit);
    fields->addRow(tr("Nom de la course :"), name);
    connect(name, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (refreshing_) return;
        form_.typeRaceName(toFile(text));
        refresh();
    });

    auto combo = [this](int control, const std::vector<std::string>& names) {
        auto* c = new QComboBox(this);
        c->setObjectName(QString::number(control));
        for (const auto& n : names)
            c->addItem(fromFile(n));
        return c;
    };
    clubs_ = combo(F::ClubList, form_.clubNames());
    fields->addRow(tr("Club organisateur :"), clubs_);
    connect(clubs_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (refreshing_) return;
        form_.chooseClub(index);
        refresh();
    });
    courses_ = combo(F::CourseList, form_.courseNames());
    fields->addRow(tr("Parcours :"), courses_);
    connect(courses_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (refreshing_) return;
        form_.chooseCourse(index);
        refresh();
    });

    readOnly(F::CourseName, tr("Nom parcours :"));
    readOnly(F::CourseLength, tr("Longueur :"), "m");
    readOnly(F::LapRecord, tr("Record tour :"));
    readOnly(F::RecordHolder, tr("par"));
    readOnly(F::Place, tr("Ville / Plage :"));

    auto* protection = edit(F::LapProtection);
    protection->setMaxLength(F::kLapProtectionLimit);
    protection->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[0-9]*"), protection));
    auto* protectionRow = new QHBoxLayout;
    protectionRow->addWidget(protection);
    protectionRow->addWidget(new QLabel("s", this));
    fields->addRow(tr("Temps de protection tour :"), protectionRow);
    connect(protection, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (refreshing_) return;
        form_.typeLapProtection(text.toStdString());
        refresh();
    });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    addOkCancel(this, buttons, tr("Valider"), F::Ok, tr("Echap"), F::Cancel);
    column->addLayout(buttons);

    refresh();
}

void RaceTrackDialog::refresh()
{
    refreshing_ = true;
    for (auto& [control, e] : edits_) {
        const QString text = fromFile(form_.text(control));
        // Rewriting an unchanged edit would move its cursor.
        if (e->text() != text) e->setText(text);
    }
    clubs_->setCurrentIndex(form_.selectedClub());
    courses_->setCurrentIndex(form_.selectedCourse());
    refreshing_ = false;
}

bool RaceTrackDialog::edit(QWidget* parent, const WorkFolder& folder, Prompts& prompts)
{
    RaceTrackDialog dialog(RaceTrackForm::open(folder, prompts), parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    dialog.form().save(folder, prompts);
    return true;
}

} // namespace ksy
