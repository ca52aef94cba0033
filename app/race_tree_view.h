#pragma once
#include "storage/race_tree.h"
#include "storage/work_folder.h"

#include <QTreeWidget>
#include <vector>

namespace ksy {

// The race tree control (id 4000): shows the items computed by the race tree
// rules, each carrying its selection code; only category labels can be edited
// (53 characters of storable text). It reports what the person does and
// leaves the decisions to the main window.
class RaceTreeView : public QTreeWidget {
    Q_OBJECT
public:
    static constexpr int kCodeRole = Qt::UserRole;

    RaceTreeView(const WorkFolder& folder, QWidget* parent);

    // Replaces every item.
    void showItems(const std::vector<RaceTreeItem>& items);
    // Appends items (parents first, parent indexes relative to the list).
    void appendItems(const std::vector<RaceTreeItem>& items);

    QTreeWidgetItem* itemWithCode(int code) const;
    static int codeOf(const QTreeWidgetItem* item);
    // Code of the selected item; 0 when nothing is selected.
    int selectedCode() const;
    void selectCode(int code);
    // Makes the item current without reporting it (the tree of a new race
    // starts on its category, as its header says).
    void setInitialSelection(int code);
    void expandCategory(int code);
    // Sets the image of an item (treeimage::*).
    void setImage(int code, int image);
    // Sets a label without reporting it as an edit.
    void setLabel(int code, const QString& text);
    // Starts editing the label of the selected item when it is a category.
    void editSelectedLabel();

Q_SIGNALS:
    // A category's label was edited to this text (UTF-8, already storable).
    void categoryRenamed(int code, const QString& text);
    // Before the selection moves: the heat shown may need storing.
    void selectionChanging(int previousCode);
    void selectionChangedTo(int code);
    void categoryExpanded(int code);
    void rightClicked(const QPoint& globalPos);

protected:
    // A right click opens the menu of the selected item: it does not select.
    void mousePressEvent(QMouseEvent* event) override;

private:
    void addItem(const RaceTreeItem& item, QTreeWidgetItem* parent);
    void onItemChanged(QTreeWidgetItem* item, int column);
    void onItemExpanded(QTreeWidgetItem* item);

    std::vector<QIcon> icons_;
    bool building_ = false;
    bool collapsing_ = false;
};

} // namespace ksy
