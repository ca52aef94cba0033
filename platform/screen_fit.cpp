#include "platform/screen_fit.h"

#include <QApplication>
#include <QBoxLayout>
#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFileDialog>
#include <QHeaderView>
#include <QListView>
#include <QTreeView>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QStyle>
#include <QWindow>

#include <algorithm>

namespace ksy {
namespace {

constexpr const char* kFittedProperty = "ksyScreenFitted";

// Qt's own dialogs (files, printing, boxes) size themselves and are
// resizable; only the program's dialogs are laid out at fixed places.
bool isProgramDialog(const QDialog* dialog)
{
    const QByteArray name = dialog->metaObject()->className();
    return name.startsWith("ksy::") || name == "QDialog";
}

// Before it is mapped a window's frame is unknown (or, offscreen, a token
// border): never count less than a title bar.
QMargins frameOf(const QDialog* dialog)
{
    QMargins m;
    if (const QWindow* w = dialog->windowHandle())
        m = w->frameMargins();
    return QMargins(std::max(m.left(), kAssumedFrame.left()), std::max(m.top(), kAssumedFrame.top()),
        std::max(m.right(), kAssumedFrame.right()), std::max(m.bottom(), kAssumedFrame.bottom()));
}

bool holdsButton(QLayoutItem* item)
{
    if (QWidget* w = item->widget())
        return qobject_cast<QPushButton*>(w) || qobject_cast<QDialogButtonBox*>(w);
    if (QLayout* l = item->layout())
        for (int i = 0; i < l->count(); ++i)
            if (holdsButton(l->itemAt(i)))
                return true;
    return false;
}

// The last row of a laid-out dialog when it holds its push buttons.
QLayoutItem* takeButtonRow(QLayout* layout)
{
    for (int i = layout->count() - 1; i >= 0; --i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->spacerItem())
            continue;
        return holdsButton(item) ? layout->takeAt(i) : nullptr;
    }
    return nullptr;
}

// The push buttons of a dialog built at fixed places that stand on its
// bottom edge.
QList<QWidget*> bottomButtons(QDialog* dialog)
{
    QList<QWidget*> out;
    for (auto* b : dialog->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly))
        if (!b->isHidden() && b->geometry().bottom() >= dialog->height() - 60)
            out << b;
    std::sort(out.begin(), out.end(),
        [](QWidget* a, QWidget* b) { return a->geometry().x() < b->geometry().x(); });
    return out;
}

void rearrange(QDialog* dialog)
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("screenFitPage"));
    QLayoutItem* buttonRow = nullptr;
    QList<QWidget*> buttons;
    const bool laidOut = dialog->layout() != nullptr;
    if (laidOut) {
        QLayout* layout = dialog->layout();
        buttonRow = takeButtonRow(layout);
        const QSize natural = layout->sizeHint();
        // Moves the layout and the widgets it holds into the page.
        page->setLayout(layout);
        page->setMinimumSize(natural);
    } else {
        buttons = bottomButtons(dialog);
        const QSize natural = dialog->size();
        page->setFixedSize(natural);
        for (QWidget* child : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child->isWindow() || buttons.contains(child))
                continue;
            const QRect at = child->geometry();
            const bool hidden = child->isHidden();
            child->setParent(page);
            child->setGeometry(at);
            child->setVisible(!hidden);
        }
    }
    // The page keeps the built size; the dialog itself may now shrink.
    dialog->setMinimumSize(0, 0);
    dialog->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);

    auto* scroll = new QScrollArea(dialog);
    scroll->setObjectName(QStringLiteral("screenFitScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(laidOut);
    scroll->setWidget(page);

    // The scroll area from edge to edge: the page's own margins stay in it.
    auto* column = new QVBoxLayout(dialog);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(scroll, 1);
    auto* foot = new QHBoxLayout;
    foot->setContentsMargins(11, 6, 11, 11);
    if (buttonRow) {
        if (QLayout* row = buttonRow->layout())
            foot->addLayout(row);
        else
            foot->addItem(buttonRow);
    } else {
        foot->addStretch(1);
        for (QWidget* b : buttons)
            foot->addWidget(b);
    }
    column->addLayout(foot);
    scroll->show();
    for (QWidget* b : buttons)
        b->show();
    dialog->setProperty(kFittedProperty, true);
}

} // namespace

