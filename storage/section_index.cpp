#include "storage/section_index.h"

#include "storage/section_file.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace ksy {
namespace {

// Enough of a line to know its first field: 104 bytes, a CR and the end.
constexpr std::size_t kFieldWindow = kMaxTitleLength + 2;

struct FileIndex {
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified {};
    bool built = false;
    // Title-shaped first fields and the starts of the lines that hold them,
    // in file order.
    std::map<std::string, std::vector<long>, std::less<>> lines;
};

std::mutex mutex;
std::map<std::string, FileIndex> indexes;

bool stamp(const std::filesystem::path& file, std::uintmax_t& size,
    std::filesystem::file_time_type& modified)
{
    std::error_code ec;
    size = std::filesystem::file_size(file, ec);
    if (ec)
        return false;
    modified = std::filesystem::last_write_time(file, ec);
    return !ec;
}

void noteLine(FileIndex& index, long lineStart, std::string_view line)
{
    const auto field = comparableFirstField(line);
    if (field && looksLikeSectionTitle(*field)) {
        auto& at = index.lines[std::string(*field)];
        at.insert(std::upper_bound(at.begin(), at.end(), lineStart), lineStart);
    }
}

} // namespace

void skipPastLineEnd(CharSource& in)
{
    for (;;) {
        const std::string_view v = in.available(1);
        if (v.empty())
            return;
        const void* lf = std::memchr(v.data(), '\n', v.size());
        if (lf) {
            in.advance(static_cast<std::size_t>(static_cast<const char*>(lf) - v.data()) + 1);
            return;
        }
        in.advance(v.size());
    }
}

namespace {

void build(FileIndex& index, CharSource& in)
{
    index.lines.clear();
    in.seekTo(0);
    for (;;) {
        const long lineStart = in.offset();
        const std::string_view v = in.available(kFieldWindow);
        if (v.empty())
            break;
        noteLine(index, lineStart, v);
        skipPastLineEnd(in);
    }
    index.built = !in.failed();
}

} // namespace

std::optional<std::string_view> comparableFirstField(std::string_view line)
{
    const std::string_view head = line.substr(0, kFieldWindow);
    const std::size_t end = head.find_first_of("\t\n");
    std::size_t length =
        std::min(end == std::string_view::npos ? head.size() : end, kMaxTitleLength);
    if (end != std::string_view::npos && head[end] == '\n' && end > 0 && end - 1 < length &&
        head[end - 1] == '\r')
        length = end - 1;
    std::string_view field = head.substr(0, length);
    const std::size_t zero = field.find('\0');
    if (zero != std::string_view::npos) {
        if (field.find_first_not_of('\0', zero) != std::string_view::npos)
            return std::nullopt;
        field = field.substr(0, zero);
    }
    return field;
}

long indexedTitleLine(const std::filesystem::path& file, CharSource& in, std::string_view title)
{
    std::lock_guard lock(mutex);
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified;
    if (!stamp(file, size, modified))
        return -2;
    FileIndex& index = indexes[file.lexically_normal().string()];
    if (!index.built || index.size != size || index.modified != modified) {
        const long here = in.offset();
        build(index, in);
        in.seekTo(here);
        index.size = size;
        index.modified = modified;
        if (!index.built)
            return -2;
    }
    const auto found = index.lines.find(title);
    return found == index.lines.end() || found->second.empty() ? -1 : found->second.front();
}

void indexNoteWrite(
    const std::filesystem::path& file, CharSource& in, long offset, std::size_t length)
{
    std::lock_guard lock(mutex);
    const auto known = indexes.find(file.lexically_normal().string());
    if (known == indexes.end() || !known->second.built)
        return;
    FileIndex& index = known->second;
    // Lines whose first field the write may have changed: those starting up
    // to one field before it, inside it or just behind it.
    const long end = offset + static_cast<long>(length);
    const long first = std::max(0L, offset - static_cast<long>(kMaxTitleLength) - 1);
    for (auto& [field, at] : index.lines)
        std::erase_if(at, [&](long p) { return p >= first && p <= end; });

    const long from = std::max(0L, first - 1);
    in.seekTo(from);
    std::string window;
    while (window.size() < static_cast<std::size_t>(end - from) + kFieldWindow) {
        const std::string_view v = in.available(1);
        if (v.empty())
            break;
        const std::size_t take =
            std::min(v.size(), static_cast<std::size_t>(end - from) + kFieldWindow - window.size());
        window.append(v.substr(0, take));
        in.advance(take);
    }
    for (long p = first; p <= end && p - from <= static_cast<long>(window.size()); ++p) {
        if (p > 0 && window[static_cast<std::size_t>(p - 1 - from)] != '\n')
            continue;
        if (p - from < static_cast<long>(window.size()))
            noteLine(index, p, std::string_view(window).substr(static_cast<std::size_t>(p - from)));
    }
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified;
    if (in.failed() || !stamp(file, size, modified)) {
        index.built = false;
        return;
    }
    index.size = size;
    index.modified = modified;
}

void indexForget(const std::filesystem::path& file)
{
    std::lock_guard lock(mutex);
    indexes.erase(file.lexically_normal().string());
}

void indexCopied(const std::filesystem::path& from, const std::filesystem::path& to)
{
    std::lock_guard lock(mutex);
    const std::string target = to.lexically_normal().string();
    indexes.erase(target);
    const auto source = indexes.find(from.lexically_normal().string());
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified;
    if (source == indexes.end() || !source->second.built || !stamp(from, size, modified) ||
        size != source->second.size || modified != source->second.modified)
        return;
    std::uintmax_t copiedSize = 0;
    if (!stamp(to, copiedSize, modified) || copiedSize != size)
        return;
    FileIndex copy = source->second;
    copy.modified = modified;
    indexes.emplace(target, std::move(copy));
}

} // namespace ksy
