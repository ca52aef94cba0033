// The journal's writer thread: records reach the file in order, a journal
// can be continued at its end, and a file that cannot be written is known
// as failed (the heat's message comes from there).
#include "platform/background_journal_writer.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

namespace ksy {
namespace {

TEST(BackgroundJournalWriter, WritesInOrderContinuesAtTheEndAndKnowsAFailedDisk)
{
    test::TempDir dir;
    const auto file = dir.path() / "Private" / "JournalPassages.txt";
    BackgroundJournalWriter writer;
    ASSERT_TRUE(writer.begin(file));
    for (int n = 0; n < 200; ++n)
        writer.append("at\t" + std::to_string(n) + "\n");
    writer.finish();
    writer.begin(file, true);
    writer.append("# more\n");
    writer.finish();
    writer.drain();
    std::string expected;
    for (int n = 0; n < 200; ++n)
        expected += "at\t" + std::to_string(n) + "\n";
    EXPECT_EQ(test::readFile(file), expected + "# more\n");
    EXPECT_FALSE(writer.failed());

    // A folder that cannot hold the file (here a plain file in its way).
    test::writeFile(dir.path() / "plain", "x");
    writer.begin(dir.path() / "plain" / "JournalPassages.txt");
    writer.append("at\t0\tdepart\n");
    writer.drain();
    EXPECT_TRUE(writer.failed());
    // A new journal on a good disk starts with a clean record.
    writer.begin(file);
    writer.drain();
    EXPECT_FALSE(writer.failed());
}

} // namespace
} // namespace ksy