void widenFileDialogColumns(QDialog* dialog)
{
    if (!qobject_cast<QFileDialog*>(dialog))
        return;
    // Qt sizes the detail columns for English headings: "Dernière
    // modification" would be cut. Each column at least as wide as its heading,
    // the names taking the room left, so that none goes behind a scroll bar.
    for (auto* view : dialog->findChildren<QTreeView*>()) {
        QHeaderView* header = view->header();
        for (int i = 1; i < header->count(); ++i)
            header->resizeSection(i, std::max(header->sectionSize(i), header->sectionSizeHint(i)));
        if (header->count() > 1) {
            header->setStretchLastSection(false);
            header->setSectionResizeMode(0, QHeaderView::Stretch);
        }
    }
    // The places on the left ("Ordinateur", the home folder) whole too.
    auto* places = dialog->findChild<QListView*>(QStringLiteral("sidebar"));
    auto* splitter = dialog->findChild<QSplitter*>(QStringLiteral("splitter"));
    if (places && splitter && splitter->count() == 2) {
        const int wanted = places->sizeHintForColumn(0) + 2 * places->frameWidth() + 8;
        const QList<int> sizes = splitter->sizes();
        if (sizes[0] < wanted && sizes[0] + sizes[1] > 3 * wanted)
            splitter->setSizes({wanted, sizes[0] + sizes[1] - wanted});
    }
}

bool fitDialogToRoom(QDialog* dialog, const QRect& room)
{
    const QMargins frame = frameOf(dialog);
    const QSize inner(room.width() - frame.left() - frame.right(),
        room.height() - frame.top() - frame.bottom());
    const bool fitted = dialog->property(kFittedProperty).toBool();
    QSize size = dialog->size();
    if (!fitted && size.width() <= inner.width() && size.height() <= inner.height())
        return false;
    if (!fitted) {
        const QSize natural = size;
        rearrange(dialog);
        dialog->layout()->activate();
        // Room for the scroll bar the shorter side brings.
        const int bar = dialog->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2;
        const QSize wanted = dialog->layout()->sizeHint().expandedTo(natural);
        size = QSize(natural.width() > inner.width() ? inner.width() : wanted.width() + bar,
            natural.height() > inner.height() ? inner.height() : wanted.height() + bar);
    }
    size = size.boundedTo(inner);
    // The whole frame inside the room, as near as can be where Qt put it;
    // placed by its inside, the frame around it being the window manager's.
    QPoint at = dialog->geometry().topLeft();
    at.setX(std::clamp(at.x(), room.left() + frame.left(),
        room.right() + 1 - frame.right() - size.width()));
    at.setY(std::clamp(at.y(), room.top() + frame.top(),
        room.bottom() + 1 - frame.bottom() - size.height()));
    dialog->setGeometry(QRect(at, size));
    return true;
}

ScreenFit::ScreenFit(QObject* parent)
    : QObject(parent)
{
    qApp->installEventFilter(this);
}

ScreenFit::~ScreenFit()
{
    qApp->removeEventFilter(this);
}

bool ScreenFit::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (dialog && dialog->isWindow())
            widenFileDialogColumns(dialog);
        if (dialog && dialog->isWindow() && isProgramDialog(dialog)) {
            const QScreen* screen = dialog->screen();
            if (!screen)
                screen = QGuiApplication::primaryScreen();
            if (screen)
                fitDialogToRoom(dialog, screen->availableGeometry());
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace ksy
