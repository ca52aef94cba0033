#pragma once
// Reading the parts of a zip archive (the container of .xlsx and .ods) from
// its central directory, with every size checked against the bytes there are
// and every unpacked part bounded, so that a zip bomb is refused after at
// most `limit` bytes instead of filling the memory.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ksy {

class ZipArchive {
public:
    // Nothing when the bytes hold no readable central directory. The bytes
    // must outlive the archive.
    static std::optional<ZipArchive> open(std::string_view bytes);

    bool contains(std::string_view name) const;

    struct Part {
        std::optional<std::string> bytes;
        std::string error; // French, when there are no bytes
    };
    // The unpacked bytes of the named part (stored or deflated).
    Part read(std::string_view name, std::size_t limit) const;

private:
    struct Entry {
        std::string name;
        std::uint16_t method = 0;
        std::uint32_t compressedSize = 0;
        std::uint32_t size = 0;
        std::uint32_t localOffset = 0;
    };
    std::string_view bytes_;
    std::vector<Entry> entries_;
};

} // namespace ksy
