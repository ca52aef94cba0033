#pragma once
// The bytes exchanged with the decoder: the three host commands and the
// cutting of a run of bytes into frames. Pure functions: no port, no clock.
// The stream that carries an incomplete frame over to the next read is in
// timing/decoder_stream.h.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ksy {

using DecoderCommand = std::array<std::uint8_t, 5>;

inline constexpr DecoderCommand kIdentifyRequest = {0xFF, 0xFF, 0xFF, 0x01, 0x02};
inline constexpr DecoderCommand kStartClock = {0xFF, 0xFF, 0xFF, 0x02, 0x00};
inline constexpr DecoderCommand kKeepAlive = {0xFF, 0xFF, 0xFF, 0xE0, 0x04};

// One read asks for at most this many bytes (the 256-byte receive buffer keeps
// a zero behind the data).
inline constexpr std::size_t kMaxReadBytes = 255;

// The identities stored in the interface settings file.
inline constexpr std::string_view kIdentityRc1 = "Kestrametrix";
inline constexpr std::string_view kIdentityRc2 = "KestrametrixRC2";

// Any identity other than the two above is neither model: bytes are then read
// and thrown away.
enum class DecoderModel { None, Rc1, Rc2 };
DecoderModel decoderModelOf(std::string_view identity);

// Transponder numbers are 0 to 65535; this one marks a passing without a valid
// transponder and never matches a participant.
inline constexpr int kNoTransponder = 100000;
// "%06d": "000513" for 513, "100000" for the marker.
std::string transponderText(int number);

// A passing handed to the heat run or the scan.
struct Passing {
    int transponder = kNoTransponder;
    std::string transponderText = "100000";
    // The decoder clock of an RC2 frame; 0 otherwise.
    std::int64_t timeMs = 0;
    // Host counter reading when the frame's last byte arrived: the time of an
    // RC1 passing, and how late an RC2 one came.
    std::int64_t arrivalCounter = 0;
    // RC2 only: the decoder's own time, absent when its fields cannot be true.
    std::optional<std::int64_t> decoderMs;
    // An RC2 frame whose time fields are out of range: journalled, not recorded.
    bool refused = false;
};

Passing makePassing(int transponder, std::int64_t timeMs);

// RC1: 2-byte frames, high byte first, no header. An odd last byte is lost.
std::vector<int> cutRc1Frames(const std::uint8_t* bytes, std::size_t count);

// RC2: 11-byte frames FF FF FF F0 nH nL h m s tH tL, stamped by the decoder
// clock; anything else is skipped one byte at a time.
struct Rc2Frame {
    int transponder = 0;
    std::int64_t decoderMs = 0;
};
std::vector<Rc2Frame> cutRc2Frames(const std::uint8_t* bytes, std::size_t count);

// Sub-second timer of a passing frame (18661..65535 over one second) to
// milliseconds, truncating toward zero.
int rc2SubSecondMs(int timerValue);

// What the host waits for after IdentifyRequest or StartClock.
enum class DecoderReply { Identify, StartAck };

} // namespace ksy
