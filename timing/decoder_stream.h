#pragma once
// The decoder's byte stream cut into frames as the bytes come in. At 9600
// baud an RC2 passing frame takes about 11.5 ms on the wire while the port is
// read every 10 ms, so a frame is often split over two reads: the stream
// keeps the incomplete tail (at most one frame's length) and completes it
// with the next read. For an RC1 the odd byte is kept the same way, so that
// one split frame never mis-pairs the rest of the stream.
//
// Each byte comes with the host counter reading at which it arrived; a frame
// is stamped with the arrival of its last byte.
#include "timing/decoder_protocol.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace ksy {

struct ReceivedFrame {
    enum class Kind { Passing, IdentifyReply, StartAck };
    Kind kind = Kind::Passing;
    Passing passing; // Kind::Passing only
};

// What the reader is waiting for: an RC1 pair, an RC2 passing, or (during the
// identification, the StartClock exchange and a reconnection) the RC2
// replies as well as its passings.
enum class StreamCut { Rc1, Rc2, Rc2WithReplies };

class DecoderStream {
public:
    // An RC1 byte left alone this long on a quiet line is noise, not half a
    // frame: the second byte of a frame follows within about a millisecond.
    static constexpr std::int64_t kLoneByteMs = 100;

    // A frame whose last bytes may begin the next header waits this long for
    // the bytes that tell whether it was cut short (they follow within a few
    // milliseconds on a live line).
    static constexpr std::int64_t kTailWaitMs = 50;

    // arrivals: the counter reading of each byte, counts per second given by
    // frequency. Complete frames are appended to `out` in stream order.
    void feed(const std::uint8_t* bytes, const std::int64_t* arrivals, std::size_t count,
        StreamCut cut, std::int64_t frequency, std::vector<ReceivedFrame>& out);
    // A read that brought nothing: a frame held for its tail is handed on
    // once the line has stayed quiet (now: the counter reading).
    void settle(std::int64_t now, StreamCut cut, std::int64_t frequency,
        std::vector<ReceivedFrame>& out);
    // Forgets the incomplete tail (a new port, another model).
    void clear() { size_ = 0; }
    std::size_t pending() const { return size_; }

private:
    // Cuts the buffered bytes; latest: the newest moment known to the stream.
    void cutFrames(StreamCut cut, std::int64_t frequency, std::int64_t latest,
        std::vector<ReceivedFrame>& out);

    // A held frame and the bytes behind it, and one read.
    static constexpr std::size_t kCapacity = 14 + 255;
    std::array<std::uint8_t, kCapacity> bytes_ {};
    std::array<std::int64_t, kCapacity> arrivals_ {};
    std::size_t size_ = 0;
};

// RC2 passing frame fields that no running decoder clock can give: hours above
// 23, minutes or seconds above 59, a sub-second timer below its first value.
bool rc2TimeFieldsValid(const std::uint8_t* frame);

// Counter reading to whole milliseconds of the same clock.
std::int64_t counterToMs(std::int64_t counter, std::int64_t frequency);

} // namespace ksy
