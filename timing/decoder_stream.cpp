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

// Where a header FF FF FF F0 begins in the last two bytes of an 11-byte
// window (9 or 10), which makes the window a cut frame; 0 when none does; -1
// while the bytes that would tell have not come yet.
int headerInTail(const std::uint8_t* w, std::size_t left)
{
    constexpr std::uint8_t kHeader[4] = {0xFF, 0xFF, 0xFF, 0xF0};
    for (std::size_t at : {std::size_t {9}, std::size_t {10}}) {
        std::size_t k = 0;
        while (k < 4 && at + k < left && w[at + k] == kHeader[k])
            ++k;
        if (k == 4)
            return static_cast<int>(at);
        if (at + k == left)
            return -1;
    }
    return 0;
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
        if (size_ > 0)
            cutFrames(cut, frequency, arrivals_[size_ - 1], out);
    }
}

void DecoderStream::settle(
    std::int64_t now, StreamCut cut, std::int64_t frequency, std::vector<ReceivedFrame>& out)
{
    if (size_ > 0)
        cutFrames(cut, frequency, now, out);
}

void DecoderStream::cutFrames(
    StreamCut cut, std::int64_t frequency, std::int64_t latest, std::vector<ReceivedFrame>& out)
{
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
            const std::uint8_t* w = b + i;
            if (!rc2TimeFieldsValid(w)) {
                // A frame cut short by the line leaves its header in front of
                // the next frame, whose own FF FF FF then lands in these
                // fields: look for it right after the false header.
                if (std::find(w + 4, w + kRc2FrameSize, std::uint8_t {0xFF}) != w + kRc2FrameSize) {
                    i += 4;
                    continue;
                }
                ReceivedFrame f;
                f.passing = rc2Passing(w, arrivals_[i + kRc2FrameSize - 1]);
                out.push_back(f);
                i += kRc2FrameSize;
                continue;
            }
            // A cut frame nine or ten bytes long can still read as a time:
            // the next header begins in its last bytes.
            const int tail = headerInTail(w, left);
            if (tail > 0) {
                i += static_cast<std::size_t>(tail);
                continue;
            }
            if (tail < 0 &&
                counterToMs(latest - arrivals_[i + kRc2FrameSize - 1], frequency) <= kTailWaitMs)
                break; // the bytes that tell are still on the wire
            ReceivedFrame f;
            f.passing = rc2Passing(w, arrivals_[i + kRc2FrameSize - 1]);
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
                if (w[4] == 0x02) {
                    out.push_back({ReceivedFrame::Kind::IdentifyReply, {}});
                    out.back().passing.arrivalCounter = arrivals_[i + kReplySize - 1];
                }
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

} // namespace ksy
