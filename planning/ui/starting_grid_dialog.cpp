#include "planning/ui/starting_grid_dialog.h"

#include "storage/encoding.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ksy {
namespace {

QString qs(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// The letters as the form holds them: one byte a character, so that a
// character outside Windows-1252 still counts as one (and as a bad letter).
std::string lettersOf(const QString& text)
{
    std::string out;
    for (const QChar c : text) {
        const auto byte = utf8ToCp1252(QString(c).toStdString());
        out += byte && byte->size() == 1 ? (*byte)[0] : '?';
    }
    return out;
}

} // namespace

StartingGridDialog::StartingGridDialog(StartingGridForm& form, QWidget* parent)
    : QDialog(parent)
    , form_(form)
{
    setObjectName(QStringLiteral("CATEGORIEQUALIFSGRILLEDEPART"));
    setWindowTitle(tr("Grilles de départs des qualifications"));
    auto* column = new QVBoxLayout(this);
    column->addWidget(new QLabel(tr("Ordre de départ des pilotes dans les séries"), this));
    auto* group = new QGroupBox(tr("Ordre des départs souhaité"), this);
    auto* grid = new QGridLayout(group);
    column->addWidget(group);
    for (int round = 1; round <= kMaxRounds; ++round) {
        const int control = StartingGridForm::roundEdit(round);
        auto* label = new QLabel(tr("Manche %1").arg(round), group);
        auto* edit = new QLineEdit(qs(cp1252ToUtf8(form_.editText(control))), group);
        edit->setObjectName(QString::number(control));
        edit->setMaxLength(std::max(1, form_.maxLength(control)));
        edit->setReadOnly(form_.isReadOnly(control));
        edit->setMinimumWidth(260);
        grid->addWidget(label, round - 1, 0);
        grid->addWidget(edit, round - 1, 1);
        label->setVisible(form_.isVisible(control));
        edit->setVisible(form_.isVisible(control));
        edits_[control] = edit;
        connect(edit, &QLineEdit::textChanged, this,
            [this, control](const QString& t) { edited(control, t); });
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("1"));
    ok->setDefault(true);
    buttons->addWidget(ok);
    column->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &StartingGridDialog::confirm);
}

void StartingGridDialog::edited(int control, const QString& text)
{
    form_.typeText(control, lettersOf(text));
}

void StartingGridDialog::confirm()
{
    if (form_.confirm())
        accept();
}

void StartingGridDialog::reject()
{
    form_.closeWithoutConfirming();
    QDialog::reject();
}

} // namespace ksy
