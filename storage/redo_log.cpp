#include "storage/redo_log.h"

#include "services/translate.h"
#include "storage/durable_io.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <utility>

namespace ksy {
namespace {

constexpr std::string_view kMagic = "KSYREDO2";
// Offset, length of the new bytes, length of the bytes replaced, file size
// and date before the write, fingerprint of the bytes around it.
constexpr std::size_t kNumbers = 6 * 8;
constexpr std::size_t kHeaderSize = 8 + kNumbers + 8;
// How much of the file around a write its fingerprint reads.
constexpr long kAround = 4096;

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

// FNV-1a: a record cut anywhere, or altered, fails it.
std::uint64_t hashBytes(std::uint64_t h, std::string_view bytes)
{
    for (unsigned char c : bytes)
        h = (h ^ c) * 1099511628211ull;
    return h;
}
constexpr std::uint64_t kHashStart = 14695981039346656037ull;

std::string readAt(std::FILE* f, long offset, long length)
{
    std::string out;
    if (length <= 0 || std::fseek(f, offset, SEEK_SET) != 0)
        return out;
    out.resize(static_cast<std::size_t>(length));
    out.resize(std::fread(out.data(), 1, out.size(), f));
    return out;
}

long sizeOf(std::FILE* f)
{
    if (std::fseek(f, 0, SEEK_END) != 0)
        return -1;
    return std::ftell(f);
}

std::uint64_t dateOf(const std::filesystem::path& file)
{
    std::error_code ec;
    const auto t = std::filesystem::last_write_time(file, ec);
    return ec ? 0 : static_cast<std::uint64_t>(t.time_since_epoch().count());
}

// The file's head and the bytes on either side of a write, the write itself
// left out: what tells this file from another race put in its place.
std::uint64_t fingerprint(std::FILE* f, long offset, long length, long size)
{
    std::uint64_t h = kHashStart;
    const long headEnd = std::min(kAround, offset);
    h = hashBytes(h, readAt(f, 0, headEnd));
    const long before = std::max(headEnd, offset - kAround);
    h = hashBytes(h, readAt(f, before, offset - before));
    const long after = offset + length;
    h = hashBytes(h, readAt(f, after, std::min(size, after + kAround) - after));
    return h;
}

struct Record {
    std::uint64_t offset = 0;
    std::uint64_t sizeBefore = 0;
    std::uint64_t dateBefore = 0;
    std::uint64_t print = 0;
    std::string_view old;
    std::string_view bytes;
};

std::string encode(const Record& r)
{
    std::string numbers;
    for (std::uint64_t v : {r.offset, std::uint64_t {r.bytes.size()}, std::uint64_t {r.old.size()},
             r.sizeBefore, r.dateBefore, r.print})
        putNumber(numbers, v);
    std::string out(kMagic);
    out += numbers;
    putNumber(out, hashBytes(hashBytes(hashBytes(kHashStart, numbers), r.old), r.bytes));
    out.append(r.old);
    out.append(r.bytes);
    return out;
}

enum class Read { Whole, CutShort, Altered };

// The next record of the log. A record cut short was being appended when the
// program died: its write had not begun. One whole in length whose checksum
// fails was altered on the disk.
Read decode(std::string_view& rest, Record& r)
{
    if (rest.size() < kHeaderSize || rest.substr(0, kMagic.size()) != kMagic)
        return rest.empty() || rest.size() < kHeaderSize ? Read::CutShort : Read::Altered;
    const std::string_view numbers = rest.substr(kMagic.size(), kNumbers);
    auto number = [&](int i) { return getNumber(numbers.substr(8 * static_cast<std::size_t>(i), 8)); };
    r.offset = number(0);
    const std::uint64_t length = number(1);
    const std::uint64_t oldLength = number(2);
    r.sizeBefore = number(3);
    r.dateBefore = number(4);
    r.print = number(5);
    const std::size_t room = rest.size() - kHeaderSize;
    if (length > room || oldLength > room - length)
        return Read::CutShort;
    r.old = rest.substr(kHeaderSize, oldLength);
    r.bytes = rest.substr(kHeaderSize + oldLength, length);
    const std::uint64_t sum = getNumber(rest.substr(kMagic.size() + kNumbers, 8));
    if (hashBytes(hashBytes(hashBytes(kHashStart, numbers), r.old), r.bytes) != sum ||
        r.offset > (1ull << 62))
        return Read::Altered;
    rest.remove_prefix(kHeaderSize + oldLength + length);
    return Read::Whole;
}

// The log size this process left behind for each file: a log of that size
// holds only records already written over the file.
std::mutex mutex;
std::map<std::string, std::uintmax_t> leftSize;
std::string notice;

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
    if (!truncateStep(log, 0))
        return false;
    leftSize[key(file)] = 0;
    return true;
}

enum class Fit { Written, Replay, Replaced, Foreign };

// How the file stands against one record. `ours`: an earlier record of the
// same log already proved that the log belongs to this file.
Fit fit(std::FILE* f, const std::filesystem::path& file, const Record& r, bool ours)
{
    const long size = sizeOf(f);
    const auto offset = static_cast<long>(r.offset);
    const auto length = static_cast<long>(r.bytes.size());
    // A write past the end that was cut short left the file in between.
    const long sizeAfter = std::max(static_cast<long>(r.sizeBefore), offset + length);
    if (size < static_cast<long>(r.sizeBefore) || size > sizeAfter)
        return Fit::Foreign;
    if (fingerprint(f, offset, length, size) != r.print)
        return Fit::Foreign;
    const std::string now = readAt(f, offset, length);
    if (now == r.bytes)
        return Fit::Written;
    // Every byte is the old one or the new one: the write was cut short.
    bool anyNew = false;
    for (std::size_t i = 0; i < r.bytes.size(); ++i) {
        const bool isNew = i < now.size() && now[i] == r.bytes[i];
        const bool isOld = i < r.old.size() ? i < now.size() && now[i] == r.old[i] : i >= now.size();
        if (!isNew && !isOld)
            return Fit::Foreign;
        anyNew = anyNew || (isNew && !isOld);
    }
    if (anyNew)
        return Fit::Replay;
    // The bytes it replaces: the same file only if nobody wrote it since
    // (a race copied in later has a later date, or the older one of its
    // copy). The system may date the file a few milliseconds after the
    // last write it saw, hence the margin.
    const auto date = static_cast<std::int64_t>(dateOf(file));
    const auto before = static_cast<std::int64_t>(r.dateBefore);
    const auto margin = std::chrono::duration_cast<std::filesystem::file_time_type::duration>(
        std::chrono::seconds(2)).count();
    return ours || (date >= before - margin && date <= before + margin) ? Fit::Replay
                                                                       : Fit::Replaced;
}

void sayDropped(const std::filesystem::path& file)
{
    const auto name = file.filename().u8string();
    const std::string shown(name.begin(), name.end());
    const std::string text =
        fillText(translate("Storage",
                     "Attention: le journal des écritures inachevées de « %1 » ne "
                     "correspond pas à ce fichier (remplacé ou altéré "
                     "depuis la dernière utilisation du logiciel) : il a "
                     "été ignoré et le fichier est gardé tel quel."),
            {shown});
    if (notice.find(text) == std::string::npos)
        notice += (notice.empty() ? "" : "\n") + text;
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
    Record r;
    const long size = sizeOf(f);
    if (size < 0)
        return false;
    r.offset = static_cast<std::uint64_t>(offset);
    r.sizeBefore = static_cast<std::uint64_t>(size);
    r.dateBefore = dateOf(file);
    r.print = fingerprint(f, offset, static_cast<long>(bytes.size()), size);
    const std::string old = readAt(f, offset, static_cast<long>(bytes.size()));
    r.old = old;
    r.bytes = bytes;
    const std::string entry = encode(r);
    {
        File out = openFile(log, "ab");
        if (!out || !writeStep(out.get(), entry) || std::fclose(out.release()) != 0)
            return false;
    }
    if (!durableIo().syncFile(log))
        return false;
    if (created && !durableIo().syncFolder(log.has_parent_path() ? log.parent_path() : "."))
        return false;
    auto& left = leftSize[key(file)];
    left += entry.size();
    if (!writeAt(f, offset, bytes))
        return false;
    // Once the write is on the disk its record has done its job. Should
    // the emptying itself be lost, the record finds its bytes written.
    if (durableIo().syncFile(file))
        emptyLog(file, log);
    return true;
}

namespace {

bool settleLocked(const std::filesystem::path& file)
{
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
        return !std::filesystem::exists(file, ec) && emptyLog(file, log);
    std::string_view rest = content;
    bool ours = false;
    bool written = false;
    for (Record r;;) {
        const Read read = decode(rest, r);
        // What follows a record dropped was written over its bytes: dropped too.
        if (read == Read::Altered)
            sayDropped(file);
        if (read != Read::Whole)
            break;
        const Fit f = fit(target.get(), file, r, ours);
        if (f == Fit::Foreign || f == Fit::Replaced) {
            sayDropped(file);
            break;
        }
        ours = true;
        if (f == Fit::Replay) {
            if (!writeAt(target.get(), static_cast<long>(r.offset), r.bytes))
                return false;
            written = true;
        }
    }
    if (std::fclose(target.release()) != 0 || (written && !durableIo().syncFile(file)))
        return false;
    return emptyLog(file, log);
}

} // namespace

bool settleRedoLog(const std::filesystem::path& file)
{
    std::lock_guard lock(mutex);
    return settleLocked(file);
}

bool forgetRedoLog(const std::filesystem::path& file)
{
    std::lock_guard lock(mutex);
    const auto log = redoLogPath(file);
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(log, ec);
    if (ec || size == 0)
        return true;
    // Records another run left are finished on their own file (or dropped,
    // and said, when they do not belong to it) before the file goes: a log
    // is never thrown away unread. One that cannot be replayed is kept.
    if (const auto left = leftSize.find(key(file)); left == leftSize.end() || left->second != size)
        return settleLocked(file);
    if (std::filesystem::exists(file, ec) && !durableIo().syncFile(file))
        return false;
    return emptyLog(file, log);
}

std::string takeRedoLogNotice()
{
    std::lock_guard lock(mutex);
    return std::exchange(notice, {});
}

} // namespace ksy
