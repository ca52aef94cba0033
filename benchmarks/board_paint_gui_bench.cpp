// Cost of one live-board paint: the layout of a 20-row heat at 1920 x 1080
// and its replay into an image through the Qt canvas, as the main window's
// board does on each passing.
#include "display/board_layout.h"
#include "display/board_sources.h"
#include "display/display_settings.h"
#include "display/ui/board_render.h"

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

void BM_BoardPaint1920x1080(benchmark::State& state)
{
    BoardView view = heatOfTwenty();
    FontCache fonts;
    view.rows = measureRows(view.style, view.screenWidth, view.screenHeight, &fonts);
    ImageCache images {WorkFolder(std::filesystem::path(KSY_SOURCE_DIR) / "data")};
    QImage image(view.screenWidth, view.screenHeight, QImage::Format_RGB32);
    int tick = 0;
    for (auto _ : state) {
        // A passing changes a row, as in a running heat.
        view.inputs.rows[0].passingCount = std::to_string(++tick % 100);
        QPainter painter(&image);
        QtCanvas canvas(painter, images, &fonts);
        replay(layoutBoard(view, canvas), canvas);
    }
    state.counters["rows"] = static_cast<double>(view.rows.visibleRows);
}
BENCHMARK(BM_BoardPaint1920x1080)->Unit(benchmark::kMillisecond);

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
