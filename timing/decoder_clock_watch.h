#pragma once
// Tells whether an RC2 decoder's clock still counts from the heat's start.
// A decoder that loses its power (or is restarted by hand) starts its clock
// again from zero, and its later passings carry times that are too early by
// the moment of the restart: laps shrink and records are invented.
//
// A passing's decoder time is compared with the host's arrival time of its
// frame. A frame can only arrive late because the line was busy carrying the
// frames ahead of it (9600 baud: 11.5 ms a frame), plus a bounded delay of
// the adapter and the host. So a decoder time that is earlier than the start
// of the line's busy stretch that carried the frame, by more than that
// delay, comes from a restarted clock; so does a time that goes back from an
// earlier passing of the heat, or one that runs ahead of the arrival.
//
// All times are host milliseconds of the same clock.
#include <cstdint>

namespace ksy {

class DecoderClockWatch {
public:
    // Line time of an 11-byte frame, in microseconds (10 bits a byte).
    static constexpr std::int64_t kFrameLineUs = 11 * 10 * 1000000 / 9600;
    // What the adapter, the host and a decoder that reports two close
    // crossings out of order can add to a frame's delay.
    static constexpr std::int64_t kSlackMs = 1000;
    // Decoder and host crystals drift apart by far less than this share.
    static constexpr std::int64_t kDriftDivisor = 2000;
    static constexpr std::int64_t kBackMs = 1000;
    static constexpr std::int64_t kAheadMs = 5000;

    void reset() { *this = DecoderClockWatch(); }
    // Every decoder frame of the heat, in the order read: arrivalMs is the
    // host time at which its last byte arrived.
    void frameArrived(std::int64_t arrivalMs);
    // For a frame of one of the heat's cars, just passed to frameArrived:
    // whether its decoder time (decoderMs since the start, startMs the host
    // time of the start) comes from a clock that was restarted.
    bool restarted(std::int64_t decoderMs, std::int64_t startMs, std::int64_t arrivalMs);

    std::int64_t busySinceMs() const { return busySinceUs_ / 1000; }

private:
    bool any_ = false;
    std::int64_t busySinceUs_ = 0; // when the busy stretch's first frame began
    std::int64_t busyFrames_ = 0;
    std::int64_t lastDecoderMs_ = 0;
};

} // namespace ksy
