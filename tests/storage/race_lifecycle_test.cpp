#include "storage/durable_io.h"
#include "storage/file_stream.h"
#include "storage/race_file.h"
#include "storage/race_lifecycle.h"
#include "storage/section_index.h"
#include "storage/section_titles.h"
#include "support/fakes.h"

#include <atomic>
#include <future>
#include <gtest/gtest.h>
#include <thread>

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

namespace {

// Holds the flush of one file until the test lets it go; notes whether any
// change was made to a file before that.
class HeldFlush : public DurableIo {
public:
    explicit HeldFlush(std::filesystem::path held)
        : held_(std::move(held))
        , release_(released_.get_future().share())
    {
    }
    bool syncFile(const std::filesystem::path& file) override
    {
        if (file == held_) {
            release_.wait();
            flushed = true;
        }
        return true;
    }
    bool syncFolder(const std::filesystem::path& folder) override
    {
        if (folder == held_.parent_path())
            folderFlushed = true;
        return true;
    }
    std::size_t allowedBytes(std::size_t n) override
    {
        if (!flushed)
            changedBeforeFlush = true;
        return n;
    }
    void release() { released_.set_value(); }

    std::atomic<bool> flushed {false};
    std::atomic<bool> folderFlushed {false};
    std::atomic<bool> changedBeforeFlush {false};

private:
    std::filesystem::path held_;
    std::promise<void> released_;
    std::shared_future<void> release_;
};

// Where the lookup of each title lands in a file, and what follows it.
std::vector<long> titlePositions(const std::filesystem::path& file,
    const std::vector<std::string>& titles)
{
    std::vector<long> at;
    auto f = FileStream::open(file, OpenMode::Read);
    for (const std::string& t : titles)
        at.push_back(findSectionBody(*f, t) ? f->position() : -1);
    return at;
}

} // namespace

TEST(RaceLifecycle, ALoadedRaceReachesTheDiskOffTheCallerBeforeAnyChangeToIt)
{
    ksy::test::TempDir dir;
    const WorkFolder wf(dir.path());
    const auto chosen = dir.path() / "gp.race";
    Race race;
    ASSERT_TRUE(createNewRaceFile(chosen, race));
    const std::vector<std::string> titles {heatResultTitle(1, 1, 1), heatResultTitle(1, 1, 2),
        heatResultTitle(2, 1, 1), heatFlagsTitle(), "PisteCourse"};
    for (int h = 1; h <= 2; ++h)
        fixedSlotRewrite(chosen, heatResultTitle(1, 1, h), 300, [&](FieldWriter& w) {
            w.raw("Dupont" + std::to_string(h) + "\t\n");
        });
    const std::string bytes = readFile(chosen);
    // The check of the chosen file builds its index; the working copy takes it over.
    ASSERT_FALSE(checkRaceFile(chosen));

    std::filesystem::create_directories(workingRaceFile(wf).parent_path());
    HeldFlush io(workingRaceFile(wf));
    installDurableIo(&io);
    // It returns while the copy's flush is still held on its own thread.
    ASSERT_TRUE(loadIntoWorkingRace(wf, chosen));
    EXPECT_FALSE(io.flushed);
    EXPECT_EQ(readFile(workingRaceFile(wf)), bytes);
    io.changedBeforeFlush = false; // the copy's own steps
    // A change to the copy waits for the flush.
    std::thread change([&] {
        fixedSlotRewrite(workingRaceFile(wf), heatResultTitle(1, 1, 2), 300,
            [](FieldWriter& w) { w.raw("Martin\t\n"); });
    });
    io.release();
    change.join();
    installDurableIo(nullptr);
    EXPECT_TRUE(io.flushed);
    EXPECT_TRUE(io.folderFlushed);
    EXPECT_FALSE(io.changedBeforeFlush);

    // The index taken over from the chosen file answers as a new scan does,
    // and the change went to the working race alone.
    EXPECT_EQ(readFile(chosen), bytes);
    const std::vector<long> indexed = titlePositions(workingRaceFile(wf), titles);
    indexForget(workingRaceFile(wf));
    EXPECT_EQ(titlePositions(workingRaceFile(wf), titles), indexed);
    EXPECT_EQ(indexed, titlePositions(chosen, titles));
    EXPECT_NE(readFile(workingRaceFile(wf)).find("Martin\t\n"), std::string::npos);
    EXPECT_EQ(indexed[2], -1);
}
