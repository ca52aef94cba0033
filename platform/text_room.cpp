#include "platform/text_room.h"

#include <QComboBox>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QWidget>
#include <algorithm>

namespace ksy {

int widthForText(const QWidget* w)
{
    if (const auto* c = qobject_cast<const QComboBox*>(w)) {
        int widest = 0;
        for (int i = 0; i < c->count(); ++i)
            widest = std::max(widest, c->fontMetrics().horizontalAdvance(c->itemText(i)));
        QStyleOptionComboBox option;
        option.initFrom(c);
        const QSize content(widest, c->fontMetrics().height());
        return c->style()->sizeFromContents(QStyle::CT_ComboBox, &option, content, c).width();
    }
    if (const auto* b = qobject_cast<const QPushButton*>(w)) {
        if (b->text().isEmpty() || !b->icon().isNull())
            return 0;
        // A push button's own size hint asks for a minimum width that a short
        // text does not need.
        return b->fontMetrics().horizontalAdvance(b->text()) + 12;
    }
    if (const auto* b = qobject_cast<const QAbstractButton*>(w))
        return b->sizeHint().width(); // the indicator, its spacing and the text
    return 0;
}

void fitLineToTexts(const std::vector<QWidget*>& line)
{
    int shift = 0;
    for (QWidget* w : line) {
        QRect r = w->geometry().translated(shift, 0);
        const int need = widthForText(w);
        if (need > r.width()) {
            shift += need - r.width();
            r.setWidth(need);
        }
        w->setGeometry(r);
    }
}

void growFrameAround(QWidget* frame, const std::vector<QWidget*>& inside, int margin)
{
    QRect r = frame->geometry();
    for (const QWidget* w : inside)
        r.setRight(std::max(r.right(), w->geometry().right() + margin));
    frame->setGeometry(r);
}

} // namespace ksy
