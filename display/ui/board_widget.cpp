#include "display/ui/board_widget.h"

#include "display/board_scroll.h"
#include "display/ui/board_render.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QScrollBar>

namespace ksy {

namespace {

int columnOf(EditedValue what)
{
    switch (what) {
    case EditedValue::Laps:
        return ColumnLaps;
    case EditedValue::TotalTime:
        return ColumnTotalTime;
    case EditedValue::LastLap:
        return ColumnLastLap;
    case EditedValue::BestLap:
        return ColumnBestLap;
    }
    return ColumnLaps;
}

} // namespace

BoardWidget::BoardWidget(WorkFolder folder, QWidget* parent)
    : QWidget(parent)
    , images_(std::move(folder))
{
    // The board paints every pixel itself from its own buffer.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    scrollBar_ = new QScrollBar(Qt::Vertical, this);
    scrollBar_->hide();
    connect(scrollBar_, &QScrollBar::valueChanged, this, &BoardWidget::scrolled);
    view_.screenWidth = std::max(1, width());
    view_.screenHeight = std::max(1, height());
    relayout();
}

BoardWidget::~BoardWidget() = default;

void BoardWidget::setScreenSize(int w, int h)
{
    followWidgetSize_ = w <= 0 || h <= 0;
    view_.screenWidth = followWidgetSize_ ? std::max(1, width()) : w;
    view_.screenHeight = followWidgetSize_ ? std::max(1, height()) : h;
    view_.rows = measureRows(view_.style, view_.screenWidth, view_.screenHeight, &fonts_);
    repaint_.invalidate();
    relayout();
}

void BoardWidget::setStyle(const BoardStyle& style)
{
    view_.style = style;
    view_.rows = measureRows(style, view_.screenWidth, view_.screenHeight, &fonts_);
    repaint_.invalidate(); // a new theme: every pixel may change
    relayout();
}

void BoardWidget::setColumnWidths(const ColumnWidths& widths)
{
    view_.widths = widths;
    relayout();
}

void BoardWidget::setInputs(const BoardInputs& inputs)
{
    view_.inputs = inputs;
    relayout();
}

BoardGeometry BoardWidget::boardGeometry() const
{
    return ksy::boardGeometry(view_);
}

void BoardWidget::relayout()
{
    const int entries = static_cast<int>(view_.inputs.rows.size());
    view_.scrollPosition =
        clampScrollPosition(view_.scrollPosition, entries, view_.rows.visibleRows);
    placeScrollBar();
    const QtTextMetrics metrics(&fonts_);
    if (!repaint_.setDrawing(layoutBoard(view_, metrics), metrics))
        return; // nothing shown has changed: no repaint
    update(repaint_.pending(size()));
}

void BoardWidget::placeScrollBar()
{
    const int entries = static_cast<int>(view_.inputs.rows.size());
    const BoardGeometry g = ksy::boardGeometry(view_);
    scrollBar_->setGeometry(201, g.y(145), std::max(1, g.x(13)), g.y(465));
    const QSignalBlocker block(scrollBar_);
    scrollBar_->setRange(0, scrollMaximum(entries, view_.rows.visibleRows));
    scrollBar_->setPageStep(std::max(1, view_.rows.visibleRows));
    scrollBar_->setValue(view_.scrollPosition);
    scrollBar_->setVisible(scrollBarShown(entries, view_.rows.visibleRows));
}

void BoardWidget::scrolled(int position)
{
    if (position == view_.scrollPosition)
        return;
    closeFields();
    view_.scrollPosition = position;
    relayout();
    Q_EMIT scrollPositionChanged(view_.scrollPosition);
}

void BoardWidget::paintEvent(QPaintEvent* event)
{
    if (buffer_.size() != size()) {
        buffer_ = QPixmap(size());
        repaint_.invalidate();
    }
    repaint_.paint(buffer_, toQColor(view_.style.colours[ColourWindow]), images_, &fonts_);
    QPainter painter(this);
    for (const QRect& r : event->region())
        painter.drawPixmap(r, buffer_, r);
}

void BoardWidget::resizeEvent(QResizeEvent*)
{
    repaint_.invalidate();
    if (followWidgetSize_)
        setScreenSize(0, 0);
}

void BoardWidget::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    const bool resize = drag_.resizeCursorAt(boardGeometry(), p.x(), p.y());
    setCursor(resize ? Qt::SizeHorCursor : Qt::ArrowCursor);
}

void BoardWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    closeFields();
    const QPoint p = event->position().toPoint();
    const BoardGeometry g = boardGeometry();
    if (drag_.press(g, p.x(), p.y()))
        return;

    const int row = rowAt(g, p.x(), p.y());
    if (row >= 0) {
        const int entry = view_.scrollPosition + row;
        const auto cell = cellAt(g, p.x(), p.y());
        const auto what = cell ? editedValueForColumn(cell->column) : std::nullopt;
        if (resultEditing_ && what)
            Q_EMIT resultCellClicked(entry, *what);
        else
            Q_EMIT rowClicked(entry, cell ? cell->column : -1, event->modifiers());
    }
    if (!fieldsOpen())
        Q_EMIT clickEnded();
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !drag_.dragging())
        return;
    const QPoint p = event->position().toPoint();
    if (drag_.release(boardGeometry(), p.x(), p.y(), view_.widths)) {
        relayout();
        Q_EMIT columnWidthsChanged();
    }
}

void BoardWidget::setResultEditing(bool on)
{
    resultEditing_ = on;
    if (!on)
        closeFields();
}

void BoardWidget::openResultFields(int entry, EditedValue what, std::int32_t value)
{
    closeFields();
    const BoardGeometry g = boardGeometry();
    const int row = entry - view_.scrollPosition;
    const int column = columnOf(what);
    if (row < 0 || row >= g.rowsDrawn || view_.widths[column] == 0)
        return;

    form_.emplace(what, value);
    formEntry_ = entry;
    const auto& specs = form_->fields();
    const auto rects = editFieldRects(g.cell(row, column), static_cast<int>(specs.size()));
    for (std::size_t i = 0; i < specs.size(); ++i) {
        auto* field = new QLineEdit(this);
        field->setObjectName(QString::number(specs[i].id));
        field->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), field));
        field->setMaxLength(specs[i].maxChars);
        field->setAlignment(Qt::AlignRight);
        field->setText(QString::fromStdString(specs[i].text));
        const Rect& r = rects[i];
        field->setGeometry(r.left, r.top, r.width(), r.height());
        connect(field, &QLineEdit::textEdited, this,
            [this, i](const QString& text) { fieldEdited(i, text); });
        field->show();
        fields_.push_back(field);
    }
    if (!fields_.empty())
        fields_.front()->setFocus();
}

void BoardWidget::fieldEdited(std::size_t index, const QString& text)
{
    if (!form_ || index >= fields_.size())
        return;
    const int id = form_->fields()[index].id;
    if (const auto rewritten = form_->change(id, text.toStdString()))
        fields_[index]->setText(QString::fromStdString(*rewritten));
    const int entry = formEntry_;
    const EditedValue what = form_->what();
    const int value = form_->value();
    Q_EMIT resultEdited(entry, what, value);
}

void BoardWidget::closeFields()
{
    // Deleted later: a field may be the sender of the signal being handled.
    for (QLineEdit* field : fields_) {
        field->hide();
        field->deleteLater();
    }
    fields_.clear();
    form_.reset();
    formEntry_ = -1;
}

} // namespace ksy
