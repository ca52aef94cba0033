#include "timing/decoder_stream.h"

#include <algorithm>

namespace ksy {
namespace {

constexpr std::size_t kRc2FrameSize = 11;
constexpr std::size_t kReplySize = 7;

bool isHeader(const std::uint8_t* at)
{
    return at[0] == 0xFF && at[1] == 0xFF && at[2] == 0xFF;
}

Passing rc2Passing(const std::uint8_t* f, std::int64_t arrival)
{
    Passing p = makePassing(f[4] * 256 + f[5], 0);
    p.arrivalCounter = arrival;
    if (rc2TimeFieldsValid(f)) {
        p.decoderMs = std::int64_t {f[6]} * 3600000 + std::int64_t {f[7]} * 60000 +
            std::int64_t {f[8]} * 1000 + rc2SubSecondMs(f[9] * 256 + f[10]);
        p.timeMs = *p.decoderMs;
    } else {
        p.refused = true;
    }
    return p;
}

} // namespace

bool rc2TimeFieldsValid(const std::uint8_t* f)
{
    return f[6] <= 23 && f[7] <= 59 && f[8] <= 59 && f[9] * 256 + f[10] >= 18661;
}

std::int64_t counterToMs(std::int64_t counter, std::int64_t frequency)
{
    if (frequency <= 0)
        return 0;
    // Split so that a nanosecond counter of a long uptime does not overflow.
    const std::int64_t whole = counter / frequency;
    const std::int64_t part = counter % frequency;
    return whole * 1000 + part * 1000 / frequency;
}

void DecoderStream::feed(const std::uint8_t* bytes, const std::int64_t* arrivals, std::size_t count,
    StreamCut cut, std::int64_t frequency, std::vector<ReceivedFrame>& out)
{
    std::size_t from = 0;
    while (from < count) {
        // The tail is at most a frame long, so there is always room for a read.
        const std::size_t take = std::min(count - from, kCapacity - size_);
        if (cut == StreamCut::Rc1 && size_ == 1 && take > 0 &&
            counterToMs(arrivals[from] - arrivals_[0], frequency) > kLoneByteMs)
            size_ = 0;
        std::copy(bytes + from, bytes + from + take, bytes_.begin() + static_cast<long>(size_));
        std::copy(
            arrivals + from, arrivals + from + take, arrivals_.begin() + static_cast<long>(size_));
        size_ += take;
        from += take;

        std::size_t i = 0;
        const std::uint8_t* b = bytes_.data();
        while (i < size_) {
            const std::size_t left = size_ - i;
            if (cut == StreamCut::Rc1) {
                if (left < 2)
                    break;
                ReceivedFrame f;
                f.passing = makePassing(b[i] * 256 + b[i + 1], 0);
                f.passing.arrivalCounter = arrivals_[i + 1];
                out.push_back(f);
                i += 2;
                continue;
            }
            // RC2: a frame starts with FF FF FF; anything else is skipped one
            // byte at a time, which is how the stream finds its frames again.
            if (b[i] != 0xFF) {
                ++i;
                continue;
            }
            if (left < 4)
                break; // maybe the start of a header: wait for the rest
            if (!isHeader(b + i)) {
                ++i;
                continue;
            }
            const std::uint8_t type = b[i + 3];
            if (type == 0xF0) {
                if (left < kRc2FrameSize)
                    break;
                ReceivedFrame f;
                f.passing = rc2Passing(b + i, arrivals_[i + kRc2FrameSize - 1]);
                out.push_back(f);
                i += kRc2FrameSize;
                continue;
            }
            if (cut == StreamCut::Rc2WithReplies && (type == 0x01 || type == 0x02)) {
                if (left < kReplySize)
                    break;
                const std::uint8_t* w = b + i;
                if (type == 0x01) {
                    // Bytes 5 and 6 of an identification reply are not examined.
                    if (w[4] == 0x02)
                        out.push_back({ReceivedFrame::Kind::IdentifyReply, {}});
                    i += kReplySize;
                    continue;
                }
                if (w[4] == 0x00 && w[5] == 0x00 && w[6] == 0x00) {
                    out.push_back({ReceivedFrame::Kind::StartAck, {}});
                    out.back().passing.arrivalCounter = arrivals_[i + kReplySize - 1];
                    i += kReplySize;
                    continue;
                }
            }
            ++i;
        }
        std::copy(bytes_.begin() + static_cast<long>(i), bytes_.begin() + static_cast<long>(size_),
            bytes_.begin());
        std::copy(arrivals_.begin() + static_cast<long>(i),
            arrivals_.begin() + static_cast<long>(size_), arrivals_.begin());
        size_ -= i;
    }
}

} // namespace ksy
