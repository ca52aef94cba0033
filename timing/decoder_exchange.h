#pragma once
// The two request/reply exchanges with the decoder. Both busy-wait on the
// clock's high-resolution counter, reading the port over and over, as the
// decoder answers within a few milliseconds and nothing else may run between
// the request and the reply.
#include "services/clock.h"
#include "services/serial_link.h"
#include "timing/decoder_protocol.h"

#include <vector>

namespace ksy {

struct IdentifyOutcome {
    bool rc2 = false; // an IdentifyReply came within the window
    // RC2 passings read during the window (only kept when asked: the
    // reconnection hands them to the running heat or the scan).
    std::vector<Rc2Frame> passings;
};

// Sends IdentifyRequest and reads for up to 100 ms (stops once more than 99 ms
// have passed, or at the reply). Without a reply the decoder is an RC1.
IdentifyOutcome identifyDecoder(SerialLink& link, const Clock& clock, bool keepPassings = false);

// Sends StartClock and reads for up to 10 ms (stops once more than 9 ms have
// passed). True when the StartAck came: the decoder clock is at zero now.
bool exchangeStartClock(SerialLink& link, const Clock& clock);

} // namespace ksy
