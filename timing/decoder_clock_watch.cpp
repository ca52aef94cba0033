#include "timing/decoder_clock_watch.h"

#include <algorithm>

namespace ksy {

void DecoderClockWatch::frameArrived(std::int64_t arrivalMs)
{
    const std::int64_t at = arrivalMs * 1000;
    // A line busy since busySince has sent its frames back to back; a frame
    // later than that allows came after a quiet spell and begins a stretch.
    if (!any_ || at > busySinceUs_ + (busyFrames_ + 1) * kFrameLineUs + kSlackMs * 1000) {
        any_ = true;
        busySinceUs_ = at - kFrameLineUs;
        busyFrames_ = 1;
        return;
    }
    ++busyFrames_;
}

bool DecoderClockWatch::restarted(std::int64_t decoderMs, std::int64_t startMs,
                                  std::int64_t arrivalMs)
{
    const std::int64_t crossed = startMs + decoderMs; // on the host's clock
    const std::int64_t drift = decoderMs / kDriftDivisor;
    if (decoderMs + kBackMs < lastDecoderMs_ || crossed > arrivalMs + kAheadMs + drift ||
        crossed < busySinceMs() - kSlackMs - drift)
        return true;
    lastDecoderMs_ = std::max(lastDecoderMs_, decoderMs);
    return false;
}

} // namespace ksy
