// Rewrites of the race file killed at random points: after the next open the
// file holds the bytes from before or after the rewrite under way, never a
// mix.
#include "storage/durable_io.h"
#include "storage/file_stream.h"
#include "storage/race_file.h"
#include "storage/redo_log.h"
#include "storage/section_titles.h"
#include "support/fakes.h"

#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

using namespace ksy;
using ksy::test::readFile;
using ksy::test::writeFile;

namespace {

BodyWriter body(const std::string& text)
{
    return [text](FieldWriter& w) { w.raw(text); };
}

// One cycle of what a race day does to the file: in-place rewrites, a
// header, a section that grows and moves the rest, an appended section and
// a whole race loaded over it; `after` follows each of them.
void rewriteCycle(
    const std::filesystem::path& file, const std::string& start, int round,
    const std::function<void()>& after = [] {})
{
    const std::string n = std::to_string(round);
    fixedSlotRewrite(file, heatResultTitle(1, 1, 1), 40, body("Dupont" + n + "\t3\t\n"));
    after();
    RaceHeader header;
    readRaceHeader(file, header);
    header.selection = 13101 + round;
    writeRaceHeader(file, header);
    after();
    fixedSlotRewrite(file, heatResultTitle(1, 1, 1), 40, body(std::string(120, 'L') + n + "\n"));
    after();
    fixedSlotRewrite(file, heatResultTitle(1, 1, 2), 40, body("Martin" + n + "\t\n"));
    after();
    fixedSlotRewrite(file, heatResultTitle(1, 2, round), 40, body("Petit\t\n"));
    after();
    writeFileAtomically(file, start);
    after();
}

// Counts the changes to files; at the chosen one writes part of it and
// kills the process, as a crash would.
class CrashAt : public DurableIo {
public:
    CrashAt(int step, unsigned seed)
        : step_(step)
        , random_(seed)
    {
    }
    bool syncFile(const std::filesystem::path&) override { return true; }
    bool syncFolder(const std::filesystem::path&) override { return true; }
    std::size_t allowedBytes(std::size_t n) override
    {
        if (++count != step_)
            return n;
        if (n == 0)
            std::raise(SIGKILL);
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
    }
    void afterPartialChange() override { std::raise(SIGKILL); }
    int count = 0;

private:
    int step_;
    std::mt19937 random_;
};

constexpr int kRounds = 2;

} // namespace

TEST(CrashSafeWrite, AKillAtAnyPointLeavesTheOldOrTheNewBytes)
{
    ksy::test::TempDir dir;
    const auto file = dir.path() / "Course.race";
    Race race;
    ASSERT_TRUE(createNewRaceFile(file, race));
    fixedSlotRewrite(file, heatResultTitle(1, 1, 1), 40, body("Dupont\t\n"));
    fixedSlotRewrite(file, heatResultTitle(1, 1, 2), 40, body("Martin\t\n"));
    const std::string start = readFile(file);

    // Every state the file passes through, and how many changes that takes.
    const auto model = dir.path() / "model.race";
    writeFile(model, start);
    std::set<std::string> states {start};
    CrashAt counter(-1, 0);
    installDurableIo(&counter);
    for (int round = 1; round <= kRounds; ++round)
        rewriteCycle(model, start, round, [&] { states.insert(readFile(model)); });
    installDurableIo(nullptr);
    const int steps = counter.count;
    ASSERT_GT(steps, 20);
    ASSERT_EQ(states.size(), 1u + 5 * kRounds);

    // Hundreds of points: every change of the cycles, each cut at several
    // random places.
    std::mt19937 random(12);
    int kills = 0;
    for (int step = 1; step <= steps; ++step) {
        for (int cut = 0; cut < 12; ++cut) {
            writeFile(file, start);
            const unsigned seed = static_cast<unsigned>(random());
            const pid_t child = fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                CrashAt crash(step, seed);
                installDurableIo(&crash);
                for (int round = 1; round <= kRounds; ++round)
                    rewriteCycle(file, start, round);
                _exit(0);
            }
            int status = 0;
            ASSERT_EQ(waitpid(child, &status, 0), child);
            ASSERT_TRUE(WIFSIGNALED(status)) << "step " << step;
            ++kills;
            // The next open replays or drops what the log holds.
            auto f = FileStream::open(file, OpenMode::Read);
            ASSERT_TRUE(f);
            const std::string bytes = f->readRest();
            ASSERT_TRUE(states.count(bytes)) << "step " << step << " cut " << cut;
            // The log was this file's own: nothing to say about it.
            ASSERT_EQ(takeRedoLogNotice(), "") << "step " << step << " cut " << cut;
        }
    }
    EXPECT_GE(kills, 200);
}
