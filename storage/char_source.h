#pragma once
#include <cstddef>
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
    std::size_t position() const { return pos_; }

private:
    std::string bytes_;
    std::size_t pos_ = 0;
    bool lastWasEnd_ = true;
};

} // namespace ksy
