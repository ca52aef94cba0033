// A restarted decoder clock is told from a line that is merely busy: frames
// queued behind a flood arrive seconds late and are still the decoder's true
// times; a frame late on a quiet line is not.
#include "timing/decoder_clock_watch.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace ksy {
namespace {

constexpr std::int64_t kStart = 50000; // host time of the heat's start

// A decoder at 9600 baud: each frame leaves once the ones ahead have gone.
struct Line {
    DecoderClockWatch watch;
    std::int64_t freeAtUs = 0;
    std::int64_t latencyMs = 3;
    // A car crossing at heat time `crossed` whose frame carries decoderMs;
    // true when the watch says the decoder clock was restarted.
    bool cross(std::int64_t crossed, std::int64_t decoderMs)
    {
        const std::int64_t sentUs =
            std::max(freeAtUs, (kStart + crossed) * 1000) + DecoderClockWatch::kFrameLineUs;
        freeAtUs = sentUs;
        const std::int64_t arrival = sentUs / 1000 + latencyMs;
        watch.frameArrived(arrival);
        return watch.restarted(decoderMs, kStart, arrival);
    }
};

TEST(DecoderClockWatch, AFloodDelaysFramesWithoutLookingLikeARestart)
{
    Line line;
    // 200 crossings a second for 20 s: the line carries 87 a second, so the
    // last frames arrive more than 20 s after their crossing.
    std::int64_t t = 1000;
    for (; t < 21000; t += 5)
        ASSERT_FALSE(line.cross(t, t)) << t;
    EXPECT_GT(line.freeAtUs / 1000 - kStart - t, 20000);
    // The decoder restarts in the flood: its times go back at once.
    EXPECT_TRUE(line.cross(t, 0));
}

TEST(DecoderClockWatch, AFrameLateOnAQuietLineIsARestartedClock)
{
    for (const std::int64_t restart : {1500, 5000, 12000, 30000, 70000}) {
        SCOPED_TRACE(restart);
        Line line;
        // Frames of a quiet line, a little late (a busy host), are trusted.
        line.latencyMs = 400;
        for (std::int64_t t = 1000; t < restart; t += 2000)
            ASSERT_FALSE(line.cross(t, t));
        line.latencyMs = 3;
        // The first crossing after the restart carries a time that only a
        // clock started at `restart` gives.
        const std::int64_t next = restart + 1700;
        EXPECT_TRUE(line.cross(next, next - restart));
    }
    // Up to the slack, a late frame is the host's delay, not a restart.
    Line line;
    line.latencyMs = DecoderClockWatch::kSlackMs - 20;
    EXPECT_FALSE(line.cross(8000, 8000));
}

TEST(DecoderClockWatch, CrystalDriftOverALongHeatIsNoRestart)
{
    // A decoder 300 ppm slow, then one 300 ppm fast, over two hours: one
    // crossing a minute.
    for (const int ppm : {-300, 300}) {
        SCOPED_TRACE(ppm);
        Line line;
        for (std::int64_t t = 60000; t <= 7200000; t += 60000)
            ASSERT_FALSE(line.cross(t, t + t * ppm / 1000000)) << t;
    }
    // A time ahead of the frame's arrival by more than drift can explain.
    Line line;
    EXPECT_FALSE(line.cross(10000, 10000));
    EXPECT_TRUE(line.cross(20000, 20000 + DecoderClockWatch::kAheadMs + 100));
}

} // namespace
} // namespace ksy
