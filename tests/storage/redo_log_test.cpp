// The log of in-place writes repairs the file it was written for and no
// other: a race put in its place, a record altered, a write cut short.
#include "storage/durable_io.h"
#include "storage/file_stream.h"
#include "storage/race_file.h"
#include "storage/redo_log.h"
#include "support/fakes.h"

#include <chrono>
#include <gtest/gtest.h>
#include <optional>

using namespace ksy;
using ksy::test::readFile;
using ksy::test::writeFile;

namespace {

// The file's own flush fails: its log keeps the record, as after a crash
// between the write and the emptying of the log.
class FileFlushFails : public DurableIo {
public:
    bool syncFile(const std::filesystem::path& f) override { return f.extension() == ".redo"; }
    bool syncFolder(const std::filesystem::path&) override { return true; }
};

std::string raceBytes(int lines)
{
    std::string out;
    for (int i = 0; i < lines; ++i)
        out += "ligne " + std::to_string(100000 + i) + "\tCourse de Berck\t\n";
    return out;
}

struct LeftLog {
    std::string before; // the file before the write
    std::string after; // and after it
    std::string log; // the record the write left
    std::filesystem::file_time_type dateBefore;
};

// Writes `bytes` at `offset` of a file holding `start` and keeps what the
// log held afterwards.
LeftLog leaveRecord(const std::filesystem::path& dir, const std::string& start, long offset,
    const std::string& bytes)
{
    const auto file = dir / "writer" / "Course.race";
    std::filesystem::create_directories(file.parent_path());
    writeFile(file, start);
    LeftLog left;
    left.before = start;
    left.dateBefore = std::filesystem::last_write_time(file);
    FileFlushFails io;
    installDurableIo(&io);
    {
        auto f = FileStream::open(file, OpenMode::Update);
        EXPECT_TRUE(f);
        f->seek(offset);
        EXPECT_TRUE(f->write(bytes));
        EXPECT_TRUE(f->close());
    }
    installDurableIo(nullptr);
    left.after = readFile(file);
    left.log = readFile(redoLogPath(file));
    EXPECT_EQ(left.log.size(), 64 + 2 * bytes.size()); // one record: its header, old and new bytes
    forgetRedoLog(file);
    return left;
}

// A file and a log put side by side, then opened as the next run would.
std::string settled(const std::filesystem::path& file, const std::string& bytes,
    const std::string& log, std::optional<std::filesystem::file_time_type> date = {})
{
    writeFile(file, bytes);
    if (date)
        std::filesystem::last_write_time(file, *date);
    writeFile(redoLogPath(file), log);
    EXPECT_TRUE(FileStream::open(file, OpenMode::Read));
    EXPECT_EQ(std::filesystem::file_size(redoLogPath(file)), 0u);
    return readFile(file);
}

constexpr long kAt = 3000;
const std::string kNew = "13207\tNouvelle selection\t";

} // namespace

TEST(RedoLog, AWriteOnTheDiskLeavesNoRecordBehind)
{
    ksy::test::TempDir dir;
    const auto file = dir.path() / "Course.race";
    writeFile(file, raceBytes(200));
    auto f = FileStream::open(file, OpenMode::Update);
    ASSERT_TRUE(f);
    f->seek(kAt);
    ASSERT_TRUE(f->write(kNew));
    ASSERT_TRUE(f->close());
    EXPECT_EQ(std::filesystem::file_size(redoLogPath(file)), 0u);
    // Ending the program empties a log that kept records all the same.
    writeFile(redoLogPath(file), "KSYREDO2 left by a flush that failed");
    EXPECT_TRUE(forgetRedoLog(file));
    EXPECT_EQ(std::filesystem::file_size(redoLogPath(file)), 0u);
}

