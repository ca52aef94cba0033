#include "planning/ui/heat_composition_dialog.h"

#include "planning/heat_composition_report.h"
#include "planning/heat_composition_view.h"
#include "storage/encoding.h"

#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <algorithm>

namespace ksy {
namespace {

using F = HeatCompositionForm;

QString qs(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QRect qrect(const Rect& r)
{
    return QRect(r.left, r.top, r.width(), r.height());
}

ReportDate now()
{
    const QDateTime t = QDateTime::currentDateTime();
    return {t.date().day(), t.date().month(), t.date().year(), t.time().hour(), t.time().minute()};
}

} // namespace

HeatCompositionDialog::HeatCompositionDialog(HeatCompositionForm& form, const WorkFolder& folder,
    SoundPlayer& sounds, ReportPrinter print, QWidget* parent)
    : QDialog(parent)
    , form_(form)
    , sounds_(sounds)
    , print_(std::move(print))
    , images_(folder)
{
    setObjectName(QStringLiteral("CATEGORIEQUALIFSREPARTITION"));
    setWindowTitle(tr("Répartition des séries"));
    setFixedSize(740, 650);

    // A label at least as wide as its text (a larger font setting needs
    // more); returns its right edge.
    auto label = [this](const QString& text, int x, int y, int w) {
        auto* l = new QLabel(text, this);
        l->setGeometry(x, y, std::max(w, l->sizeHint().width()), 24);
        return l->geometry().right() + 1;
    };
    label(tr("Catégorie : "), 50, 20, 90);
    auto* name = new QLineEdit(qs(cp1252ToUtf8(form_.categoryName())), this);
    name->setObjectName(QString::number(F::CategoryName));
    name->setReadOnly(true);
    name->setGeometry(140, 20, 300, 24);

    auto numeric = [this](int control, int x) {
        auto* e = new QLineEdit(qs(form_.editText(control)), this);
        e->setObjectName(QString::number(control));
        e->setMaxLength(F::maxLength(control));
        e->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), e));
        e->setAlignment(Qt::AlignRight);
        e->setGeometry(x, 70, 40, 24);
        e->setEnabled(form_.isEnabled(control));
        edits_[control] = e;
        connect(e, &QLineEdit::textChanged, this,
            [this, control](const QString& t) { edited(control, t); });
    };
    const int pilotsEdit = label(tr("Nbre pilotes par série"), 50, 70, 150);
    numeric(F::PilotsPerHeatEdit, pilotsEdit);
    numeric(F::RoundsEdit, label(tr("Nbre de manches"), std::max(280, pilotsEdit + 80), 70, 120));

    auto* printButton = new QPushButton(this);
    printButton->setObjectName(QString::number(F::PrintButton));
    printButton->setToolTip(tr("Imprimer"));
    printButton->setIcon(QIcon(qs(folder.file("images/impression.bmp").string())));
    printButton->setIconSize(QSize(48, 48));
    printButton->setGeometry(620, 30, 80, 70);
    connect(printButton, &QPushButton::clicked, this, &HeatCompositionDialog::print);

    scrollBar_ = new QScrollBar(Qt::Vertical, this);
    scrollBar_->setObjectName(QString::number(F::ScrollBar));
    scrollBar_->setGeometry(703, composition_view::kListTop, 18,
        composition_view::kRowHeight * composition_view::kVisibleRows);
    scrollBar_->setPageStep(composition_view::kVisibleRows);
    connect(scrollBar_, &QScrollBar::actionTriggered, this, &HeatCompositionDialog::scrollAction);

    generate_ = new QPushButton(tr("Générer"), this);
    generate_->setObjectName(QStringLiteral("1"));
    generate_->setGeometry(480, 605, 100, 30);
    generate_->setEnabled(form_.isEnabled(F::GenerateButton));
    connect(generate_, &QPushButton::clicked, this, &HeatCompositionDialog::generate);
    auto* cancel = new QPushButton(tr("Echap"), this);
    cancel->setObjectName(QStringLiteral("2"));
    cancel->setGeometry(600, 605, 100, 30);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    syncScrollBar();
}

void HeatCompositionDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QtCanvas canvas(painter, images_);
    replay(compositionListDrawing(form_.composition(), form_.scrollPosition(), &canvas), canvas);
}

void HeatCompositionDialog::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QDialog::mousePressEvent(event);
    const QPoint at = event->position().toPoint();
    if (form_.press(at.x(), at.y(), sounds_)) {
        syncScrollBar();
        update(qrect(composition_view::kRegion));
    }
}

void HeatCompositionDialog::edited(int control, const QString& text)
{
    if (syncing_)
        return;
    form_.typeText(control, text.toStdString());
    const QString shown = qs(form_.editText(control));
    if (shown != text) {
        syncing_ = true;
        edits_[control]->setText(shown);
        syncing_ = false;
    }
    syncScrollBar();
    update(qrect(composition_view::kRegion));
}

void HeatCompositionDialog::scrollAction(int action)
{
    bool changed = false;
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
        changed = form_.scrollLines(1);
        break;
    case QAbstractSlider::SliderSingleStepSub:
        changed = form_.scrollLines(-1);
        break;
    case QAbstractSlider::SliderPageStepAdd:
        changed = form_.scrollToLast();
        break;
    case QAbstractSlider::SliderPageStepSub:
        changed = form_.scrollToFirst();
        break;
    case QAbstractSlider::SliderToMinimum:
        changed = form_.scrollToFirst();
        break;
    case QAbstractSlider::SliderToMaximum:
        changed = form_.scrollToLast();
        break;
    case QAbstractSlider::SliderMove:
        changed = form_.scrollTo(scrollBar_->sliderPosition());
        break;
    default:
        break;
    }
    // The form decides where the list stands; the bar follows it.
    scrollBar_->setSliderPosition(form_.scrollPosition());
    if (changed)
        update(qrect(composition_view::kRegion));
}

void HeatCompositionDialog::syncScrollBar()
{
    scrollBar_->setRange(0, form_.scrollMaximum());
    scrollBar_->setValue(form_.scrollPosition());
    scrollBar_->setVisible(form_.scrollBarShown());
}

void HeatCompositionDialog::generate()
{
    if (form_.generate())
        accept();
}

void HeatCompositionDialog::print()
{
    const ReportDocument doc = heatCompositionReport(form_, now());
    if (print_ && !doc.pages.empty())
        print_(doc);
}

} // namespace ksy
