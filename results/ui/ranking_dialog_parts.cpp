#include "results/ui/ranking_dialog_parts.h"

#include "display/text_fit.h"
#include "platform/qt_canvas.h"

#include <QDateTime>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>

namespace ksy {
namespace {

// The painted table under the dialog's controls.
class TableSurface : public QWidget {
public:
    TableSurface(QWidget* parent, std::function<Drawing()> drawing, const WorkFolder& folder)
        : QWidget(parent)
        , drawing_(std::move(drawing))
        , folder_(folder)
    {
        setObjectName(QStringLiteral("rankingTable"));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        ImageCache images(folder_);
        QtCanvas canvas(painter, images);
        // A name as long as the editors take is cut before "Tours" or "Points".
        replay(fitTexts(drawing_(), canvas), canvas);
    }

private:
    std::function<Drawing()> drawing_;
    const WorkFolder& folder_;
};

} // namespace

QString qsUtf8(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

ReportDate reportDateNow()
{
    const QDateTime t = QDateTime::currentDateTime();
    return {t.date().day(), t.date().month(), t.date().year(), t.time().hour(), t.time().minute()};
}

RankingDialogBase::RankingDialogBase(
    const WorkFolder& folder, RankingScroll& scroll, QWidget* parent)
    : QDialog(parent)
    , folder_(folder)
    , scroll_(scroll)
{
    // The first child, so that every control stands over it.
    surface_ = new TableSurface(this, [this] { return tableDrawing(); }, folder_);
}

void RankingDialogBase::setDialogSize(int width, int height)
{
    setFixedSize(width, height);
    surface_->setGeometry(0, 0, width, height);
}

QPushButton* RankingDialogBase::bitmapButton(
    int control, const char* bitmap, const QString& tip, int x, int y)
{
    auto* b = new QPushButton(this);
    b->setObjectName(QString::number(control));
    b->setToolTip(tip);
    b->setIcon(QIcon(qsUtf8(folder_.file(bitmap).string())));
    b->setIconSize(QSize(32, 32));
    b->setGeometry(x, y, 44, 44);
    return b;
}

void RankingDialogBase::addScrollBar(int control, int tableRight)
{
    using namespace ranking_view;
    scrollBar_ = new QScrollBar(Qt::Vertical, this);
    scrollBar_->setObjectName(QString::number(control));
    scrollBar_->setGeometry(tableRight + 2, kBodyTop, 18, kBodyBottom - kBodyTop);
    scrollBar_->setPageStep(kVisibleRows);
    connect(scrollBar_, &QScrollBar::actionTriggered, this, &RankingDialogBase::scrollAction);
}

QPushButton* RankingDialogBase::addValidateAndCancel(int width)
{
    auto* validate = new QPushButton(tr("Valider"), this);
    validate->setObjectName(QStringLiteral("1"));
    validate->setGeometry(width - 240, ranking_view::kBodyBottom + 12, 100, 30);
    validate->setDefault(true);
    auto* cancel = new QPushButton(tr("Echap"), this);
    cancel->setObjectName(QStringLiteral("2"));
    cancel->setGeometry(width - 120, ranking_view::kBodyBottom + 12, 100, 30);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    return validate;
}

void RankingDialogBase::syncScrollBar()
{
    scrollBar_->setRange(0, scroll_.maximum());
    scrollBar_->setValue(scroll_.position());
    scrollBar_->setVisible(scroll_.shown());
}

void RankingDialogBase::repaintTable()
{
    syncScrollBar();
    surface_->update(0, ranking_view::kTop - 4, surface_->width(),
        ranking_view::kBodyBottom - ranking_view::kTop + 6);
}

void RankingDialogBase::scrollAction(int action)
{
    bool changed = false;
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
        changed = scroll_.scrollLines(1);
        break;
    case QAbstractSlider::SliderSingleStepSub:
        changed = scroll_.scrollLines(-1);
        break;
    case QAbstractSlider::SliderPageStepAdd:
    case QAbstractSlider::SliderToMaximum:
        changed = scroll_.toLast();
        break;
    case QAbstractSlider::SliderPageStepSub:
    case QAbstractSlider::SliderToMinimum:
        changed = scroll_.toFirst();
        break;
    case QAbstractSlider::SliderMove:
        changed = scroll_.scrollTo(scrollBar_->sliderPosition());
        break;
    default:
        break;
    }
    // The form decides where the table stands; the bar follows it.
    scrollBar_->setSliderPosition(scroll_.position());
    if (changed)
        repaintTable();
}

} // namespace ksy
