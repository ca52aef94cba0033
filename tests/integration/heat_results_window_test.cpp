// A heat run in the real window on the simulated decoder, then the results
// view, the comment stored into the race file, the pilot run analysis opened
// by a Ctrl-click on the board and the result sheet saved as PDF.
#include "app/dialog_commands.h"
#include "app/heat_controller.h"
#include "app/main_window.h"
#include "app/menu_table.h"
#include "app/race_control.h"
#include "app/race_tree_view.h"
#include "app/result_commands.h"
#include "display/ui/board_widget.h"
#include "e2e_support.h"
#include "platform/qt_clock.h"
#include "platform/serial_port.h"
#include "results/ui/heat_comment_dialog.h"
#include "results/ui/heat_results_dialog.h"
#include "results/ui/run_analysis_dialog.h"
#include "storage/race_file.h"
#include "storage/sheets/sheet_table.h"
#include "storage/work_folder_seed.h"
#include "support/fakes.h"
#include "timing/decoder_link.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace ksy {
namespace {

// Runs `act` on the next modal dialog of type D, then closes it if `act`
// left it open.
template <class D> void whenModal(std::function<void(D&)> act)
{
    auto* timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        timer->stop();
        timer->deleteLater();
        act(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    timer->start();
}

template <class W> W* child(QWidget& w, const char* name)
{
    return w.findChild<W*>(QString::fromLatin1(name));
}

void runFor(int ms, test::SimProcess& sim)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        sim.pump(5);
    }
}

std::string pdfText(const std::filesystem::path& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"),
        {QStringLiteral("-layout"), QString::fromStdString(pdf.string()), QStringLiteral("-")});
    if (!p.waitForFinished(20000))
        return {};
    return p.readAllStandardOutput().toStdString();
}

