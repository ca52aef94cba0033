#include "timing/decoder_exchange.h"

#include <cstdint>

namespace ksy {
namespace {

std::int64_t elapsedMs(const Clock& clock, std::int64_t since)
{
    return (clock.counter() - since) * 1000 / clock.counterFrequency();
}

// Reads until the expected reply or the end of the window.
bool awaitReply(SerialLink& link, const Clock& clock, DecoderReply expected,
                std::int64_t windowMs, std::vector<Rc2Frame>* passings)
{
    const std::int64_t since = clock.counter();
    std::uint8_t buffer[kMaxReadBytes + 1] = {};
    while (elapsedMs(clock, since) <= windowMs) {
        const int got = link.read(buffer, kMaxReadBytes);
        if (got <= 0)
            continue;
        ReplyScan scan = scanForReply(buffer, static_cast<std::size_t>(got), expected,
                                      passings != nullptr);
        if (passings)
            passings->insert(passings->end(), scan.passings.begin(), scan.passings.end());
        if (scan.replied)
            return true;
    }
    return false;
}

} // namespace

IdentifyOutcome identifyDecoder(SerialLink& link, const Clock& clock, bool keepPassings)
{
    IdentifyOutcome outcome;
    link.write(kIdentifyRequest.data(), kIdentifyRequest.size());
    outcome.rc2 = awaitReply(link, clock, DecoderReply::Identify, 99,
                             keepPassings ? &outcome.passings : nullptr);
    return outcome;
}

bool exchangeStartClock(SerialLink& link, const Clock& clock)
{
    link.write(kStartClock.data(), kStartClock.size());
    return awaitReply(link, clock, DecoderReply::StartAck, 9, nullptr);
}

} // namespace ksy
