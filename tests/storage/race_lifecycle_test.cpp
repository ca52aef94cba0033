#include "storage/race_file.h"
#include "storage/race_lifecycle.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

using namespace ksy;
using ksy::test::readFile;
using ksy::test::writeFile;

TEST(RaceLifecycle, RaceFileNameAndWindowTitle)
{
    EXPECT_EQ(withRaceExtension("/home/club/gp2024"), "/home/club/gp2024.race");
    EXPECT_EQ(withRaceExtension("/home/club/gp.race"), "/home/club/gp.race");
    EXPECT_EQ(withRaceExtension("/home/club/gp.race.old"), "/home/club/gp.race.old");
    EXPECT_EQ(withRaceExtension("/home/my.races/gp"), "/home/my.races/gp");
    EXPECT_EQ(raceWindowTitle(""), "Kestrametrix");
    EXPECT_EQ(raceWindowTitle("/home/club/gp.race"), "Kestrametrix:   /home/club/gp.race");
}

TEST(RaceLifecycle, SavingAndLoadingCopyByteForByteAndReportFailures)
{
    ksy::test::TempDir dir;
    const WorkFolder wf(dir.path());
    const std::string race = "10000\t1\tCAT \xFF\t\n\nPisteCourse\t\n";
    writeFile(workingRaceFile(wf), race);

    const auto saved = dir.path() / "gp.race";
    writeFile(saved, "an older, longer race file that must be replaced entirely");
    ASSERT_TRUE(saveWorkingRace(wf, saved));
    EXPECT_EQ(readFile(saved), race);

    writeFile(workingRaceFile(wf), "changed");
    ASSERT_TRUE(loadIntoWorkingRace(wf, saved));
    EXPECT_EQ(readFile(workingRaceFile(wf)), race);
    EXPECT_TRUE(saveWorkingRace(wf, saved)); // onto the file itself

    EXPECT_FALSE(saveWorkingRace(wf, dir.path() / "no such folder" / "gp.race"));
    EXPECT_FALSE(loadIntoWorkingRace(wf, dir.path() / "absent.race"));
    EXPECT_EQ(readFile(workingRaceFile(wf)), race); // a failed load leaves the race alone
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "gp.race.tmp"));
}

TEST(RaceLifecycle, CrashCopyIsNotReplacedByAnUntouchedNewRace)
{
    ksy::test::TempDir dir;
    const WorkFolder wf(dir.path());
    const auto crash = wf.file(kCrashRaceFile);
    EXPECT_EQ(keepCrashCopy(wf), CrashCopy::NoWorkingRace);

    // The program crashed with a race in progress: it becomes the crash copy.
    Race race;
    ASSERT_TRUE(createNewRaceFile(workingRaceFile(wf), race));
    race.renameCategory(1, "Standart");
    ASSERT_TRUE(writeRaceHeader(workingRaceFile(wf), race.header));
    const std::string crashed = readFile(workingRaceFile(wf));
    EXPECT_EQ(keepCrashCopy(wf), CrashCopy::Copied);
    EXPECT_EQ(readFile(crash), crashed);
    // Moved, not copied: the start-up creates the new working race.
    EXPECT_FALSE(std::filesystem::exists(workingRaceFile(wf)));

    // The next start made a new race and ended again without a change: the
    // crashed race stays.
    ASSERT_TRUE(createNewRaceFile(workingRaceFile(wf), race));
    EXPECT_EQ(keepCrashCopy(wf), CrashCopy::KeptExisting);
    EXPECT_EQ(readFile(crash), crashed);

    // Without an earlier copy the new race is copied as usual.
    std::filesystem::remove(crash);
    EXPECT_EQ(keepCrashCopy(wf), CrashCopy::Copied);
    EXPECT_EQ(readFile(crash), newRaceFileBytes());
    ASSERT_TRUE(createNewRaceFile(workingRaceFile(wf), race));

    // A folder where the copy should go: the copy fails, the working race and
    // the folder stay as they were, nothing half-written is left behind.
    std::filesystem::remove(crash);
    std::filesystem::create_directory(crash);
    race.renameCategory(1, "Juniors");
    ASSERT_TRUE(writeRaceHeader(workingRaceFile(wf), race.header));
    const std::string working = readFile(workingRaceFile(wf));
    EXPECT_EQ(keepCrashCopy(wf), CrashCopy::Failed);
    EXPECT_EQ(readFile(workingRaceFile(wf)), working);
    EXPECT_TRUE(std::filesystem::is_empty(crash));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                  std::filesystem::directory_iterator()),
        2); // "Private" and the folder in the way
}
