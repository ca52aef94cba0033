#include "planning/heat_composition_report.h"
#include "planning/participants_form.h"
#include "planning/ui/heat_composition_dialog.h"
#include "planning/ui/starting_grid_dialog.h"
#include "race/race_options.h"
#include "reports/ui/report_printer.h"
#include "ui/race_folder_fixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace ksy::test {
namespace {

void click(QWidget& w, int x, int y)
{
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(x, y), w.mapToGlobal(QPointF(x, y)),
        Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &press);
}

// A category of 45 pilots entered through the participants form, some with
// their radio frequency, editable starting orders.
struct ComposedRace : RaceFolder {
    RecordingSoundPlayer sounds;

    ComposedRace()
        : RaceFolder({"logo.bmp", "impression.bmp", "FlecheHaut.bmp", "FlecheBas.bmp"},
              fortyFivePilots({"CLV Berck"}))
    {
        ParticipantsForm entry(folder, 1, prompts);
        for (int i = 0; i < 45; ++i)
            entry.enter(i);
        entry.save();
        ParticipantList list;
        readParticipantList(workingRaceFile(folder), 1, list);
        // Mostly 2.4 GHz radios, a few older ones on fixed frequencies.
        const char* radios[] = {"2.4Ghz", "27.045", "2.4Ghz", "40.665", "2.4Ghz", "41.000",
            "2.4Ghz", "35.050", "2.4Ghz"};
        for (int i = 0; i < 45; ++i)
            list.at(i).frequencies[0] = radios[i % 9];
        writeParticipantList(workingRaceFile(folder), 1, list, false);
        RaceOptions options;
        options.order = StartOrder::Editable;
        writeRaceOptions(folder, 1, options);
    }
};

} // namespace

TEST(CompositionDialog, FortyFivePilotsComposedGriddedAndPrintedToPdf)
{
    ComposedRace race;
    std::vector<ReportDocument> printed;
    {
        HeatCompositionForm form(race.folder, 1, race.prompts);
        HeatCompositionDialog dialog(form, race.folder, race.sounds,
            [&printed](const ReportDocument& doc) { printed.push_back(doc); });
        EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("R\xC3\xA9partition des s\xC3\xA9ries"));
        auto* pilots = child<QLineEdit>(dialog, "4502");
        pilots->setText("25");
        EXPECT_EQ(pilots->text(), "20");
        pilots->setText("9");
        child<QLineEdit>(dialog, "4503")->setText("3");
        EXPECT_EQ(form.heatsPerRound(), 5);
        EXPECT_FALSE(dialog.scrollBar()->isHidden());
        EXPECT_EQ(dialog.scrollBar()->maximum(), 25);

        // The down arrow of row 0 exchanges the first two pilots.
        const std::string first(form.composition().name(0));
        click(dialog, 375, 160);
        EXPECT_EQ(form.composition().name(1), first);
        EXPECT_EQ(race.sounds.played.size(), 1u);
        // A page down goes to the last rows.
        dialog.scrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
        EXPECT_EQ(form.scrollPosition(), 25);
        EXPECT_EQ(dialog.scrollBar()->value(), 25);

        child<QPushButton>(dialog, "4504")->click();
        child<QPushButton>(dialog, "1")->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    EXPECT_TRUE(race.prompts.boxes.empty());
    RaceHeader header;
    readRaceHeader(workingRaceFile(race.folder), header);
    EXPECT_EQ(header.categories.category(1).rounds, 3);
    EXPECT_EQ(header.categories.category(1).heatsPerRound, 5);

    {
        StartingGridForm form(race.folder, 1, race.prompts);
        StartingGridDialog dialog(form);
        EXPECT_TRUE(child<QLineEdit>(dialog, "4601")->isReadOnly());
        EXPECT_TRUE(child<QLineEdit>(dialog, "4604")->isHidden());
        child<QLineEdit>(dialog, "4602")->setText("IHGFEDCBA");
        child<QLineEdit>(dialog, "4603")->setText("ABJ");
        child<QPushButton>(dialog, "1")->click();
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        ASSERT_EQ(race.prompts.boxes.size(), 1u);
        EXPECT_EQ(race.prompts.boxes[0].text,
            gridInputErrorMessage(kGridsIncomplete, gridLettersMessage(9), ""));
        child<QLineEdit>(dialog, "4603")->setText("BADCFEHGI");
        child<QPushButton>(dialog, "1")->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    HeatPlan plan;
    readHeatPlan(workingRaceFile(race.folder), 1, plan);
    const auto seats = readHeatSeating(workingRaceFile(race.folder), 1, 2, 2);
    ASSERT_TRUE(seats);
    EXPECT_EQ(seats->front(), plan.at(17));
    EXPECT_EQ(seats->back(), plan.at(9));

    ASSERT_EQ(printed.size(), 1u);
    ASSERT_EQ(printed[0].pages.size(), 2u);
    const auto pdf = race.dir.path() / "composition.pdf";
    ASSERT_TRUE(writeReportPdf(printed[0], race.folder, QString::fromStdString(pdf.string())));
    EXPECT_EQ(readFile(pdf).substr(0, 5), "%PDF-");
    // For eyes: KSY_REPORT_SAMPLES=<folder> keeps the file.
    if (const char* keep = std::getenv("KSY_REPORT_SAMPLES"))
        std::filesystem::copy_file(pdf, std::filesystem::path(keep) / "composition-series-45.pdf",
            std::filesystem::copy_options::overwrite_existing);
}

TEST(CompositionDialog, ClosingTheGridsWritesIdentityWhenNoneWasStored)
{
    ComposedRace race;
    {
        HeatCompositionForm form(race.folder, 1, race.prompts);
        form.typeText(HeatCompositionForm::RoundsEdit, "2");
        ASSERT_TRUE(form.generate());
    }
    StartingGridForm form(race.folder, 1, race.prompts);
    StartingGridDialog dialog(form);
    child<QLineEdit>(dialog, "4602")->setText("JIHGFEDCBA");
    dialog.reject(); // Escape or the window closed
    StartingGrids grids;
    ASSERT_EQ(readStartingGrids(workingRaceFile(race.folder), 1, grids), StartingGridRead::Ok);
    EXPECT_EQ(grids.pilotsPerHeat, 10);
    EXPECT_EQ(grids.rounds, 2);
    EXPECT_EQ(grids.round(2).positions, identityGrid(10).positions);
    EXPECT_TRUE(race.prompts.boxes.empty());
}

} // namespace ksy::test
