#include "app/race_tree_view.h"

#include "app/resource_images.h"
#include "app/tree_labels.h"
#include "platform/storable_text_validator.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyledItemDelegate>

namespace ksy {
namespace {

// The in-place editor of a label: a line edit that refuses what a file
// field cannot hold and stops at the category name's length.
class LabelDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(
        QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        auto* edit = new QLineEdit(parent);
        edit->setObjectName(QStringLiteral("treeLabelEdit"));
        limitToStorableText(edit, static_cast<int>(kCategoryNameMaxLength));
        return edit;
    }
};

} // namespace

RaceTreeView::RaceTreeView(const WorkFolder& folder, QWidget* parent)
    : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("4000"));
    setColumnCount(1);
    header()->hide();
    // A long category or pilot name scrolls sideways instead of being cut.
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    setRootIsDecorated(true);
    // The rankings stand four levels deep: with Qt's 20-pixel steps
    // "Classement Global" would run past the tree's width.
    setIndentation(10);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    setItemDelegate(new LabelDelegate(this));
    setContextMenuPolicy(Qt::CustomContextMenu);
    setIconSize(QSize(16, 16));
    for (int i = 0; i < treeimage::Count; ++i) {
        const auto file = folder.file(resourceImageFile(19 + i));
        icons_.emplace_back(QString::fromStdString(file.string()));
    }
    connect(this, &QTreeWidget::itemChanged, this, &RaceTreeView::onItemChanged);
    connect(this, &QTreeWidget::itemExpanded, this, &RaceTreeView::onItemExpanded);
    connect(this, &QTreeWidget::currentItemChanged, this,
        [this](QTreeWidgetItem* current, QTreeWidgetItem* previous) {
            if (building_)
                return;
            Q_EMIT selectionChanging(codeOf(previous));
            Q_EMIT selectionChangedTo(codeOf(current));
        });
    connect(this, &QWidget::customContextMenuRequested, this,
        [this](const QPoint& pos) { Q_EMIT rightClicked(viewport()->mapToGlobal(pos)); });
}

int RaceTreeView::codeOf(const QTreeWidgetItem* item)
{
    return item ? item->data(0, kCodeRole).toInt() : 0;
}

void RaceTreeView::addItem(const RaceTreeItem& item, QTreeWidgetItem* parent)
{
    QTreeWidgetItem* node = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    node->setText(0, shownTreeLabel(item.code, item.text));
    node->setData(0, kCodeRole, item.code);
    if (item.image >= 0 && item.image < static_cast<int>(icons_.size()))
        node->setIcon(0, icons_[static_cast<std::size_t>(item.image)]);
    if (item.bold) {
        QFont font = node->font(0);
        font.setBold(true);
        node->setFont(0, font);
    }
    Qt::ItemFlags flags = node->flags();
    if (canRenameItem(item.code))
        flags |= Qt::ItemIsEditable;
    else
        flags &= ~Qt::ItemIsEditable;
    node->setFlags(flags);
}

void RaceTreeView::appendItems(const std::vector<RaceTreeItem>& items)
{
    building_ = true;
    std::vector<QTreeWidgetItem*> made;
    for (const RaceTreeItem& item : items) {
        QTreeWidgetItem* parent = item.parent >= 0 && item.parent < static_cast<int>(made.size())
            ? made[static_cast<std::size_t>(item.parent)]
            : nullptr;
        addItem(item, parent);
        made.push_back(parent ? parent->child(parent->childCount() - 1)
                              : topLevelItem(topLevelItemCount() - 1));
    }
    building_ = false;
}

void RaceTreeView::showItems(const std::vector<RaceTreeItem>& items)
{
    building_ = true;
    clear();
    building_ = false;
    appendItems(items);
}

QTreeWidgetItem* RaceTreeView::itemWithCode(int code) const
{
    QTreeWidgetItemIterator it(const_cast<RaceTreeView*>(this));
    for (; *it; ++it)
        if (codeOf(*it) == code)
            return *it;
    return nullptr;
}

int RaceTreeView::selectedCode() const
{
    return codeOf(currentItem());
}

void RaceTreeView::selectCode(int code)
{
    if (QTreeWidgetItem* item = itemWithCode(code))
        setCurrentItem(item);
}

void RaceTreeView::setInitialSelection(int code)
{
    if (QTreeWidgetItem* item = itemWithCode(code)) {
        building_ = true;
        setCurrentItem(item);
        building_ = false;
    }
}

void RaceTreeView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QTreeWidget::mousePressEvent(event);
}

void RaceTreeView::expandCategory(int code)
{
    if (QTreeWidgetItem* item = itemWithCode(code))
        item->setExpanded(true);
}

void RaceTreeView::setImage(int code, int image)
{
    QTreeWidgetItem* item = itemWithCode(code);
    if (item && image >= 0 && image < static_cast<int>(icons_.size()))
        item->setIcon(0, icons_[static_cast<std::size_t>(image)]);
}

void RaceTreeView::setLabel(int code, const QString& text)
{
    if (QTreeWidgetItem* item = itemWithCode(code)) {
        building_ = true;
        item->setText(0, text);
        building_ = false;
    }
}

void RaceTreeView::editSelectedLabel()
{
    QTreeWidgetItem* item = currentItem();
    if (item && canRenameItem(codeOf(item)))
        editItem(item, 0);
}

void RaceTreeView::onItemChanged(QTreeWidgetItem* item, int)
{
    if (building_ || !item || !canRenameItem(codeOf(item)))
        return;
    Q_EMIT categoryRenamed(codeOf(item), item->text(0));
}

void RaceTreeView::onItemExpanded(QTreeWidgetItem* item)
{
    if (building_ || collapsing_ || treeItemKind(codeOf(item)) != TreeItemKind::Category)
        return;
    // One category open at a time.
    collapsing_ = true;
    for (int i = 0; i < topLevelItemCount(); ++i) {
        QTreeWidgetItem* other = topLevelItem(i);
        if (other != item && treeItemKind(codeOf(other)) == TreeItemKind::Category)
            other->setExpanded(false);
    }
    collapsing_ = false;
    Q_EMIT categoryExpanded(codeOf(item));
}

} // namespace ksy
