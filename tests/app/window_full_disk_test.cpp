// A heat left while the disk is full: it is kept in memory and said once,
// shown again when selected, written first by the next store once there is
// room, and a save of the race without it is refused.
#include "app/menu_table.h"
#include "app/race_file_commands.h"
#include "app/race_tree_view.h"
#include "display/ui/board_widget.h"
#include "race_window_fixture.h"
#include "storage/durable_io.h"
#include "storage/race_file.h"

#include <algorithm>

namespace ksy {
namespace {

// No room at all while full; a write is refused as a full disk refuses it.
class SwitchableDisk : public DurableIo {
public:
    bool syncFile(const std::filesystem::path&) override { return true; }
    bool syncFolder(const std::filesystem::path&) override { return true; }
    std::size_t roomFor(std::size_t n) override { return full ? 0 : n; }
    bool full = false;
};

class WindowFullDisk : public test::RaceWindowTest {
protected:
    WindowFullDisk() { installDurableIo(&disk); }
    ~WindowFullDisk() override { installDurableIo(nullptr); }

    int boxesSaying(const std::string& start) const
    {
        return static_cast<int>(std::count_if(prompts.boxes.begin(), prompts.boxes.end(),
            [&](const auto& b) { return b.text.rfind(start, 0) == 0; }));
    }
    int lapsShown()
    {
        int laps = 0;
        for (int k = 1; k <= kSlotCount; ++k)
            laps += control->run().entries().slot(k).laps;
        return laps;
    }

    SwitchableDisk disk;
};

TEST_F(WindowFullDisk, AHeatTheDiskRefusedIsKeptShownAgainAndStoredOnceThereIsRoom)
{
    window->tree().selectCode(13101);
    window->runCommand(2001);
    runFor(5100); // the countdown
    ASSERT_TRUE(control->run().state().running);
    for (const auto& [at, button] : std::vector<std::pair<int, int>> {{1000, 2201}, {1000, 2202},
             {28000, 2202}, {1000, 2201}, {25000, 2201}, {3000, 2202}}) {
        runFor(at);
        window->runCommand(button);
    }
    window->runCommand(2002);
    runFor(100);
    const int laps = lapsShown();
    ASSERT_GE(laps, 4);
    prompts.boxes.clear();

    // Left on a full disk: said once, in its own words, which cover the
    // selection the disk refused with it.
    disk.full = true;
    window->tree().selectCode(10000);
    EXPECT_EQ(boxesSaying(kHeatNotStored), 1);
    EXPECT_EQ(prompts.boxes.size(), 1u) << prompts.boxes.back().text;
    EXPECT_TRUE(heats->hasUnstoredHeat());

    // Selected again it shows every lap; left again it is not said twice.
    window->tree().selectCode(13101);
    EXPECT_EQ(lapsShown(), laps);
    EXPECT_EQ(prompts.boxes.size(), 1u) << prompts.boxes.back().text;
    window->tree().selectCode(10000);
    EXPECT_EQ(boxesSaying(kHeatNotStored), 1);

    // "Enregistrer sous..." refuses a race without it.
    const auto saved = dir.path() / "essais.race";
    files.choices = {saved.string()};
    window->runCommand(cmd::SaveAs);
    EXPECT_EQ(boxesSaying(kSaveLacksHeat), 1);
    EXPECT_FALSE(std::filesystem::exists(saved));

    // Room again: the save writes the heat first, and says nothing.
    disk.full = false;
    prompts.boxes.clear();
    files.choices = {saved.string()};
    window->runCommand(cmd::SaveAs);
    EXPECT_TRUE(prompts.boxes.empty()) << prompts.boxes.front().text;
    EXPECT_FALSE(heats->hasUnstoredHeat());
    ASSERT_TRUE(std::filesystem::exists(saved));
    HeatFlags flags;
    ASSERT_TRUE(readHeatFlags(saved, flags));
    EXPECT_EQ(flags.get(1, 1, 1), 1);
    // Read back from the file, not from memory.
    heats->forgetHeat();
    window->tree().selectCode(13101);
    EXPECT_EQ(lapsShown(), laps);
}

TEST_F(WindowFullDisk, ASelectionTheDiskRefusedIsSaidOnceAndWrittenOnceThereIsRoom)
{
    const std::string said = "Erreur: la sélection n'est pas encore enregistrée";
    window->tree().selectCode(10000);
    prompts.boxes.clear();
    disk.full = true;
    for (const int code : {13101, 10000, 13101})
        window->tree().selectCode(code);
    EXPECT_EQ(boxesSaying(said), 1);
    EXPECT_EQ(prompts.boxes.size(), 1u) << prompts.boxes.back().text;

    // Room again: the save writes it first, and nothing is said.
    disk.full = false;
    const auto saved = dir.path() / "essais.race";
    files.choices = {saved.string()};
    window->runCommand(cmd::SaveAs);
    RaceHeader header;
    ASSERT_TRUE(readRaceHeader(saved, header));
    EXPECT_EQ(header.selection, 13101);
    EXPECT_EQ(prompts.boxes.size(), 1u) << prompts.boxes.back().text;

    // Full again: said again, once.
    disk.full = true;
    window->tree().selectCode(10000);
    window->tree().selectCode(13101);
    EXPECT_EQ(boxesSaying(said), 2);
}

} // namespace
} // namespace ksy
