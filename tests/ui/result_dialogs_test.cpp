#include "reports/ui/drawing_view.h"
#include "results/heat_results_layout.h"
#include "results/run_analysis_layout.h"
#include "results/ui/heat_comment_dialog.h"
#include "results/ui/heat_results_dialog.h"
#include "results/ui/run_analysis_dialog.h"
#include "support/fakes.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <gtest/gtest.h>

namespace ksy::test {
namespace {

template <class W> W* child(QWidget& dialog, const char* name)
{
    W* w = dialog.findChild<W*>(QString::fromLatin1(name));
    EXPECT_TRUE(w) << name;
    return w;
}

void type(QWidget* w, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
    }
}

void key(QWidget* w, Qt::Key k)
{
    QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
}

bool drawsText(const Drawing& d, const std::string& text)
{
    for (const Primitive& p : d)
        if (const auto* t = std::get_if<TextOp>(&p.op); t && t->text == text)
            return true;
    return false;
}

TEST(ResultDialogs, HeatResultsRadiosAndScrollBarsDriveTheView)
{
    TempDir dir;
    const WorkFolder folder(dir.path());
    HeatDetail d;
    d.rankingMode = "CLASSEMENTToursTemps";
    for (int k = 0; k < kSlotCount; ++k) {
        auto& s = d.slots[static_cast<std::size_t>(k)];
        s.name = k < 12 ? "P" + std::to_string(k + 1) : "(NA)";
        s.passingCount = k < 12 ? 22 : 0;
        for (int i = 0; i < s.passingCount; ++i)
            s.passingTimes[static_cast<std::size_t>(i)] = (i + 1) * (60000 + k);
    }
    HeatResultsDialog dialog(HeatResultsView(buildHeatResults(d)), folder);
    auto* laps = child<QScrollBar>(dialog, "6304");
    auto* pilots = child<QScrollBar>(dialog, "6305");
    EXPECT_FALSE(laps->isHidden());
    EXPECT_EQ(laps->maximum(), 3);
    EXPECT_EQ(pilots->maximum(), 2);

    // Page down goes to the end, line up one back.
    laps->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(dialog.view().laps().position, 3);
    laps->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(dialog.view().laps().position, 2);
    EXPECT_TRUE(drawsText(dialog.area()->current(), "3")); // first lap row shown
    EXPECT_FALSE(drawsText(dialog.area()->current(), "2"));

    child<QRadioButton>(dialog, "6302")->click();
    EXPECT_EQ(dialog.view().mode(), HeatResultsMode::LapTimes);
    child<QRadioButton>(dialog, "6303")->click();
    EXPECT_EQ(dialog.view().mode(), HeatResultsMode::Positions);

    // An unreadable file: its box, then an empty view that "Ok" closes.
    FakePrompts prompts;
    QTimer::singleShot(0, [] {
        if (QWidget* w = QApplication::activeModalWidget())
            static_cast<QDialog*>(w)->accept();
    });
    HeatResultsDialog::run(nullptr, folder, prompts);
    ASSERT_EQ(prompts.texts().size(), 1u);
    EXPECT_EQ(prompts.texts()[0],
        "Erreur: impossible d'ouvrir le fichier R\xC3\xA9sultats d\xC3\xA9taill\xC3\xA9s");
}

TEST(ResultDialogs, CommentEditRefusesWhatTheRaceFileCannotHold)
{
    TempDir dir;
    const WorkFolder folder(dir.path());
    FakePrompts prompts;
    HeatCommentDialog dialog(HeatCommentForm("Pluie", "vent"), folder, prompts);
    EXPECT_TRUE(child<QRadioButton>(dialog, "6402")->isChecked());
    auto* edit = child<QPlainTextEdit>(dialog, "6404");
    edit->moveCursor(QTextCursor::End);
    type(edit, QStringLiteral(" fort"));
    key(edit, Qt::Key_Return);
    type(edit, QStringLiteral("\t\u03A9"));
    EXPECT_EQ(edit->toPlainText(), QStringLiteral("vent fort"));
    edit->setPlainText(QString(120, QChar('y')));
    EXPECT_EQ(edit->toPlainText().size(), 98);
    edit->setPlainText(QStringLiteral("Sable mou \u00E0 l'est"));
    child<QRadioButton>(dialog, "6403")->click();
    child<QPushButton>(dialog, "1")->click();
    EXPECT_EQ(readFile(folder.file("CommentaireSerie.res")), "Glace\tSable mou \xE0 l'est\t\n");

    // "Echap" writes nothing.
    HeatCommentDialog other(HeatCommentForm("Sec", ""), folder, prompts);
    child<QRadioButton>(other, "6402")->click();
    child<QPushButton>(other, "2")->click();
    EXPECT_EQ(readFile(folder.file("CommentaireSerie.res")), "Glace\tSable mou \xE0 l'est\t\n");
}

TEST(ResultDialogs, AnalysisEditsClampViewsSwitchAndTheStripScrolls)
{
    TempDir dir;
    const WorkFolder folder(dir.path());
    FakePrompts prompts;
    FakeFileChooser files;
    PilotResult run;
    run.name = "Denis";
    run.passingCount = 9;
    for (int k = 1; k <= 9; ++k)
        run.lapTotals[static_cast<std::size_t>(k)] = k * 61000 + (k == 4 ? 900 : 0);
    RunAnalysisDialog dialog(RunAnalysisForm(run, AnalysisView::Histogram), folder, files, prompts);
    EXPECT_TRUE(child<QRadioButton>(dialog, "6502")->isChecked());
    auto* last = child<QLineEdit>(dialog, "6505");
    EXPECT_EQ(last->text(), QStringLiteral("9"));
    last->setText(QStringLiteral("25"));
    EXPECT_EQ(last->text(), QStringLiteral("9"));
    auto* first = child<QLineEdit>(dialog, "6504");
    first->setText(QStringLiteral("0"));
    EXPECT_EQ(dialog.form().first(), 1);
    first->setText(QStringLiteral("4"));
    child<QRadioButton>(dialog, "6501")->click();
    EXPECT_TRUE(drawsText(dialog.synthesis()->current(), "1:01.900"));
    EXPECT_TRUE(drawsText(dialog.synthesis()->current(), "(T 4)"));

    auto* strip = child<QScrollBar>(dialog, "6511");
    EXPECT_FALSE(strip->isHidden());
    EXPECT_EQ(strip->maximum(), 3);
    strip->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_TRUE(drawsText(dialog.strip()->current(), "T2"));
    EXPECT_FALSE(drawsText(dialog.strip()->current(), "T1"));

    // "PDF" asks for a name through the file chooser and writes the page.
    files.choices.push_back((dir.path() / "analyse").string());
    child<QPushButton>(dialog, "pdf")->click();
    EXPECT_EQ(readFile(dir.path() / "analyse.pdf").substr(0, 5), "%PDF-");
}

} // namespace
} // namespace ksy::test