TEST(RedoLog, ItsOwnFileIsRepairedWhereverTheWriteStopped)
{
    ksy::test::TempDir dir;
    const LeftLog left = leaveRecord(dir.path(), raceBytes(200), kAt, kNew);
    ASSERT_NE(left.before, left.after);
    const auto file = dir.path() / "Course.race";

    // The write never began: the bytes it replaces and the date are there.
    EXPECT_EQ(settled(file, left.before, left.log, left.dateBefore), left.after);
    EXPECT_EQ(takeRedoLogNotice(), "") << "never began";
    // Cut in the middle.
    std::string torn = left.before;
    torn.replace(kAt, 6, kNew.substr(0, 6));
    EXPECT_EQ(settled(file, torn, left.log), left.after);
    EXPECT_EQ(takeRedoLogNotice(), "") << "torn";
    // Whole: nothing to do.
    EXPECT_EQ(settled(file, left.after, left.log), left.after);
    EXPECT_EQ(takeRedoLogNotice(), "");
}

TEST(RedoLog, ARacePutInPlaceIsTakenByteForByteAndTheRecordSaidOnce)
{
    ksy::test::TempDir dir;
    const LeftLog left = leaveRecord(dir.path(), raceBytes(200), kAt, kNew);
    const auto file = dir.path() / "Course.race";

    // The race of another day, of the same size.
    std::string other = raceBytes(200);
    other.replace(10, 6, "autre ");
    EXPECT_EQ(settled(file, other, left.log), other);
    const std::string notice = takeRedoLogNotice();
    EXPECT_NE(notice.find("« Course.race »"), std::string::npos) << notice;
    EXPECT_EQ(notice.find('\n'), std::string::npos);
    EXPECT_EQ(takeRedoLogNotice(), "");

    // A backup of this very race from before the write, copied in later:
    // the replaced bytes are there but the file was written since.
    EXPECT_EQ(settled(file, left.before, left.log, left.dateBefore + std::chrono::seconds(5)),
        left.before);
    EXPECT_NE(takeRedoLogNotice(), "");

    // A shorter or longer race.
    for (const std::string& bytes : {raceBytes(150), raceBytes(300)}) {
        EXPECT_EQ(settled(file, bytes, left.log), bytes);
        EXPECT_NE(takeRedoLogNotice(), "");
    }
    // Neither the old bytes nor the new ones where the write goes.
    std::string edited = left.before;
    edited.replace(kAt, 3, "zzz");
    EXPECT_EQ(settled(file, edited, left.log, left.dateBefore), edited);
    EXPECT_NE(takeRedoLogNotice(), "");
}

TEST(RedoLog, AnAlteredRecordIsDroppedAndSaid)
{
    ksy::test::TempDir dir;
    const LeftLog left = leaveRecord(dir.path(), raceBytes(200), kAt, kNew);
    const auto file = dir.path() / "Course.race";
    std::string altered = left.log;
    altered[altered.size() - 3] ^= 0x20; // one of the new bytes
    EXPECT_EQ(settled(file, left.before, altered, left.dateBefore), left.before);
    EXPECT_NE(takeRedoLogNotice(), "");

    // Cut short while being appended: its write had not begun, nothing to say.
    EXPECT_EQ(settled(file, left.before, left.log.substr(0, left.log.size() - 4), left.dateBefore),
        left.before);
    EXPECT_EQ(takeRedoLogNotice(), "");
}

TEST(RedoLog, ALogAnotherRunLeftIsReadBeforeItsFileIsReplaced)
{
    ksy::test::TempDir dir;
    const LeftLog left = leaveRecord(dir.path(), raceBytes(200), kAt, kNew);
    const auto file = dir.path() / "Course.race";

    // Its own file: the write is finished on it, not thrown away.
    writeFile(file, left.before);
    std::filesystem::last_write_time(file, left.dateBefore);
    writeFile(redoLogPath(file), left.log);
    EXPECT_TRUE(forgetRedoLog(file));
    EXPECT_EQ(readFile(file), left.after);
    EXPECT_EQ(takeRedoLogNotice(), "");
    EXPECT_EQ(std::filesystem::file_size(redoLogPath(file)), 0u);

    // Another race: untouched, and said.
    std::string other = raceBytes(200);
    other.replace(10, 6, "autre ");
    writeFile(file, other);
    writeFile(redoLogPath(file), left.log);
    EXPECT_TRUE(forgetRedoLog(file));
    EXPECT_EQ(readFile(file), other);
    EXPECT_NE(takeRedoLogNotice(), "");
}
