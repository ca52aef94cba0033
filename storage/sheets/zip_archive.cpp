#include "storage/sheets/zip_archive.h"

#include "services/translate.h"

#include <cstdint>
#include <zlib.h>

namespace ksy {
namespace {

std::uint32_t le16(std::string_view b, std::size_t at)
{
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
        static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8;
}

std::uint32_t le32(std::string_view b, std::size_t at)
{
    return le16(b, at) | le16(b, at + 2) << 16;
}

constexpr std::size_t kEndRecordSize = 22;
constexpr std::size_t kCentralHeaderSize = 46;
constexpr std::size_t kLocalHeaderSize = 30;
constexpr std::size_t kMaxEntries = 10000;

std::string tooLarge(std::size_t limit)
{
    return fillText(translate("Sheets",
                        "Erreur : le classeur est trop gros une fois décompressé (plus de %1 "
                        "Mo) ; il n'est pas lu."),
        {std::to_string(limit / (1024 * 1024))});
}

} // namespace

std::optional<ZipArchive> ZipArchive::open(std::string_view bytes)
{
    if (bytes.size() < kEndRecordSize)
        return std::nullopt;
    // The end record is in the last 22 bytes plus at most a 64 KB comment.
    std::size_t end = std::string_view::npos;
    const std::size_t lowest = bytes.size() > kEndRecordSize + 0xFFFF
        ? bytes.size() - kEndRecordSize - 0xFFFF
        : 0;
    for (std::size_t at = bytes.size() - kEndRecordSize + 1; at-- > lowest;)
        if (bytes.compare(at, 4, "PK\x05\x06") == 0) {
            end = at;
            break;
        }
    if (end == std::string_view::npos)
        return std::nullopt;
    const std::uint32_t count = le16(bytes, end + 10);
    const std::uint32_t dirSize = le32(bytes, end + 12);
    const std::uint32_t dirOffset = le32(bytes, end + 16);
    if (count > kMaxEntries || dirOffset > end || dirSize > end - dirOffset)
        return std::nullopt;
    ZipArchive zip;
    zip.bytes_ = bytes;
    std::size_t at = dirOffset;
    for (std::uint32_t i = 0; i < count; ++i) {
        if (at + kCentralHeaderSize > end || bytes.compare(at, 4, "PK\x01\x02") != 0)
            return std::nullopt;
        Entry e;
        e.method = static_cast<std::uint16_t>(le16(bytes, at + 10));
        e.compressedSize = le32(bytes, at + 20);
        e.size = le32(bytes, at + 24);
        const std::size_t nameLength = le16(bytes, at + 28);
        const std::size_t extraLength = le16(bytes, at + 30);
        const std::size_t commentLength = le16(bytes, at + 32);
        e.localOffset = le32(bytes, at + 42);
        if (at + kCentralHeaderSize + nameLength > end)
            return std::nullopt;
        e.name = std::string(bytes.substr(at + kCentralHeaderSize, nameLength));
        zip.entries_.push_back(std::move(e));
        at += kCentralHeaderSize + nameLength + extraLength + commentLength;
    }
    return zip;
}

bool ZipArchive::contains(std::string_view name) const
{
    for (const auto& e : entries_)
        if (e.name == name)
            return true;
    return false;
}

ZipArchive::Part ZipArchive::read(std::string_view name, std::size_t limit) const
{
    const Entry* entry = nullptr;
    for (const auto& e : entries_)
        if (e.name == name) {
            entry = &e;
            break;
        }
    const std::string damaged = fillText(
        translate("Sheets", "Erreur : le classeur est endommagé (partie %1 illisible)."), {name});
    if (!entry)
        return {std::nullopt,
            fillText(translate("Sheets", "Erreur : le classeur n'a pas de partie %1."), {name})};
    const std::size_t local = entry->localOffset;
    if (local + kLocalHeaderSize > bytes_.size() || bytes_.compare(local, 4, "PK\x03\x04") != 0)
        return {std::nullopt, damaged};
    const std::size_t data =
        local + kLocalHeaderSize + le16(bytes_, local + 26) + le16(bytes_, local + 28);
    if (data > bytes_.size() || entry->compressedSize > bytes_.size() - data)
        return {std::nullopt, damaged};
    const std::string_view packed = bytes_.substr(data, entry->compressedSize);
    if (entry->method == 0) {
        if (packed.size() > limit)
            return {std::nullopt, tooLarge(limit)};
        return {std::string(packed), {}};
    }
    if (entry->method != 8)
        return {std::nullopt, damaged};

    // Raw deflate, unpacked in chunks: the declared size is not trusted.
    z_stream z {};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK)
        return {std::nullopt, damaged};
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
    z.avail_in = static_cast<uInt>(packed.size());
    std::string out;
    char chunk[65536];
    int status = Z_OK;
    while (status == Z_OK) {
        z.next_out = reinterpret_cast<Bytef*>(chunk);
        z.avail_out = sizeof chunk;
        status = inflate(&z, Z_NO_FLUSH);
        const std::size_t produced = sizeof chunk - z.avail_out;
        if (out.size() + produced > limit) {
            inflateEnd(&z);
            return {std::nullopt, tooLarge(limit)};
        }
        out.append(chunk, produced);
        if (status == Z_BUF_ERROR && z.avail_in == 0)
            break; // truncated data
    }
    inflateEnd(&z);
    if (status != Z_STREAM_END)
        return {std::nullopt, damaged};
    return {std::move(out), {}};
}

} // namespace ksy
