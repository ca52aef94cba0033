// Cost of the live board's paints at 1920 x 1080 with 20 rows, into an image
// kept between paints as the main window's board keeps its own: the whole
// board (a resize, a new heat, a theme), the paint after a passing (its rows
// and the standings' order) and the paint of a clock tick. Each includes the
// layout, as the window lays the board out again on every change.
#include "display/board_layout.h"
#include "display/board_sources.h"
#include "display/display_settings.h"
#include "display/ui/board_render.h"
#include "display/ui/board_repaint.h"
#include "steady.h"

#include <QGuiApplication>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

using namespace ksy;

BoardView heatOfTwenty()
{
    DisplaySettings settings;
    readDisplaySettings(
        std::filesystem::path(KSY_SOURCE_DIR) / u8"data/Private/RéglagesAffichage.rgsc", settings);
    BoardView view;
    view.screenWidth = 1920;
    view.screenHeight = 1080;
    view.style = boardStyle(settings);
    view.widths = boardColumnWidths(settings);
    view.inputs.heatTitle = "Série 3 - Manche 2 - Catégorie Classe 5";
    for (int i = 1; i <= 20; ++i) {
        BoardLine l;
        l.place = std::to_string(i);
        l.slot = " " + std::to_string(i) + " ";
        l.name = "Pilote numéro " + std::to_string(i) + " de la série";
        l.passingCount = "12";
        l.totalTime = "0:14:" + std::to_string(10 + i) + ".250";
        l.gapToLeader = "+" + std::to_string(i) + ".125";
        l.gapToPrevious = "+1.010";
        l.lastLap = "1:10.500";
        l.bestLap = "1:08.250";
        l.transponder = "0012" + std::to_string(10 + i);
        l.finished = i < 6;
        l.holdsHeatBest = i == 1;
        view.inputs.rows.push_back(l);
    }
    view.inputs.durationText = "0:15:00";
    view.inputs.elapsedText = "0:14:12";
    view.inputs.remainingText = "0:00:48";
    return view;
}

std::string clockText(int seconds)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d:%02d:%02d", seconds / 3600, seconds / 60 % 60, seconds % 60);
    return text;
}

// The board of the window: its fonts, images and kept image.
struct Board {
    BoardView view = heatOfTwenty();
    FontCache fonts;
    ImageCache images {WorkFolder(std::filesystem::path(KSY_SOURCE_DIR) / "data")};
    QImage image {1920, 1080, QImage::Format_RGB32};
    BoardRepaint repaint;

    Board()
    {
        view.rows = measureRows(view.style, view.screenWidth, view.screenHeight, &fonts);
        show();
    }
    // As the window does on each change: lay out, then paint what changed.
    void show()
    {
        const QtTextMetrics metrics(&fonts);
        repaint.setDrawing(layoutBoard(view, metrics), metrics);
        repaint.paint(image, Qt::white, images, &fonts);
    }
};

void BM_BoardPaint1920x1080(benchmark::State& state)
{
    Board board;
    int tick = 0;
    for (auto _ : state) {
        // A passing changes a row, as in a running heat; everything is painted.
        board.view.inputs.rows[0].passingCount = std::to_string(++tick % 100);
        board.repaint.invalidate();
        board.show();
    }
    state.counters["rows"] = static_cast<double>(board.view.rows.visibleRows);
}
BENCHMARK(BM_BoardPaint1920x1080)->Unit(benchmark::kMillisecond)->Apply(ksy::bench::steady);

void BM_BoardPaintAfterPassing(benchmark::State& state)
{
    Board board;
    std::vector<BoardLine>& rows = board.view.inputs.rows;
    int passing = 0;
    for (auto _ : state) {
        // The pilot of a row crosses the line and passes the one ahead: two
        // rows change, with the times of the crossing and the changed mark.
        const auto row = static_cast<std::size_t>(1 + passing % 19);
        ++passing;
        for (BoardLine& l : rows)
            l.changed = false;
        BoardLine& l = rows[row];
        l.passingCount = std::to_string(13 + passing % 50);
        l.totalTime = "0:14:" + std::to_string(10 + passing % 40) + ".750";
        l.lastLap = "1:0" + std::to_string(passing % 10) + ".125";
        l.changed = true;
        std::swap(rows[row].name, rows[row - 1].name);
        std::swap(rows[row].transponder, rows[row - 1].transponder);
        board.show();
    }
}
BENCHMARK(BM_BoardPaintAfterPassing)->Unit(benchmark::kMillisecond)->Apply(ksy::bench::steady);

void BM_BoardPaintClockTick(benchmark::State& state)
{
    Board board;
    int second = 0;
    for (auto _ : state) {
        ++second;
        board.view.inputs.elapsedText = clockText(second % 900);
        board.view.inputs.remainingText = clockText(900 - second % 900);
        board.show();
    }
}
BENCHMARK(BM_BoardPaintClockTick)->Unit(benchmark::kMillisecond)->Apply(ksy::bench::steady);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
