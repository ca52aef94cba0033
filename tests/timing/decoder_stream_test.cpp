// The decoder's bytes cut into frames as they come, whatever the reads cut:
// an RC1 odd byte completed by the next read, an RC2 frame split anywhere,
// garbage skipped up to the next header, impossible decoder times refused.
#include "timing/decoder_stream.h"

#include <gtest/gtest.h>

#include <vector>

namespace ksy {
namespace {

constexpr std::int64_t kFrequency = 1000000; // counter at 1 MHz: 1000 counts a ms

// Feeds bytes that arrived one every 1041 counts (9600 baud) from `from`.
struct Feeder {
    DecoderStream stream;
    std::vector<ReceivedFrame> frames;
    std::int64_t next = 0;

    void feed(const std::vector<std::uint8_t>& bytes, StreamCut cut)
    {
        std::vector<std::int64_t> arrivals;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            arrivals.push_back(next);
            next += 1041;
        }
        stream.feed(bytes.data(), arrivals.data(), bytes.size(), cut, kFrequency, frames);
    }
};

std::vector<std::uint8_t> rc2Frame(int transponder, int h, int m, int s, int timer)
{
    return {0xFF, 0xFF, 0xFF, 0xF0, static_cast<std::uint8_t>(transponder >> 8),
        static_cast<std::uint8_t>(transponder & 0xFF), static_cast<std::uint8_t>(h),
        static_cast<std::uint8_t>(m), static_cast<std::uint8_t>(s),
        static_cast<std::uint8_t>(timer >> 8), static_cast<std::uint8_t>(timer & 0xFF)};
}

TEST(DecoderStream, Rc1OddByteIsCompletedByTheNextReadAndNeverMisPairsTheRest)
{
    Feeder f;
    // Five bytes, then the sixth: three passings 513, 1027, 1541 (not 513,
    // 1027 and then a pairing shifted by one for the rest of the heat).
    f.feed({0x02, 0x01, 0x04, 0x03, 0x06}, StreamCut::Rc1);
    ASSERT_EQ(f.frames.size(), 2u);
    EXPECT_EQ(f.stream.pending(), 1u);
    f.feed({0x05, 0x08, 0x07}, StreamCut::Rc1);
    ASSERT_EQ(f.frames.size(), 4u);
    const int expected[] = {0x0201, 0x0403, 0x0605, 0x0807};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(f.frames[i].passing.transponder, expected[i]) << i;
        // Stamped with the arrival of its second byte.
        EXPECT_EQ(f.frames[i].passing.arrivalCounter, static_cast<std::int64_t>(i * 2 + 1) * 1041);
    }
    EXPECT_EQ(f.frames[2].passing.transponderText, "001541");

    // A lone byte followed by a long silence is noise: the next frame is
    // read whole, not paired with it.
    f.feed({0x09}, StreamCut::Rc1);
    f.next += (DecoderStream::kLoneByteMs + 1) * 1000;
    f.feed({0x02, 0x01}, StreamCut::Rc1);
    ASSERT_EQ(f.frames.size(), 5u);
    EXPECT_EQ(f.frames[4].passing.transponder, 513);
}

TEST(DecoderStream, Rc2FrameSplitAnywhereAndGarbageBetweenFramesLoseNoPassing)
{
    const std::vector<std::uint8_t> frame = rc2Frame(513, 0, 1, 2, 42099); // 62500 ms
    for (std::size_t cut = 0; cut < frame.size(); ++cut) {
        SCOPED_TRACE(cut);
        Feeder f;
        f.feed(std::vector<std::uint8_t>(frame.begin(), frame.begin() + static_cast<long>(cut)),
            StreamCut::Rc2);
        EXPECT_TRUE(f.frames.empty());
        EXPECT_LE(f.stream.pending(), 10u);
        f.feed(std::vector<std::uint8_t>(frame.begin() + static_cast<long>(cut), frame.end()),
            StreamCut::Rc2);
        ASSERT_EQ(f.frames.size(), 1u);
        const Passing& p = f.frames[0].passing;
        EXPECT_EQ(p.transponderText, "000513");
        ASSERT_TRUE(p.decoderMs);
        EXPECT_EQ(*p.decoderMs, 62500);
        EXPECT_EQ(p.arrivalCounter, 10 * 1041);
        EXPECT_EQ(f.stream.pending(), 0u);
    }

    // Garbage, including lone FF bytes and a header of another type, between
    // frames fed one byte a read: every frame is found again.
    Feeder f;
    std::vector<std::uint8_t> line;
    const std::vector<std::uint8_t> garbage = {0x00, 0xFF, 0x13, 0xFF, 0xFF, 0x7E, 0xFF, 0xFF,
        0xFF, 0xE0, 0x55, 0xFF};
    for (int n = 0; n < 20; ++n) {
        line.insert(line.end(), garbage.begin(), garbage.begin() + n % 12);
        const auto fr = rc2Frame(101 + n, 0, 0, n, 18661);
        line.insert(line.end(), fr.begin(), fr.end());
    }
    for (std::uint8_t b : line)
        f.feed({b}, StreamCut::Rc2);
    ASSERT_EQ(f.frames.size(), 20u);
    for (int n = 0; n < 20; ++n) {
        EXPECT_EQ(f.frames[static_cast<std::size_t>(n)].passing.transponder, 101 + n);
        EXPECT_EQ(*f.frames[static_cast<std::size_t>(n)].passing.decoderMs, n * 1000);
    }

    // A long run of garbage never piles up more than a frame's length.
    f.feed(std::vector<std::uint8_t>(1000, 0xFF), StreamCut::Rc2);
    EXPECT_LE(f.stream.pending(), 10u);
}

