// "Courses récentes": the races saved or loaded last, found again after a
// restart, and the dialogs opening where races were last saved.
#include "app/menu_table.h"
#include "app/recent_races.h"
#include "app/recent_races_menu.h"
#include "window_fixture.h"

#include <QAction>
#include <QMenu>

namespace ksy {
namespace {

std::string utf8(const std::filesystem::path& p)
{
    const auto u8 = p.u8string();
    return std::string(u8.begin(), u8.end());
}

TEST(RecentRaces, KeepsTheFiveNewestOnceEachAcrossRestarts)
{
    test::TempDir dir;
    const auto file = dir.path() / "Private" / "list.txt";
    {
        RecentRaces races(file);
        EXPECT_EQ(races.folder("/fallback"), "/fallback");
        for (const char* name : {"/a/1.race", "/a/2.race", "/b/3.race", "/a/1.race", "/c/4.race",
                 "/c/5.race", "/c/6.race"})
            races.add(name);
        EXPECT_EQ(races.paths(),
            (std::vector<std::string> {"/c/6.race", "/c/5.race", "/c/4.race", "/a/1.race",
                "/b/3.race"}));
    }
    RecentRaces again(file);
    ASSERT_EQ(again.paths().size(), 5u);
    EXPECT_EQ(again.paths().front(), "/c/6.race");
    EXPECT_EQ(again.folder("/fallback"), "/c");
    again.remove("/c/6.race");
    again.add("/d/Régate été.race");
    EXPECT_EQ(RecentRaces(file).paths().front(), "/d/Régate été.race");
    EXPECT_EQ(RecentRaces(file).folder("/fallback"), "/d");
    EXPECT_EQ(RecentRaces(file).paths().size(), 5u);
}

class RecentRacesWindow : public test::WindowTest { };

TEST_F(RecentRacesWindow, ASavedRaceIsInTheMenuAndTheDialogsOpenWhereItIs)
{
    const auto kept = dir.path() / "Courses";
    std::filesystem::create_directories(kept);
    QMenu* menu = window->recentRaces().menu();
    EXPECT_EQ(menu->title(), "Courses récentes");
    EXPECT_FALSE(menu->isEnabled());

    // Saved under a name: first in the menu; the next dialogs open there.
    files.choices = {utf8(kept / "Berck")};
    window->runCommand(cmd::NewCategory);
    window->runCommand(cmd::SaveAs);
    const std::string saved = utf8(kept / "Berck.race");
    ASSERT_EQ(window->raceFiles().fileName(), saved);
    ASSERT_EQ(menu->actions().size(), 1);
    EXPECT_TRUE(menu->isEnabled());
    EXPECT_EQ(menu->actions()[0]->text(), "&1  Berck.race");
    window->runCommand(cmd::LoadRace); // cancelled
    EXPECT_EQ(files.opened.back(), utf8(kept));
    window->runCommand(cmd::SaveAs); // cancelled
    EXPECT_EQ(files.saved.back(), utf8(kept / "*.race"));

    // After a new race, the recent entry loads it back, as after a restart.
    prompts.answers = {Answer::No};
    window->runCommand(cmd::NewRace);
    EXPECT_FALSE(window->raceFiles().named());
    menu->actions()[0]->trigger();
    EXPECT_EQ(window->raceFiles().fileName(), saved);
    EXPECT_EQ(window->race().categoryCount(), 2);

    // A race moved away is said and leaves the list.
    std::filesystem::remove(kept / "Berck.race");
    prompts.boxes.clear();
    menu->actions()[0]->trigger();
    EXPECT_EQ(prompts.boxes.size(), 1u);
    EXPECT_TRUE(menu->actions().isEmpty());
    EXPECT_TRUE(RecentRaces(folder.file(kRecentRacesFile)).paths().empty());
}

} // namespace
} // namespace ksy
