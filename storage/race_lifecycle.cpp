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

CrashCopy keepCrashCopy(const WorkFolder& wf)
{
    const auto working = workingRaceFile(wf);
    const auto crash = wf.file(kCrashRaceFile);
    const auto bytes = readWhole(working);
    if (!bytes)
        return CrashCopy::NoWorkingRace;
    std::error_code ec;
    if (*bytes == newRaceFileBytes() && std::filesystem::exists(crash, ec))
        return CrashCopy::KeptExisting;
    return replaceFile(crash, *bytes) ? CrashCopy::Copied : CrashCopy::Failed;
}

} // namespace ksy
