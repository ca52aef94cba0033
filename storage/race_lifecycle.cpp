#include "storage/race_lifecycle.h"

#include "storage/durable_io.h"
#include "storage/file_stream.h"
#include "storage/race_file.h"
#include "storage/redo_log.h"
#include "storage/section_index.h"

namespace ksy {
namespace {

// Nothing when the file cannot be read to its end: a folder or a medium
// pulled out must not pass for an empty race.
std::optional<std::string> readWhole(const std::filesystem::path& file)
{
    auto f = FileStream::open(file, OpenMode::Read);
    if (!f)
        return std::nullopt;
    std::string bytes = f->readRest();
    if (f->failed())
        return std::nullopt;
    return bytes;
}

std::filesystem::path folderOf(const std::filesystem::path& file)
{
    return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

enum class Flush {
    Now, // the copy is on the disk when the call returns
    Soon, // on another thread; writes to the copy wait for it (flushSoon)
};

// Copies a file by the system, never through a buffer of ours, into a
// temporary file beside the destination renamed over it: after a failure or
// a crash the destination holds its old bytes or the new ones.
bool copyFile(const std::filesystem::path& from, const std::filesystem::path& to, Flush flush)
{
    std::error_code ec;
    if (std::filesystem::equivalent(from, to, ec))
        return true; // saving a race onto itself: the bytes are already there
    // Opening settles what a crash left in the source's redo log; a folder
    // must not pass for an empty race.
    if (!std::filesystem::is_regular_file(from, ec) || !FileStream::open(from, OpenMode::Read) ||
        std::filesystem::is_directory(to, ec) || !awaitFlush(to))
        return false;
    auto temporary = to;
    temporary += ".tmp";
    const auto discard = [&] {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return false;
    };
    const std::uintmax_t size = std::filesystem::file_size(from, ec);
    if (ec)
        return false;
    const std::size_t allowed = durableIo().allowedBytes(static_cast<std::size_t>(size));
    std::filesystem::copy_file(from, temporary, std::filesystem::copy_options::overwrite_existing, ec);
    if (ec)
        return discard();
    if (allowed < size) {
        truncateStep(temporary, allowed);
        durableIo().afterPartialChange();
    }
    if (flush == Flush::Now && !durableIo().syncFile(temporary))
        return discard();
    // In-place writes waiting in the redo log belong to the old file: they
    // must never be replayed over the new one.
    if (!forgetRedoLog(to))
        return discard();
    indexForget(to);
    // Opening a race: the working race replaced, tens of megabytes, is let
    // go of on another thread, since freeing its blocks and cached pages
    // inside the rename would keep the official waiting. A second name keeps
    // it whole through the rename. One that a crash left behind goes first.
    auto replaced = to;
    replaced += ".old";
    bool keptAside = false;
    if (flush == Flush::Soon) {
        awaitFlush(replaced);
        std::filesystem::remove(replaced, ec);
        std::filesystem::create_hard_link(to, replaced, ec);
        keptAside = !ec;
    }
    durableIo().allowedBytes(0);
    std::filesystem::rename(temporary, to, ec);
    if (keptAside)
        removeSoon(replaced);
    if (ec)
        return discard();
    indexCopied(from, to);
    if (flush == Flush::Soon) {
        flushSoon(to);
        return true;
    }
    return durableIo().syncFolder(folderOf(to));
}

} // namespace

std::string raceWindowTitle(std::string_view raceFileName)
{
    if (raceFileName.empty())
        return "Kestrametrix";
    return "Kestrametrix:   " + std::string(raceFileName);
}

std::string withRaceExtension(std::string_view path)
{
    std::string out(path);
    if (out.find(".race") == std::string::npos)
        out += ".race";
    return out;
}

bool copyRaceFile(const std::filesystem::path& from, const std::filesystem::path& to)
{
    return copyFile(from, to, Flush::Now);
}

bool saveWorkingRace(const WorkFolder& wf, const std::filesystem::path& raceFile)
{
    return copyFile(workingRaceFile(wf), raceFile, Flush::Now);
}

// The chosen race stays on the disk as it was: until the working copy has
// reached the disk, a power cut can cost only the copy, and the first change
// to it waits for the copy to be there.
bool loadIntoWorkingRace(const WorkFolder& wf, const std::filesystem::path& raceFile)
{
    return copyFile(raceFile, workingRaceFile(wf), Flush::Soon);
}

// The previous race may be tens of megabytes: it is moved, not copied, and
// the caller creates the new working race. Where it cannot be moved (another
// disk) it is copied file to file by the system, never held in memory,
// through a temporary file renamed over the old copy.
CrashCopy keepCrashCopy(const WorkFolder& wf)
{
    const auto working = workingRaceFile(wf);
    const auto crash = wf.file(kCrashRaceFile);
    std::error_code ec;
    // Opening settles what a crash left in the working race's redo log.
    if (!std::filesystem::is_regular_file(working, ec) ||
        !FileStream::open(working, OpenMode::Read))
        return CrashCopy::NoWorkingRace;
    // Only a file of a new race's size can be an untouched new race.
    const std::string fresh = newRaceFileBytes();
    if (std::filesystem::file_size(working, ec) == fresh.size() && !ec) {
        const auto bytes = readWhole(working);
        if (!bytes)
            return CrashCopy::NoWorkingRace;
        if (*bytes == fresh && std::filesystem::exists(crash, ec))
            return CrashCopy::KeptExisting;
    }
    indexForget(working);
    indexForget(crash);
    if (!std::filesystem::is_directory(crash, ec)) {
        durableIo().allowedBytes(0);
        std::filesystem::rename(working, crash, ec);
        if (!ec) {
            durableIo().syncFolder(folderOf(crash));
            durableIo().syncFolder(folderOf(working));
            return CrashCopy::Copied;
        }
    }
    auto temporary = crash;
    temporary += ".tmp";
    std::filesystem::copy_file(
        working, temporary, std::filesystem::copy_options::overwrite_existing, ec);
    if (!ec)
        std::filesystem::rename(temporary, crash, ec);
    if (ec) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return CrashCopy::Failed;
    }
    return CrashCopy::Copied;
}

} // namespace ksy
