// The log of in-place writes through the real program: empty after a clean
// exit, and a log left beside another race put in place while the program
// was closed never changes a byte of it; the start says so once.
#include "e2e_support.h"
#include "storage/durable_io.h"
#include "storage/race_file.h"
#include "storage/redo_log.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

namespace ksy {
namespace {

using test::readFile;

// The file's own flush fails: the log keeps its record, as after a power
// cut between the write and the emptying of the log.
class FileFlushFails : public DurableIo {
public:
    bool syncFile(const std::filesystem::path& f) override { return f.extension() == ".redo"; }
    bool syncFolder(const std::filesystem::path&) override { return true; }
};

std::size_t logSize(const std::filesystem::path& file)
{
    std::error_code ec;
    const auto size = std::filesystem::file_size(redoLogPath(file), ec);
    return ec ? 0 : size;
}

int count(const std::string& text, const std::string& what)
{
    int n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

} // namespace

TEST(RedoLogAtStart, ACleanExitLeavesNoRecordAndALogNeverChangesARacePutInItsPlace)
{
    test::TempDir dir;
    const auto raceFile = test::buildRaceFile(dir.path(), test::threeJuniors());
    ASSERT_FALSE(raceFile.empty());
    const std::string backup = readFile(raceFile);
    const WorkFolder work(dir.path() / "work");
    const auto working = workingRaceFile(work);

    // A day's work: the race loaded, heats selected (in-place writes), quit.
    const test::ScriptedRun day = test::runScripted(work,
        {"file " + raceFile.string(), "command 1002", "wait 300", "select 13101", "wait 300",
            "quit"},
        nullptr);
    ASSERT_TRUE(day.finished) << day.errors;
    EXPECT_EQ(logSize(working), 0u);
    const std::string dayEnd = readFile(working);
    ASSERT_TRUE(dayEnd != backup); // the selection changed in place

    // A record of that race, left as a power cut would leave it.
    const auto scratch = dir.path() / "scratch" / "Course.race";
    test::writeFile(scratch, dayEnd);
    const auto dateBefore = std::filesystem::last_write_time(scratch);
    FileFlushFails io;
    installDurableIo(&io);
    RaceHeader header;
    ASSERT_TRUE(readRaceHeader(scratch, header));
    header.selection = 11000;
    ASSERT_TRUE(writeRaceHeader(scratch, header));
    installDurableIo(nullptr);
    const std::string record = readFile(redoLogPath(scratch));
    ASSERT_FALSE(record.empty());

    // The official puts the backup in place of the working race; the log
    // stays beside it. The next start keeps it byte for byte and says so.
    test::writeFile(working, backup);
    test::writeFile(redoLogPath(working), record);
    const test::ScriptedRun next = test::runScripted(work, {"wait 300", "quit"}, nullptr);
    ASSERT_TRUE(next.finished) << next.errors;
    EXPECT_TRUE(readFile(work.file(kCrashRaceFile)) == backup);
    EXPECT_EQ(count(next.errors, "le journal des écritures inachevées"), 1) << next.errors;
    EXPECT_EQ(logSize(working), 0u);

    // Its own race, untouched since the record was written: the write is
    // finished at the start.
    test::writeFile(working, dayEnd);
    std::filesystem::last_write_time(working, dateBefore);
    test::writeFile(redoLogPath(working), record);
    const test::ScriptedRun own = test::runScripted(work, {"wait 300", "quit"}, nullptr);
    ASSERT_TRUE(own.finished) << own.errors;
    EXPECT_TRUE(readFile(work.file(kCrashRaceFile)) == readFile(scratch));
    EXPECT_EQ(count(own.errors, "le journal des écritures inachevées"), 0) << own.errors;
}

} // namespace ksy
