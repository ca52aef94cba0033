#include "timing/decoder_exchange.h"

#include <utility>

namespace ksy {
namespace {

std::int64_t elapsedMs(const Clock& clock, std::int64_t since)
{
    return (clock.counter() - since) * 1000 / clock.counterFrequency();
}

} // namespace

ExchangeOutcome awaitReply(SerialLink& link, const Clock& clock, DecoderStream& stream,
    DecoderReply expected, std::int64_t windowMs, std::int64_t sentAt)
{
    ExchangeOutcome outcome;
    const std::int64_t since = clock.counter();
    std::uint8_t buffer[kMaxReadBytes + 1] = {};
    std::int64_t arrivals[kMaxReadBytes + 1] = {};
    std::vector<ReceivedFrame> frames;
    const auto wanted = expected == DecoderReply::Identify ? ReceivedFrame::Kind::IdentifyReply
                                                           : ReceivedFrame::Kind::StartAck;
    // The window closes with a read made after its end: a host that was busy
    // elsewhere for a while still finds the reply that came meanwhile.
    for (bool last = false; !outcome.replied && !last;) {
        last = elapsedMs(clock, since) > windowMs;
        const int got = link.readStamped(buffer, arrivals, kMaxReadBytes, clock);
        if (got <= 0)
            continue;
        frames.clear();
        stream.feed(buffer, arrivals, static_cast<std::size_t>(got), StreamCut::Rc2WithReplies,
            clock.counterFrequency(), frames);
        for (const ReceivedFrame& f : frames) {
            if (f.kind == ReceivedFrame::Kind::Passing) {
                (outcome.replied ? outcome.after : outcome.before).push_back(f.passing);
            } else if (f.kind == wanted && !outcome.replied &&
                f.passing.arrivalCounter >= sentAt) {
                // A reply that came before this request answered an earlier
                // one: a StartAck left behind by a late reply would date the
                // start before the decoder's clock was last reset.
                outcome.replied = true;
                outcome.replyArrival = f.passing.arrivalCounter;
            }
        }
    }
    return outcome;
}

ExchangeOutcome identifyDecoder(SerialLink& link, const Clock& clock, DecoderStream& stream)
{
    ExchangeOutcome outcome;
    for (int ask = 0; ask < kIdentifyAsks && !outcome.replied; ++ask) {
        link.write(kIdentifyRequest.data(), kIdentifyRequest.size());
        // The decoder can only answer once the request is out: the window
        // runs from its last byte on the wire, not from the write's return.
        link.drain();
        ExchangeOutcome round = awaitReply(link, clock, stream, DecoderReply::Identify,
                                           kIdentifyWindowMs + kRequestLineMs,
                                           // A late answer to the first request
                                           // tells the model as well.
                                           0);
        outcome.before.insert(outcome.before.end(), round.before.begin(), round.before.end());
        outcome.after = std::move(round.after);
        outcome.replied = round.replied;
        outcome.replyArrival = round.replyArrival;
    }
    return outcome;
}

ExchangeOutcome identifyDecoder(SerialLink& link, const Clock& clock)
{
    DecoderStream stream;
    return identifyDecoder(link, clock, stream);
}

ExchangeOutcome exchangeStartClock(SerialLink& link, const Clock& clock, DecoderStream& stream)
{
    const std::int64_t sentAt = clock.counter();
    link.write(kStartClock.data(), kStartClock.size());
    return awaitReply(link, clock, stream, DecoderReply::StartAck, 9, sentAt);
}

} // namespace ksy
