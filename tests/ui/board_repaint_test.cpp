// The board painted piece by piece, as the window does after each passing
// and each clock tick, must stay the very image a whole paint makes.
#include "display/board_sources.h"
#include "display/ui/board_render.h"
#include "display/ui/board_repaint.h"
#include "display/ui/board_widget.h"

#include <QApplication>
#include <cstdio>
#include <functional>
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

ImageCache shippedImages()
{
    return ImageCache {WorkFolder(std::filesystem::path(KSY_SOURCE_DIR) / "data")};
}

std::string clock(int seconds)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d:%02d:%02d", seconds / 3600, seconds / 60 % 60, seconds % 60);
    return text;
}

BoardView runningHeat(const BoardStyle& style, const ColumnWidths& widths)
{
    BoardView view;
    view.screenWidth = 1920;
    view.screenHeight = 1080;
    view.style = style;
    view.widths = widths;
    view.inputs.heatTitle = "Série 3 - Manche 2 - Catégorie Classe 5";
    for (int i = 1; i <= 20; ++i) {
        BoardLine l;
        l.place = std::to_string(i);
        l.slot = " " + std::to_string(i) + " ";
        l.name = "Pilote numéro " + std::to_string(i) + " de la série";
        l.passingCount = "3";
        l.totalTime = "0:03:" + std::to_string(10 + i) + ".250";
        l.gapToLeader = "+" + std::to_string(i) + ".125";
        l.gapToPrevious = "+1.010";
        l.lastLap = "1:10.500";
        l.bestLap = "1:08.250";
        l.transponder = "0012" + std::to_string(10 + i);
        view.inputs.rows.push_back(l);
    }
    view.inputs.durationText = "0:15:00";
    view.inputs.elapsedText = clock(200);
    view.inputs.remainingText = clock(700);
    return view;
}

// One step of a running heat: a passing by the pilot of row `row`, who moves
// up one place, or a tick of the clocks, or one of the rarer changes.
void passing(BoardView& v, int row, int lap)
{
    std::vector<BoardLine>& rows = v.inputs.rows;
    for (BoardLine& l : rows)
        l.changed = false;
    BoardLine& l = rows[static_cast<std::size_t>(row)];
    l.passingCount = std::to_string(lap);
    l.totalTime = "0:0" + std::to_string(lap % 10) + ":12.500";
    l.lastLap = "1:0" + std::to_string(lap % 10) + ".125";
    l.newPersonalBest = lap % 3 == 0;
    l.changed = true;
    if (row > 0) {
        std::swap(rows[static_cast<std::size_t>(row)], rows[static_cast<std::size_t>(row - 1)]);
        std::swap(rows[static_cast<std::size_t>(row)].place,
            rows[static_cast<std::size_t>(row - 1)].place);
    }
}

void tick(BoardView& v, int seconds)
{
    v.inputs.elapsedText = clock(seconds);
    v.inputs.remainingText = clock(900 - seconds);
}

struct Step {
    std::string what;
    std::function<void(BoardView&)> change;
    bool small; // a repaint of a small part of the board is expected
};

std::vector<Step> raceSteps()
{
    std::vector<Step> steps;
    for (int s = 0; s < 6; ++s) {
        const int second = 201 + s;
        steps.push_back({"tick " + std::to_string(second), [=](BoardView& v) { tick(v, second); },
            true});
        const int row = (s * 7) % 20;
        steps.push_back({"passing row " + std::to_string(row),
            [=](BoardView& v) { passing(v, row, 4 + s); }, true});
    }
    steps.push_back({"a pilot finishes", [](BoardView& v) { v.inputs.rows[2].finished = true; }, true});
    steps.push_back({"heat best lap",
        [](BoardView& v) {
            v.inputs.rows[0].holdsHeatBest = true;
            v.inputs.rows[0].bestLap = "0:59.875";
        },
        true});
    steps.push_back({"radio conflict", [](BoardView& v) { v.inputs.radioConflict = true; }, true});
    steps.push_back({"shared transponder",
        [](BoardView& v) { v.inputs.rows[5].sharedTransponder = true; }, true});
    steps.push_back({"a long name cut with an ellipsis",
        [](BoardView& v) {
            v.inputs.rows[7].name = "Pilote au nom bien trop long pour tenir dans sa colonne";
        },
        true});
    steps.push_back({"the flag goes", [](BoardView& v) { v.inputs.rows[2].finished = false; }, true});
    steps.push_back({"rest shown",
        [](BoardView& v) {
            v.inputs.rest = {true, "5:00", "4:12 avant départ", false};
        },
        false});
    steps.push_back({"countdown", [](BoardView& v) { v.inputs.countdownText = "5s"; }, false});
    steps.push_back({"a pilot leaves the heat", [](BoardView& v) { v.inputs.rows.pop_back(); }, false});
    steps.push_back({"new heat",
        [](BoardView& v) {
            v.inputs.heatTitle = "Série 4 - Manche 2 - Catégorie Classe 5";
            v.inputs.rows.resize(8);
            for (BoardLine& l : v.inputs.rows)
                l.passingCount = "0";
        },
        false});
    return steps;
}

