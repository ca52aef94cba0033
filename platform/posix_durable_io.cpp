#include "platform/posix_durable_io.h"

#ifdef _WIN32
#include <cstdio>
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace ksy {

#ifdef _WIN32

bool PosixDurableIo::syncFile(const std::filesystem::path& file)
{
    std::FILE* f = _wfopen(file.c_str(), L"r+b");
    if (!f)
        return false;
    const bool ok = _commit(_fileno(f)) == 0;
    return std::fclose(f) == 0 && ok;
}

bool PosixDurableIo::syncFolder(const std::filesystem::path&)
{
    return true; // the system keeps a folder's entries with the file's data
}

#else

namespace {

bool syncPath(const std::filesystem::path& path, int flags, bool dataOnly)
{
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC);
    if (fd < 0)
        return false;
    // A file needs only its data and size on the disk; a folder its entries.
    const bool ok = (dataOnly ? ::fdatasync(fd) : ::fsync(fd)) == 0;
    return ::close(fd) == 0 && ok;
}

} // namespace

bool PosixDurableIo::syncFile(const std::filesystem::path& file)
{
    return syncPath(file, O_RDONLY, true);
}

bool PosixDurableIo::syncFolder(const std::filesystem::path& folder)
{
    return syncPath(folder, O_RDONLY | O_DIRECTORY, false);
}

#endif

} // namespace ksy
