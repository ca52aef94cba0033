// The journal's writer on a disk that fills up during a heat and frees
// again: no record is torn, none is lost, and the writer says when it is
// refused and when it is taken again.
#include "platform/background_journal_writer.h"
#include "storage/durable_io.h"
#include "support/fakes.h"

#include <atomic>
#include <gtest/gtest.h>

namespace ksy {
namespace {

// Room for `room` more bytes, then nothing; a write that does not fit is
// taken in part, as a real full disk does.
class FillingDisk : public DurableIo {
public:
    bool syncFile(const std::filesystem::path&) override { return true; }
    bool syncFolder(const std::filesystem::path&) override { return true; }
    std::size_t roomFor(std::size_t n) override
    {
        const std::size_t left = room.load();
        const std::size_t taken = std::min(n, left);
        room -= taken;
        return taken;
    }
    std::atomic<std::size_t> room {1u << 30};
};

std::string record(int n)
{
    return "at\t" + std::to_string(10000 + n * 37) + "\tpassing\t" + std::to_string(100 + n) +
        "\t" + std::to_string(n * 1000) + "\n";
}

TEST(JournalFullDisk, RecordsAreWrittenWholeAndThoseRefusedComeOnceThereIsRoom)
{
    test::TempDir dir;
    const auto file = dir.path() / "Private" / "JournalPassages.txt";
    FillingDisk disk;
    installDurableIo(&disk);
    {
        BackgroundJournalWriter writer;
        writer.begin(file);
        std::string expected;
        for (int n = 0; n < 40; ++n) {
            writer.append(record(n));
            expected += record(n);
        }
        writer.drain();
        EXPECT_FALSE(writer.failing());
        // The disk fills up in the middle of a record.
        disk.room = 13;
        for (int n = 40; n < 400; ++n) {
            writer.append(record(n));
            expected += record(n);
        }
        writer.drain();
        EXPECT_TRUE(writer.failing());
        const std::string meanwhile = test::readFile(file);
        // Only whole records, each on its line.
        EXPECT_EQ(meanwhile, expected.substr(0, meanwhile.size()));
        EXPECT_EQ(meanwhile.back(), '\n');
        EXPECT_LT(meanwhile.size(), expected.size());

        // Room again: the next record brings every waiting one with it, in order.
        disk.room = 1u << 30;
        writer.append(record(400));
        expected += record(400);
        writer.drain();
        EXPECT_FALSE(writer.failing());
        EXPECT_TRUE(writer.failed()); // it did fail during this journal
        EXPECT_EQ(test::readFile(file), expected);

        // Full again at the end of the heat: the journal stays open until
        // the disk takes the rest.
        disk.room = 0;
        writer.append("end\t99000\n");
        writer.finish();
        writer.drain();
        EXPECT_TRUE(writer.failing());
        EXPECT_EQ(test::readFile(file), expected);
        disk.room = 1u << 30;
    } // the writer's last try, at the end of the program
    installDurableIo(nullptr);
    EXPECT_EQ(test::readFile(file).substr(test::readFile(file).size() - 10), "end\t99000\n");
}

} // namespace
} // namespace ksy
