#pragma once
// The live board in the main window: paints the board layout, keeps the
// scroll bar and the column dragging, and opens the result-editing fields.
// It repaints only when what it shows has changed, and only what changed.
#include "display/board_layout.h"
#include "display/column_drag.h"
#include "display/result_edit_form.h"
#include "display/ui/board_repaint.h"
#include "platform/qt_canvas.h"

#include <QPixmap>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

class QLineEdit;
class QScrollBar;

namespace ksy {

class BoardWidget : public QWidget {
    Q_OBJECT
public:
    explicit BoardWidget(WorkFolder folder, QWidget* parent = nullptr);
    ~BoardWidget() override;

    // The screen size the layout is proportional to; 0 x 0 follows the
    // widget's own size.
    void setScreenSize(int width, int height);
    void setStyle(const BoardStyle& style);
    void setColumnWidths(const ColumnWidths& widths);
    const ColumnWidths& columnWidths() const { return view_.widths; }
    void setInputs(const BoardInputs& inputs);
    const BoardInputs& inputs() const { return view_.inputs; }

    int scrollPosition() const { return view_.scrollPosition; }
    const RowMetrics& rowMetrics() const { return view_.rows; }
    BoardGeometry boardGeometry() const;

    // Result-editing mode (command 6102 on; 2101, 2102, 2103 or 1055 off).
    void setResultEditing(bool on);
    bool resultEditing() const { return resultEditing_; }
    // Opens the fields over the cell of `entry` that shows `what`, filled
    // from `value` (after resultCellClicked).
    void openResultFields(int entry, EditedValue what, std::int32_t value);
    void closeFields();
    bool fieldsOpen() const { return form_.has_value(); }

Q_SIGNALS:
    // A column edge was dragged: the widths to keep with the settings.
    void columnWidthsChanged();
    // In editing mode, a click on an editable cell: the owner plays the beep
    // and calls openResultFields() with the row's value.
    void resultCellClicked(int entry, ksy::EditedValue what);
    // Any other left click on a row (column -1: the position strip).
    void rowClicked(int entry, int column, Qt::KeyboardModifiers modifiers);
    // A field changed: the value goes into the standings row and every slot
    // of the pilot; the heat is no longer ready to start.
    void resultEdited(int entry, ksy::EditedValue what, int value);
    // The end of a left click that opened nothing.
    void clickEnded();
    void scrollPositionChanged(int position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void relayout();
    void placeScrollBar();
    void scrolled(int position);
    void fieldEdited(std::size_t index, const QString& text);

    ImageCache images_;
    FontCache fonts_; // the screen's: layout and buffer paint measure alike
    bool followWidgetSize_ = true;
    BoardView view_;
    BoardRepaint repaint_; // what changed since the buffer was last painted
    QPixmap buffer_;
    QScrollBar* scrollBar_ = nullptr;
    ColumnDrag drag_;
    bool resultEditing_ = false;
    std::optional<ResultEditForm> form_;
    int formEntry_ = -1;
    std::vector<QLineEdit*> fields_;
};

} // namespace ksy
