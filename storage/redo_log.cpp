#include "storage/redo_log.h"

#include "storage/durable_io.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace ksy {
namespace {

constexpr std::string_view kMagic = "KSYREDO1";
constexpr std::size_t kHeaderSize = 32; // magic, offset, length, checksum
// Past this size the file is flushed and the log starts again.
constexpr std::uintmax_t kCheckpointSize = 1 << 20;

struct Closer {
    void operator()(std::FILE* f) const
    {
        if (f)
            std::fclose(f);
    }
};
using File = std::unique_ptr<std::FILE, Closer>;

File openFile(const std::filesystem::path& file, const char* how)
{
#ifdef _WIN32
    std::wstring whow(how, how + std::strlen(how));
    return File(_wfopen(file.c_str(), whow.c_str()));
#else
    return File(std::fopen(file.c_str(), how));
#endif
}

void putNumber(std::string& out, std::uint64_t v)
{
    for (int i = 0; i < 8; ++i)
        out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

std::uint64_t getNumber(std::string_view in)
{
    std::uint64_t v = 0;
    for (int i = 7; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(in[static_cast<std::size_t>(i)]);
    return v;
}

// FNV-1a over offset, length and bytes: a record cut anywhere fails it.
std::uint64_t checksum(std::string_view numbers, std::string_view bytes)
{
    std::uint64_t h = 14695981039346656037ull;
    for (std::string_view part : {numbers, bytes})
        for (unsigned char c : part)
            h = (h ^ c) * 1099511628211ull;
    return h;
}

std::string record(long offset, std::string_view bytes)
{
    std::string numbers;
    putNumber(numbers, static_cast<std::uint64_t>(offset));
    putNumber(numbers, bytes.size());
    std::string out(kMagic);
    out += numbers;
    putNumber(out, checksum(numbers, bytes));
    out.append(bytes);
    return out;
}

// The log size this process left behind for each file: a log of that size
// holds only records already written over the file.
std::mutex mutex;
std::map<std::string, std::uintmax_t> leftSize;

std::string key(const std::filesystem::path& file)
{
    return file.lexically_normal().string();
}

bool writeAt(std::FILE* f, long offset, std::string_view bytes)
{
    return std::fseek(f, offset, SEEK_SET) == 0 && writeStep(f, bytes);
}

bool emptyLog(const std::filesystem::path& file, const std::filesystem::path& log)
{
    if (!truncateStep(log, 0) || !durableIo().syncFile(log))
        return false;
    leftSize[key(file)] = 0;
    return true;
}

} // namespace

std::filesystem::path redoLogPath(const std::filesystem::path& file)
{
    auto log = file;
    log += ".redo";
    return log;
}

bool writeThroughRedoLog(
    std::FILE* f, const std::filesystem::path& file, long offset, std::string_view bytes)
{
    // A file copied in moments ago is changed only once it is on the disk.
    if (!awaitFlush(file))
        return false;
    std::lock_guard lock(mutex);
    const auto log = redoLogPath(file);
    std::error_code ec;
    const bool created = !std::filesystem::exists(log, ec);
    const std::string entry = record(offset, bytes);
    {
        File out = openFile(log, "ab");
        if (!out || !writeStep(out.get(), entry) || std::fclose(out.release()) != 0)
            return false;
    }
    if (!durableIo().syncFile(log))
        return false;
    if (created && !durableIo().syncFolder(log.has_parent_path() ? log.parent_path() : "."))
        return false;
    auto& size = leftSize[key(file)];
    size += entry.size();
    if (!writeAt(f, offset, bytes))
        return false;
    if (size > kCheckpointSize && durableIo().syncFile(file))
        emptyLog(file, log);
    return true;
}

bool settleRedoLog(const std::filesystem::path& file)
{
    std::lock_guard lock(mutex);
    const auto log = redoLogPath(file);
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(log, ec);
    if (ec || size == 0)
        return true;
    const auto left = leftSize.find(key(file));
    if (left != leftSize.end() && left->second == size)
        return true;

    std::string content;
    {
        File in = openFile(log, "rb");
        if (!in)
            return false;
        std::array<char, 65536> buffer;
        std::size_t n = 0;
        while ((n = std::fread(buffer.data(), 1, buffer.size(), in.get())) > 0)
            content.append(buffer.data(), n);
        if (std::ferror(in.get()))
            return false;
    }
    File target = openFile(file, "r+b");
    if (!target)
        return false;
    std::string_view rest = content;
    while (rest.size() >= kHeaderSize && rest.substr(0, kMagic.size()) == kMagic) {
        const std::string_view numbers = rest.substr(kMagic.size(), 16);
        const std::uint64_t offset = getNumber(numbers.substr(0, 8));
        const std::uint64_t length = getNumber(numbers.substr(8, 8));
        if (length > rest.size() - kHeaderSize)
            break; // cut short: its write never began
        const std::string_view bytes = rest.substr(kHeaderSize, length);
        if (checksum(numbers, bytes) != getNumber(rest.substr(24, 8)))
            break;
        if (!writeAt(target.get(), static_cast<long>(offset), bytes))
            return false;
        rest.remove_prefix(kHeaderSize + length);
    }
    if (std::fclose(target.release()) != 0 || !durableIo().syncFile(file))
        return false;
    return emptyLog(file, log);
}

bool forgetRedoLog(const std::filesystem::path& file)
{
    std::lock_guard lock(mutex);
    const auto log = redoLogPath(file);
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(log, ec);
    if (ec || size == 0)
        return true;
    if (std::filesystem::exists(file, ec) && !durableIo().syncFile(file))
        return false;
    return emptyLog(file, log);
}

} // namespace ksy
