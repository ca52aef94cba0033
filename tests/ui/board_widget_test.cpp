#include "display/board_sources.h"
#include "display/ui/board_render.h"
#include "display/ui/board_widget.h"
#include "support/fakes.h"

#include <QApplication>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace ksy::test {
namespace {

DisplaySettings shippedSettings()
{
    DisplaySettings s;
    EXPECT_TRUE(readDisplaySettings(
        std::filesystem::path(KSY_SOURCE_DIR) / u8"data/Private/RéglagesAffichage.rgsc", s));
    return s;
}

BoardInputs heat(int pilots)
{
    BoardInputs in;
    in.heatTitle = "Durée 0:10:00 - DEPARTSignalSonore - FINTEMPSFinirTour";
    for (int i = 1; i <= pilots; ++i) {
        BoardLine l;
        l.place = std::to_string(i);
        l.slot = " " + std::to_string(i) + " ";
        l.name = "Pilote n°" + std::to_string(i);
        l.passingCount = "7";
        l.totalTime = "6:0" + std::to_string(i % 10) + ".250";
        l.transponder = "0012" + std::to_string(10 + i);
        l.finished = i < 4;
        l.changed = i == 2;
        in.rows.push_back(l);
    }
    in.durationText = "0:10:00";
    in.elapsedText = "0:06:12";
    in.remainingText = "0:03:48";
    return in;
}

void click(QWidget& w, QEvent::Type type, int x, int y, Qt::KeyboardModifiers mods = {})
{
    const QPointF p(x, y);
    QMouseEvent e(type, p, w.mapToGlobal(p), Qt::LeftButton,
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, mods);
    QApplication::sendEvent(&w, &e);
}

TEST(BoardWidget, RendersTheShippedThemeWithRealFonts)
{
    const DisplaySettings settings = shippedSettings();
    EXPECT_EQ(
        QFontInfo(toQFont({"Arial", 20, 700, false, false, false})).family(), "Liberation Sans");

    BoardView v;
    v.screenWidth = 1600;
    v.screenHeight = 900;
    v.style = boardStyle(settings);
    v.widths = boardColumnWidths(settings);
    v.rows = measureRows(v.style, 1600, 900);
    v.inputs = heat(12);
    EXPECT_GE(v.rows.visibleRows, 12);

    ImageCache images {WorkFolder(std::filesystem::path(KSY_SOURCE_DIR) / "data")};
    const QImage image = renderBoard(v, images);
    ASSERT_EQ(image.size(), QSize(1600, 900));
    if (const QByteArray out = qgetenv("KSY_BOARD_PNG"); !out.isEmpty())
        image.save(out);

    // The board area's colour right inside its bottom-left corner, the window
    // colour outside it.
    const BoardGeometry g = boardGeometry(v);
    const Rect area = g.boardArea();
    EXPECT_EQ(image.pixelColor(area.left + 2, area.bottom - 2), toQColor(settings.colours[2]));
    EXPECT_EQ(image.pixelColor(area.left - 3, area.bottom - 2), toQColor(settings.colours[0]));
    // The header band's top line is the frame (black), its middle the header colour.
    EXPECT_EQ(image.pixelColor(g.headerBand().left + 5, g.headerBand().top), QColor(Qt::black));
}

TEST(BoardWidget, ScrollBarDraggingAndResultFields)
{
    BoardWidget w(WorkFolder {});
    w.resize(1600, 900);
    w.setScreenSize(1600, 900);
    DisplaySettings settings = shippedSettings();
    for (std::size_t k = 3; k < 12; ++k)
        settings.fonts[k].size = 30; // fewer rows fit than a heat can have
    w.setStyle(boardStyle(settings));
    w.setColumnWidths(boardColumnWidths(settings));
    const int visible = w.rowMetrics().visibleRows;
    ASSERT_GT(visible, 3);
    ASSERT_LT(visible, 20);

    auto* bar = w.findChild<QScrollBar*>();
    ASSERT_NE(bar, nullptr);
    w.setInputs(heat(visible));
    EXPECT_TRUE(bar->isHidden());
    w.setInputs(heat(20));
    EXPECT_FALSE(bar->isHidden());
    EXPECT_EQ(bar->maximum(), 20 - visible);
    bar->setValue(50);
    EXPECT_EQ(w.scrollPosition(), 20 - visible);
    w.setInputs(heat(2)); // fewer entries: back to the top
    EXPECT_EQ(w.scrollPosition(), 0);
    EXPECT_TRUE(bar->isHidden());

    // Drag the right edge of "Nom pilote" 40 pixels to the right.
    int widthsChanged = 0;
    QObject::connect(&w, &BoardWidget::columnWidthsChanged, [&] { ++widthsChanged; });
    const BoardGeometry g = w.boardGeometry();
    const int edge = g.columnRight(ColumnName);
    const int bandY = (g.headerBand().top + g.headerBand().bottom) / 2;
    click(w, QEvent::MouseButtonPress, edge, bandY);
    click(w, QEvent::MouseButtonRelease, edge + 40, bandY);
    EXPECT_EQ(widthsChanged, 1);
    EXPECT_EQ(w.columnWidths()[ColumnName], settings.columnWidths[1] + 40);
    click(w, QEvent::MouseButtonPress, edge + 40, bandY);
    click(w, QEvent::MouseButtonRelease, edge + 90, bandY + 200); // released below the band
    EXPECT_EQ(w.columnWidths()[ColumnName], settings.columnWidths[1] + 40);

    // Editing mode: a click on "Temps total" of the second row asks for its value.
    std::vector<std::pair<int, EditedValue>> cellClicked;
    int rowClicked = 0;
    std::vector<int> edited;
    QObject::connect(&w, &BoardWidget::resultCellClicked,
        [&](int entry, EditedValue what) { cellClicked.emplace_back(entry, what); });
    QObject::connect(&w, &BoardWidget::rowClicked, [&] { ++rowClicked; });
    QObject::connect(&w, &BoardWidget::resultEdited,
        [&](int, EditedValue, int value) { edited.push_back(value); });
    const BoardGeometry g2 = w.boardGeometry();
    const Rect cell = g2.cell(1, ColumnTotalTime);
    click(w, QEvent::MouseButtonPress, cell.left + 3, cell.top + 3);
    EXPECT_TRUE(cellClicked.empty());
    EXPECT_EQ(rowClicked, 1); // not in editing mode yet
    w.setResultEditing(true);
    click(w, QEvent::MouseButtonPress, cell.left + 3, cell.top + 3);
    ASSERT_EQ(cellClicked.size(), 1u);
    EXPECT_EQ(cellClicked[0], std::make_pair(1, EditedValue::TotalTime));

    w.openResultFields(1, EditedValue::TotalTime, 361250); // 0:06:01.250
    auto* minutes = w.findChild<QLineEdit*>("6203");
    ASSERT_NE(minutes, nullptr);
    EXPECT_EQ(minutes->text(), "06");
    EXPECT_GE(minutes->x(), cell.left + 2);
    minutes->selectAll();
    QKeyEvent key(QEvent::KeyPress, Qt::Key_9, Qt::NoModifier, "9");
    QApplication::sendEvent(minutes, &key);
    EXPECT_EQ(edited, std::vector<int> {9 * 60000 + 1250});

    click(w, QEvent::MouseButtonPress, 50, 50); // any click removes the fields
    EXPECT_FALSE(w.fieldsOpen());
}

} // namespace
} // namespace ksy::test