TEST(DecoderStream, Rc2FrameCutShortDoesNotEatTheFrameBehindIt)
{
    // Cut frames of every length before a real frame, whose time fields
    // either turn impossible or, for the longest cuts, still read as a time.
    // The real frame's low timer byte FF is a header's first byte too.
    const auto real = rc2Frame(101, 0, 1, 5, 0x48FF);
    const auto cutFrom = rc2Frame(7, 0, 0, 20, 0x9A9A);
    for (std::size_t cut = 4; cut <= 10; ++cut) {
        for (const bool byteByByte : {false, true}) {
            SCOPED_TRACE(std::to_string(cut) + (byteByByte ? " one byte a read" : " at once"));
            Feeder f;
            std::vector<std::uint8_t> line;
            for (int n = 0; n < 5; ++n) {
                line.insert(line.end(), cutFrom.begin(), cutFrom.begin() + static_cast<long>(cut));
                line.insert(line.end(), real.begin(), real.end());
            }
            if (byteByByte) {
                for (std::uint8_t b : line)
                    f.feed({b}, StreamCut::Rc2);
            } else {
                f.feed(line, StreamCut::Rc2);
            }
            f.stream.settle(f.next + 1000000, StreamCut::Rc2, kFrequency, f.frames);
            ASSERT_EQ(f.frames.size(), 5u);
            for (const ReceivedFrame& fr : f.frames) {
                EXPECT_EQ(fr.passing.transponder, 101);
                EXPECT_FALSE(fr.passing.refused);
                EXPECT_EQ(fr.passing.decoderMs, 65000 + rc2SubSecondMs(0x48FF));
            }
        }
    }

    // A frame whose last byte could begin a header waits for the bytes that
    // tell, and is handed on once the line stays quiet.
    Feeder f;
    f.feed(real, StreamCut::Rc2);
    EXPECT_TRUE(f.frames.empty());
    f.stream.settle(f.next + (DecoderStream::kTailWaitMs - 5) * 1000, StreamCut::Rc2, kFrequency,
        f.frames);
    EXPECT_TRUE(f.frames.empty());
    f.stream.settle(f.next + (DecoderStream::kTailWaitMs + 5) * 1000, StreamCut::Rc2, kFrequency,
        f.frames);
    ASSERT_EQ(f.frames.size(), 1u);
    EXPECT_EQ(f.frames[0].passing.arrivalCounter, 10 * 1041);
    // Any other frame goes on at once.
    f.feed(rc2Frame(102, 0, 1, 6, 0x4800), StreamCut::Rc2);
    EXPECT_EQ(f.frames.size(), 2u);
}

TEST(DecoderStream, Rc2TimesThatNoDecoderClockGivesAreRefused)
{
    struct Case {
        int h, m, s, timer;
        bool valid;
    };
    const Case cases[] = {{23, 59, 59, 65535, true}, {0, 0, 0, 18661, true},
        {24, 0, 0, 18661, false}, {0, 60, 0, 18661, false}, {0, 0, 60, 18661, false},
        {0, 0, 0, 18660, false}, {0, 0, 0, 0, false}};
    for (const Case& c : cases) {
        Feeder f;
        f.feed(rc2Frame(700, c.h, c.m, c.s, c.timer), StreamCut::Rc2);
        f.stream.settle(f.next + 1000000, StreamCut::Rc2, kFrequency, f.frames);
        ASSERT_EQ(f.frames.size(), 1u);
        const Passing& p = f.frames[0].passing;
        EXPECT_EQ(p.refused, !c.valid) << c.h << ':' << c.m << ':' << c.s << ' ' << c.timer;
        EXPECT_EQ(p.decoderMs.has_value(), c.valid);
    }
}

TEST(DecoderStream, RepliesSplitAcrossReadsAreRecognised)
{
    Feeder f;
    f.feed({0x13, 0xFF, 0xFF}, StreamCut::Rc2WithReplies);
    f.feed({0xFF, 0x01, 0x02, 0x00}, StreamCut::Rc2WithReplies);
    f.feed({0x00, 0xFF, 0xFF, 0xFF, 0x02, 0x00}, StreamCut::Rc2WithReplies);
    EXPECT_EQ(f.frames.size(), 1u);
    f.feed({0x00, 0x00}, StreamCut::Rc2WithReplies);
    ASSERT_EQ(f.frames.size(), 2u);
    EXPECT_EQ(f.frames[0].kind, ReceivedFrame::Kind::IdentifyReply);
    EXPECT_EQ(f.frames[1].kind, ReceivedFrame::Kind::StartAck);
    // The StartAck carries the arrival of its last byte: the start moment.
    EXPECT_EQ(f.frames[1].passing.arrivalCounter, 14 * 1041);
}

} // namespace
} // namespace ksy
