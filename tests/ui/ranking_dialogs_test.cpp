// The rankings as the official reaches them: selecting "Classement M1" and
// "Classement Global" in the race tree opens their dialogs, whose controls
// drive the ranking, and "Valider" stores the sections.
#include "app/dialog_commands.h"
#include "app/heat_controller.h"
#include "app/race_control.h"
#include "app/race_tree_view.h"
#include "app/window_fixture.h"
#include "results/ranking_race.h"
#include "results/ranking_sections.h"
#include "results/ui/global_ranking_dialog.h"
#include "results/ui/round_ranking_dialog.h"
#include "storage/race_file.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

namespace ksy {
namespace {

class RankingSelectionTest : public test::WindowTest {
protected:
    RankingSelectionTest()
        : race(workingRaceFile(folder), test::RankingRace::numbered(25), 20, 2)
    {
        race.storeHeat(1, 1, {{"P01", 5, 300000, 59000}, {"P02", 5, 290000, 61000}});
        race.storeHeat(1, 2, {{"P21", 4, 280000, 58000}});
        window->reloadRaceTree();
        const AppServices services {clock, prompts, sounds, files};
        control = std::make_unique<RaceControl>(*window, folder, services, nullptr);
        heats = std::make_unique<HeatController>(*window, *control, services);
        registerDialogCommands(*window, *control, *heats, folder, services);
    }

    // Runs the steps on the dialog the selection opens.
    template <typename Steps> void onDialog(const char* name, Steps steps)
    {
        QTimer::singleShot(0, [name, steps] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->objectName(), name);
            steps(*dialog);
        });
    }

    test::RankingRace race;
    std::unique_ptr<RaceControl> control;
    std::unique_ptr<HeatController> heats;
};

TEST_F(RankingSelectionTest, TreeSelectionOpensTheDialogsAndValiderStoresTheirSections)
{
    onDialog("CATEGORIEQUALIFSCLASSEMENTMANCHE", [](QDialog& d) {
        // 25 places: the bar scrolls over the 5 that do not fit.
        auto* bar = d.findChild<QScrollBar*>("4711");
        EXPECT_TRUE(bar->isVisibleTo(&d));
        EXPECT_EQ(bar->maximum(), 5);
        d.findChild<QRadioButton*>("4702")->click();
        auto* first = d.findChild<QLineEdit*>("4703");
        first->setText("1234"); // three digits at most
        EXPECT_EQ(first->text(), "123");
        d.findChild<QPushButton*>("1")->click();
    });
    window->tree().selectCode(13951);
    StoredRoundRanking round;
    ASSERT_EQ(
        readRoundRankingSection(workingRaceFile(folder), 1, 1, 25, round), StoredRankingRead::Ok);
    EXPECT_EQ(round.criterion, RankingMode::BestLap);
    EXPECT_EQ(round.scale.values[0], 123);
    ASSERT_EQ(round.rows.size(), 25u);
    EXPECT_EQ(round.rows[0].name, "P21");
    EXPECT_EQ(round.rows[1].name, "P01");
    EXPECT_EQ(round.rows[1].points, 125);
    EXPECT_EQ(round.rows[3].name, ""); // 22 pilots of the plan did not run

    onDialog("CATEGORIEQUALIFSCLASSEMENTFINAL", [](QDialog& d) {
        d.findChild<QLineEdit*>("4801")->setText("0");
        d.findChild<QRadioButton*>("4803")->click();
        d.findChild<QPushButton*>("1")->click();
    });
    window->tree().selectCode(13990);
    StoredGlobalRanking global;
    ASSERT_EQ(
        readGlobalRankingSection(workingRaceFile(folder), 1, 25, global), StoredRankingRead::Ok);
    EXPECT_EQ(global.bestRounds, 0);
    EXPECT_EQ(global.tie, RankingMode::BestLap);
    EXPECT_EQ((std::vector<std::string>(global.names.begin(), global.names.begin() + 3)),
        (std::vector<std::string> {"P21", "P01", "P02"}));
    RaceHeader header;
    ASSERT_TRUE(readRaceHeader(workingRaceFile(folder), header));
    EXPECT_EQ(header.categories.category(1).globalRankingStored, 1);

    // "Echap" stores nothing.
    onDialog("CATEGORIEQUALIFSCLASSEMENTMANCHE", [](QDialog& d) {
        d.findChild<QRadioButton*>("4701")->click();
        d.findChild<QPushButton*>("2")->click();
    });
    window->tree().selectCode(13952);
    EXPECT_EQ(readRoundRankingSection(workingRaceFile(folder), 1, 2, 25, round),
        StoredRankingRead::Absent);
    EXPECT_TRUE(prompts.boxes.empty());
}

} // namespace
} // namespace ksy