TEST(HeatResultsInTheWindow, ViewCommentAnalysisAndSheetAfterADecoderHeat)
{
    test::TempDir dir;
    const RaceSpec spec = test::threeJuniors();
    const auto raceFile = test::buildRaceFile(dir.path(), spec);
    ASSERT_FALSE(raceFile.empty());

    const WorkFolder work(dir.path() / "work");
    ASSERT_TRUE(seedWorkFolder(std::filesystem::path(KSY_SOURCE_DIR) / "data", work).ok);
    const auto sim = test::startScenarioSim(
        dir.path(), work, test::staggeredPassings(500, 3, 4, 2000, 300, 2500));
    ASSERT_TRUE(sim->started());

    QtClock clock;
    test::FakePrompts prompts;
    test::RecordingSoundPlayer sounds;
    test::FakeFileChooser files;
    const AppServices services {clock, prompts, sounds, files};
    SystemSerialLink port;
    DecoderLink decoder(port, clock, prompts, work);
    MainWindow window(work, services, QSize(1600, 900));
    RaceControl control(window, work, services, &decoder);
    HeatController heats(window, control, services);
    registerDialogCommands(window, control, heats, work, services);
    registerResultCommands(window, control, work, services);
    window.show();
    decoder.startUp();
    window.startTimer();

    files.choices.push_back(raceFile.string());
    prompts.answers.push_back(Answer::No); // nothing to save of the empty race
    window.runCommand(cmd::LoadRace);
    window.tree().selectCode(13101);
    runFor(300, *sim);
    window.runCommand(2001);
    runFor(19000, *sim);
    window.runCommand(2002);
    runFor(300, *sim);
    ASSERT_EQ(control.run().standings().count, 3);
    ASSERT_EQ(control.run().entries().slot(1).passingCount, 4);

    // The view: three pilots of four passings; the positions chart.
    int pilots = 0;
    int laps = 0;
    whenModal<HeatResultsDialog>([&](HeatResultsDialog& d) {
        pilots = d.view().table().pilotCount;
        laps = d.view().table().maxPassings;
        child<QRadioButton>(d, "6303")->click();
        child<QPushButton>(d, "1")->click();
    });
    window.runCommand(cmd::HeatResultDetails);
    EXPECT_EQ(pilots, 3);
    EXPECT_EQ(laps, 4);

    // The comment: rain and a remark, kept by the window.
    whenModal<HeatCommentDialog>([](HeatCommentDialog& d) {
        child<QRadioButton>(d, "6402")->click();
        child<QPlainTextEdit>(d, "6404")->setPlainText(QStringLiteral("Vent de travers"));
        child<QPushButton>(d, "1")->click();
    });
    window.runCommand(cmd::HeatComment);
    EXPECT_EQ(control.session().texts().condition, "Pluie");
    EXPECT_EQ(control.session().texts().comment, "Vent de travers");

    // Ctrl-click on the leader's row: the analysis of its four laps, as PDF.
    int analysed = -1;
    const auto analysisPdf = dir.path() / "analyse.pdf";
    files.choices.push_back(analysisPdf.string());
    whenModal<RunAnalysisDialog>([&](RunAnalysisDialog& d) {
        analysed = d.form().run().passingCount;
        child<QRadioButton>(d, "6503")->click();
        child<QPushButton>(d, "pdf")->click();
        child<QPushButton>(d, "1")->click();
    });
    Q_EMIT control.board().rowClicked(0, 0, Qt::ControlModifier);
    EXPECT_EQ(analysed, 4);
    EXPECT_EQ(test::readFile(analysisPdf).substr(0, 5), "%PDF-");
    // The next analysis opens in the view the last one was left in.
    bool curve = false;
    whenModal<RunAnalysisDialog>(
        [&](RunAnalysisDialog& d) { curve = child<QRadioButton>(d, "6503")->isChecked(); });
    Q_EMIT control.board().rowClicked(1, 0, Qt::ControlModifier);
    EXPECT_TRUE(curve);

    // The sheet as PDF, with the comment.
    const auto sheetPdf = dir.path() / "feuille.pdf";
    files.choices.push_back(sheetPdf.string());
    window.runCommand(cmd::HeatSheetPdf);
    const std::string sheet = pdfText(sheetPdf);
    EXPECT_NE(sheet.find("PILOTE A"), std::string::npos) << sheet;
    EXPECT_NE(sheet.find("Vent de travers"), std::string::npos) << sheet;
    EXPECT_NE(sheet.find("Course : Coupe de la Baie - Plage Sud"), std::string::npos) << sheet;

    // The same sheet as a spreadsheet, proposed under the PDF's name: the
    // workbook read back, and CSV as French Excel opens it.
    const auto sheetXlsx = dir.path() / "feuille.xlsx";
    const auto sheetCsv = dir.path() / "feuille.csv";
    files.choices.push_back(sheetXlsx.string());
    window.runCommand(cmd::HeatSheetSpreadsheet);
    EXPECT_TRUE(QString::fromStdString(files.saved.back())
                    .endsWith(QStringLiteral(" - Manche1 - S\u00E9rie1.xlsx")))
        << files.saved.back();
    files.choices.push_back(sheetCsv.string());
    window.runCommand(cmd::HeatSheetSpreadsheet);
    const SheetRead book = readSheetFile(sheetXlsx);
    ASSERT_TRUE(book.table) << book.error;
    const auto leader = std::ranges::find_if(book.table->rows,
        [](const SheetRow& r) { return r.cells.size() > 2 && r.cells[2] == "PILOTE A"; });
    ASSERT_NE(leader, book.table->rows.end());
    EXPECT_EQ(leader->cells[0], "1");
    // The line number as a number, not the board's centred " 1 ".
    EXPECT_TRUE(!leader->cells[1].empty() &&
        leader->cells[1].find_first_not_of("0123456789") == std::string::npos)
        << leader->cells[1];
    EXPECT_EQ(leader->cells[3], "4");
    EXPECT_EQ(book.table->rows.back().cells,
        (std::vector<std::string> {"Commentaire:", "Vent de travers"}));
    const std::string csv = test::readFile(sheetCsv);
    EXPECT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_NE(csv.find("\r\n1;"), std::string::npos) << csv;
    EXPECT_NE(csv.find(";PILOTE A;4;"), std::string::npos) << csv;

    // Leaving the heat stores the comment and condition with its result.
    window.tree().selectCode(10000);
    runFor(200, *sim);
    const std::string race = test::readFile(workingRaceFile(work));
    const std::string body = test::sectionBody(race, "Cat\xE9gorie1M1S1", 4000);
    EXPECT_NE(body.find("\tVent de travers\tPluie\t\n"), std::string::npos) << body;
    EXPECT_NE(body.find("PILOTE A\t4\t"), std::string::npos) << body;
    for (const auto& box : prompts.boxes)
        EXPECT_NE(box.title, "Erreur") << box.text;
}

} // namespace
} // namespace ksy
