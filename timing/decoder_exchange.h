#pragma once
// The two request/reply exchanges with the decoder. Both busy-wait on the
// clock's high-resolution counter, reading the port over and over, as the
// decoder answers within a few milliseconds. The bytes go through the link's
// stream, so a reply or a passing split over two reads is kept whole, and
// the passings met on the way are handed back instead of being lost.
#include "services/clock.h"
#include "services/serial_link.h"
#include "timing/decoder_stream.h"

#include <cstdint>
#include <vector>

namespace ksy {

struct ExchangeOutcome {
    bool replied = false;
    std::int64_t replyArrival = 0; // counter reading when the reply's last byte came
    std::vector<Passing> before; // passings ahead of the reply in the stream
    std::vector<Passing> after; // passings behind it, read in the same window
};

// Reads for up to windowMs (stops once more than windowMs have passed, or at
// the reply). Replies stamped before sentAt (the counter reading when the
// request was written) answered an earlier request and are passed over.
ExchangeOutcome awaitReply(SerialLink& link, const Clock& clock, DecoderStream& stream,
    DecoderReply expected, std::int64_t windowMs, std::int64_t sentAt);

// The identification: how long the decoder has to answer, the line time of
// the 5-byte request that a driver may still be sending when drained, and
// how many times it is asked before silence means an RC1 (a busy host can
// miss one window).
inline constexpr std::int64_t kIdentifyWindowMs = 99;
inline constexpr std::int64_t kRequestLineMs = 6;
inline constexpr int kIdentifyAsks = 2;

// Sends IdentifyRequest and reads for up to 100 ms from its last byte on the
// wire; asks once more without a reply. Without a reply the decoder is an RC1.
ExchangeOutcome identifyDecoder(SerialLink& link, const Clock& clock, DecoderStream& stream);
// The same on a fresh stream (the INTERFACE dialog's test of a port).
ExchangeOutcome identifyDecoder(SerialLink& link, const Clock& clock);

// Sends StartClock and reads for up to 10 ms. replied: the StartAck came, the
// decoder clock is at zero now.
ExchangeOutcome exchangeStartClock(SerialLink& link, const Clock& clock, DecoderStream& stream);

} // namespace ksy
