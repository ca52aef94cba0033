#pragma once
#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ksy {

// A byte source read one character at a time, the way every file of the
// program is read. End of data is a condition (kEnd), never a byte value, so
// that 0xFF ("ÿ") in a name is ordinary text.
class CharSource {
public:
    static constexpr int kEnd = -1;

    virtual ~CharSource() = default;
    // The next byte as 0..255, or kEnd once the data are exhausted.
    virtual int get() = 0;
    // Steps back over the byte returned by the last get(); does nothing when
    // that get() met the end, so that "step back" after a final read is safe.
    virtual void unget() = 0;
    // Goes back to the first byte.
    virtual void rewind() = 0;

    // Bulk access for scans: the bytes from the current position that are at
    // hand without consuming them, at least atLeast of them unless the data
    // end sooner (empty at the end).
    virtual std::string_view available(std::size_t atLeast) = 0;
    // Consumes n bytes of what available() showed.
    virtual void advance(std::size_t n) = 0;
    // The position in bytes from the start.
    virtual long offset() = 0;
    // Goes to a position in bytes from the start.
    virtual void seekTo(long offset) = 0;
    // Whether reading failed (a folder, a medium pulled out): the end met
    // then is no end of the data, and whatever was read must not be trusted.
    virtual bool failed() const { return false; }
    // The line start of the first line whose first field is title when the
    // source keeps an index of its section titles; nothing when it does not
    // know, so the caller scans.
    virtual std::optional<long> indexedTitle(std::string_view) { return std::nullopt; }
};

// Reads a buffer already in memory (a whole small file, a test's bytes). It
// keeps its own copy, so a temporary string may be handed in.
class StringSource : public CharSource {
public:
    explicit StringSource(std::string_view bytes)
        : bytes_(bytes)
    {
    }

    int get() override
    {
        lastWasEnd_ = pos_ >= bytes_.size();
        if (lastWasEnd_)
            return kEnd;
        return static_cast<unsigned char>(bytes_[pos_++]);
    }
    void unget() override
    {
        if (!lastWasEnd_ && pos_ > 0)
            --pos_;
        lastWasEnd_ = true; // one step back only
    }
    void rewind() override
    {
        pos_ = 0;
        lastWasEnd_ = true;
    }
    std::string_view available(std::size_t) override
    {
        lastWasEnd_ = true;
        return std::string_view(bytes_).substr(std::min(pos_, bytes_.size()));
    }
    void advance(std::size_t n) override { pos_ = std::min(pos_ + n, bytes_.size()); }
    long offset() override { return static_cast<long>(pos_); }
    void seekTo(long offset) override
    {
        pos_ = std::min(static_cast<std::size_t>(std::max(offset, 0L)), bytes_.size());
        lastWasEnd_ = true;
    }
    std::size_t position() const { return pos_; }

private:
    std::string bytes_;
    std::size_t pos_ = 0;
    bool lastWasEnd_ = true;
};

} // namespace ksy
