#include "timing/decoder_exchange.h"

namespace ksy {
namespace {

std::int64_t elapsedMs(const Clock& clock, std::int64_t since)
{
    return (clock.counter() - since) * 1000 / clock.counterFrequency();
}

} // namespace

ExchangeOutcome awaitReply(SerialLink& link, const Clock& clock, DecoderStream& stream,
    DecoderReply expected, std::int64_t windowMs)
{
    ExchangeOutcome outcome;
    const std::int64_t since = clock.counter();
    std::uint8_t buffer[kMaxReadBytes + 1] = {};
    std::int64_t arrivals[kMaxReadBytes + 1] = {};
    std::vector<ReceivedFrame> frames;
    const auto wanted = expected == DecoderReply::Identify ? ReceivedFrame::Kind::IdentifyReply
                                                           : ReceivedFrame::Kind::StartAck;
    while (!outcome.replied && elapsedMs(clock, since) <= windowMs) {
        const int got = link.readStamped(buffer, arrivals, kMaxReadBytes, clock);
        if (got <= 0)
            continue;
        frames.clear();
        stream.feed(buffer, arrivals, static_cast<std::size_t>(got), StreamCut::Rc2WithReplies,
            clock.counterFrequency(), frames);
        for (const ReceivedFrame& f : frames) {
            if (f.kind == ReceivedFrame::Kind::Passing) {
                (outcome.replied ? outcome.after : outcome.before).push_back(f.passing);
            } else if (f.kind == wanted && !outcome.replied) {
                outcome.replied = true;
                outcome.replyArrival = f.passing.arrivalCounter;
            }
        }
    }
    return outcome;
}

ExchangeOutcome identifyDecoder(SerialLink& link, const Clock& clock, DecoderStream& stream)
{
    link.write(kIdentifyRequest.data(), kIdentifyRequest.size());
    return awaitReply(link, clock, stream, DecoderReply::Identify, 99);
}

ExchangeOutcome identifyDecoder(SerialLink& link, const Clock& clock)
{
    DecoderStream stream;
    return identifyDecoder(link, clock, stream);
}

ExchangeOutcome exchangeStartClock(SerialLink& link, const Clock& clock, DecoderStream& stream)
{
    link.write(kStartClock.data(), kStartClock.size());
    return awaitReply(link, clock, stream, DecoderReply::StartAck, 9);
}

} // namespace ksy
