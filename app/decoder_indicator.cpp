#include "app/decoder_indicator.h"

#include "app/decoder_messages.h"
#include "app/main_window.h"
#include "timing/decoder_link.h"

#include <QEvent>
#include <QLabel>

#include <algorithm>

namespace ksy {

DecoderIndicator::DecoderIndicator(
    MainWindow& window, const DecoderLink& link, DecoderMessages& messages)
    : QObject(&window)
    , window_(window)
    , link_(link)
    , messages_(messages)
{
    label_ = new QLabel(window.clientArea());
    label_->setObjectName(QStringLiteral("decoderState"));
    label_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont f = label_->font();
    f.setBold(true);
    label_->setFont(f);
    place();
    label_->show();
    window.clientArea()->installEventFilter(this);
    connect(&timer_, &QTimer::timeout, this, &DecoderIndicator::refresh);
    timer_.start(250);
    refresh();
}

void DecoderIndicator::place()
{
    const QWidget* area = window_.clientArea();
    const int width = std::min(label_->sizeHint().width() + 8, area->width() / 2);
    label_->setGeometry(area->width() - width - 20, 4, width, label_->sizeHint().height());
}

bool DecoderIndicator::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_.clientArea() && event->type() == QEvent::Resize)
        place();
    return QObject::eventFilter(watched, event);
}

void DecoderIndicator::refresh()
{
    messages_.stateSeen();
    const QString text = QString::fromStdString(linkStateText(link_));
    if (text == label_->text())
        return;
    label_->setText(text);
    label_->setToolTip(text);
    const bool good = linkState(link_) == LinkState::Connected;
    label_->setStyleSheet(good ? QStringLiteral("color: #006400;") : QStringLiteral("color: #b00000;"));
    place();
}

} // namespace ksy
