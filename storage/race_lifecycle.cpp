#include "storage/race_lifecycle.h"

#include "storage/durable_io.h"
#include "storage/file_stream.h"
#include "storage/race_file.h"

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

// A failed write never leaves a half-written race where a good one stood.
bool replaceFile(const std::filesystem::path& to, const std::string& bytes)
{
    return writeFileAtomically(to, bytes);
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
    std::error_code ec;
    if (std::filesystem::equivalent(from, to, ec))
        return true; // saving a race onto itself: the bytes are already there
    const auto bytes = readWhole(from);
    return bytes && replaceFile(to, *bytes);
}

bool saveWorkingRace(const WorkFolder& wf, const std::filesystem::path& raceFile)
{
    return copyRaceFile(workingRaceFile(wf), raceFile);
}

bool loadIntoWorkingRace(const WorkFolder& wf, const std::filesystem::path& raceFile)
{
    return copyRaceFile(raceFile, workingRaceFile(wf));
}

// The previous race may be tens of megabytes: it is copied file to file by
// the system, never held in memory, through a temporary file renamed over
// the old copy.
CrashCopy keepCrashCopy(const WorkFolder& wf)
{
    const auto working = workingRaceFile(wf);
    const auto crash = wf.file(kCrashRaceFile);
    std::error_code ec;
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