// Each step painted over the previous image must equal the whole paint.
void checkIncrementalPaints(const BoardStyle& style, const ColumnWidths& widths)
{
    ImageCache images = shippedImages();
    FontCache fonts;
    BoardView view = runningHeat(style, widths);
    view.rows = measureRows(view.style, view.screenWidth, view.screenHeight, &fonts);
    const QtTextMetrics metrics(&fonts);

    QImage kept(view.screenWidth, view.screenHeight, QImage::Format_RGB32);
    BoardRepaint repaint;
    repaint.setDrawing(layoutBoard(view, metrics), metrics);
    repaint.paint(kept, Qt::white, images, &fonts);

    const long long screen = static_cast<long long>(view.screenWidth) * view.screenHeight;
    for (const Step& step : raceSteps()) {
        step.change(view);
        ASSERT_TRUE(repaint.setDrawing(layoutBoard(view, metrics), metrics)) << step.what;
        const QRegion painted = repaint.paint(kept, Qt::white, images, &fonts);
        long long area = 0;
        for (const QRect& r : painted)
            area += static_cast<long long>(r.width()) * r.height();
        if (step.small) {
            EXPECT_LT(area * 4, screen) << step.what << ": most of the board was painted";
        }

        // With the same caches, as the window paints all of it after a
        // resize. (Large texts drawn afresh by Qt may differ by a rounding
        // step from one drawing to the next: the kept image of such a text
        // is what keeps the board steady.)
        const QImage whole = renderBoard(view, images, &fonts);
        ASSERT_EQ(kept.size(), whole.size());
        int differing = 0;
        QPoint first;
        for (int y = 0; y < whole.height(); ++y) {
            const auto* a = reinterpret_cast<const QRgb*>(kept.constScanLine(y));
            const auto* b = reinterpret_cast<const QRgb*>(whole.constScanLine(y));
            for (int x = 0; x < whole.width(); ++x)
                if (a[x] != b[x] && differing++ == 0)
                    first = QPoint(x, y);
        }
        EXPECT_EQ(differing, 0) << step.what << ": first at " << first.x() << "," << first.y();
        if (differing != 0) {
            if (const QByteArray out = qgetenv("KSY_REPAINT_PNG"); !out.isEmpty()) {
                kept.save(out + "-kept.png");
                whole.save(out + "-whole.png");
            }
            return;
        }
    }
}

TEST(BoardRepaint, PaintsOnlyWhatChangedAndStaysTheWholePaintPixelForPixel)
{
    const DisplaySettings settings = shippedSettings();
    checkIncrementalPaints(boardStyle(settings), boardColumnWidths(settings));

    // Gradients down the column and in relief, row by row, flat colours and
    // an italic face.
    BoardStyle gradient = boardStyle(settings);
    gradient.relief = false;
    gradient.colours[ColourTableTop] = rgb(250, 250, 250);
    gradient.colours[ColourTableBottom] = rgb(120, 160, 220);
    gradient.fonts[static_cast<int>(FontFirstColumn) + static_cast<int>(ColumnName)].italic = true;
    checkIncrementalPaints(gradient, boardColumnWidths(settings));
    BoardStyle relief = gradient;
    relief.relief = true;
    checkIncrementalPaints(relief, boardColumnWidths(settings));
    BoardStyle flat = boardStyle(settings);
    flat.colours[ColourHeaderBottom] = flat.colours[ColourHeaderTop];
    flat.colours[ColourTableBottom] = flat.colours[ColourTableTop];
    checkIncrementalPaints(flat, boardColumnWidths(settings));
}

TEST(BoardRepaint, TheWidgetRepaintsTheChangedRowsAndAllOfItForANewTheme)
{
    const DisplaySettings settings = shippedSettings();
    BoardWidget w(WorkFolder(std::filesystem::path(KSY_SOURCE_DIR) / "data"));
    w.resize(1280, 720);
    w.setStyle(boardStyle(settings));
    w.setColumnWidths(boardColumnWidths(settings));
    BoardView view = runningHeat(boardStyle(settings), boardColumnWidths(settings));
    w.setInputs(view.inputs);
    const QImage first = w.grab().toImage();

    passing(view, 4, 5);
    tick(view, 260);
    w.setInputs(view.inputs);
    const QImage second = w.grab().toImage();
    EXPECT_NE(first, second);

    // The same widget painting all of it from scratch (the style set
    // again) shows the same.
    w.setStyle(boardStyle(settings));
    EXPECT_EQ(w.grab().toImage(), second);

    // A new theme paints every pixel, the window's colour outside the board
    // too, as a new widget would.
    BoardStyle dark = boardStyle(settings);
    dark.colours[ColourWindow] = rgb(20, 20, 40);
    dark.colours[ColourBoard] = rgb(30, 30, 60);
    w.setStyle(dark);
    const QImage themed = w.grab().toImage();
    EXPECT_EQ(themed.pixelColor(2, 700), toQColor(rgb(20, 20, 40)));
    BoardWidget fresh(WorkFolder(std::filesystem::path(KSY_SOURCE_DIR) / "data"));
    fresh.resize(1280, 720);
    fresh.setStyle(dark);
    fresh.setColumnWidths(boardColumnWidths(settings));
    fresh.setInputs(view.inputs);
    const QImage fromScratch = fresh.grab().toImage();
    ASSERT_EQ(fromScratch.size(), themed.size());
    int differing = 0;
    for (int y = 0; y < themed.height(); ++y)
        for (int x = 0; x < themed.width(); ++x)
            differing += themed.pixel(x, y) != fromScratch.pixel(x, y);
    // Only the large texts Qt draws afresh may differ, by a rounding step.
    EXPECT_LT(differing, 200);
}

} // namespace
} // namespace ksy::test
