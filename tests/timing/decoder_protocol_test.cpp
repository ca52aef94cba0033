#include "timing/decoder_protocol.h"

#include <gtest/gtest.h>

#include <vector>

namespace ksy {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes frame(int number, int h, int m, int s, int timer)
{
    return {0xFF, 0xFF, 0xFF, 0xF0, static_cast<std::uint8_t>(number >> 8),
            static_cast<std::uint8_t>(number & 0xFF), static_cast<std::uint8_t>(h),
            static_cast<std::uint8_t>(m), static_cast<std::uint8_t>(s),
            static_cast<std::uint8_t>(timer >> 8), static_cast<std::uint8_t>(timer & 0xFF)};
}

Bytes operator+(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(DecoderProtocol, HostCommandsAreTheFixedFiveBytes)
{
    EXPECT_EQ(kIdentifyRequest, (DecoderCommand{0xFF, 0xFF, 0xFF, 0x01, 0x02}));
    EXPECT_EQ(kStartClock, (DecoderCommand{0xFF, 0xFF, 0xFF, 0x02, 0x00}));
    EXPECT_EQ(kKeepAlive, (DecoderCommand{0xFF, 0xFF, 0xFF, 0xE0, 0x04}));
}

TEST(DecoderProtocol, ModelIsDecidedByTheWholeIdentity)
{
    EXPECT_EQ(decoderModelOf("Kestrametrix"), DecoderModel::Rc1);
    EXPECT_EQ(decoderModelOf("KestrametrixRC2"), DecoderModel::Rc2);
    EXPECT_EQ(decoderModelOf("KestrametrixRC"), DecoderModel::None);
    EXPECT_EQ(decoderModelOf("KestrametrixRC3"), DecoderModel::None);
    EXPECT_EQ(decoderModelOf(""), DecoderModel::None);
}

TEST(DecoderProtocol, TransponderTextHasSixDigits)
{
    EXPECT_EQ(transponderText(513), "000513");
    EXPECT_EQ(transponderText(0), "000000");
    EXPECT_EQ(transponderText(65535), "065535");
    EXPECT_EQ(transponderText(kNoTransponder), "100000");
    EXPECT_EQ(Passing{}.transponderText, "100000");
}

TEST(DecoderProtocol, Rc1PairsBytes)
{
    const Bytes five = {0x02, 0x01, 0xFF, 0xFF, 0x07};
    EXPECT_EQ(cutRc1Frames(five.data(), five.size()), (std::vector<int>{513, 65535}));
    const Bytes one = {0x02};
    EXPECT_TRUE(cutRc1Frames(one.data(), one.size()).empty());
    EXPECT_TRUE(cutRc1Frames(nullptr, 0).empty());
}

TEST(DecoderProtocol, Rc2SubSecondTimerGivesMilliseconds)
{
    EXPECT_EQ(rc2SubSecondMs(18661), 0);
    EXPECT_EQ(rc2SubSecondMs(65535), 999);
    EXPECT_EQ(rc2SubSecondMs(42099), 500);
    // Below the timer's start the result truncates toward zero, not down.
    EXPECT_EQ(rc2SubSecondMs(18661 - 46), 0);
    EXPECT_EQ(rc2SubSecondMs(18661 - 47), -1);
}

TEST(DecoderProtocol, Rc2FramesAreCutAndResynchronisedOnTheHeader)
{
    // 0 h 1 min 2 s with T = 42099: 62500 ms.
    const Bytes one = Bytes{0x00} + frame(513, 0, 1, 2, 42099);
    auto frames = cutRc2Frames(one.data(), one.size());
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].transponder, 513);
    EXPECT_EQ(frames[0].decoderMs, 62500);

    // Hours count, garbage between frames is skipped, a broken header is not
    // a frame, a truncated tail is dropped.
    const Bytes many = frame(1, 2, 0, 0, 18661) + Bytes{0xFF, 0xFF, 0x12}
        + frame(65535, 0, 0, 59, 65535) + Bytes{0xFF, 0xFF, 0xFF, 0xF1, 0, 0, 0, 0, 0, 0, 0}
        + Bytes{0xFF, 0xFF, 0xFF, 0xF0, 0, 7, 0, 0, 1, 0x48}; // one byte short
    frames = cutRc2Frames(many.data(), many.size());
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].transponder, 1);
    EXPECT_EQ(frames[0].decoderMs, 7200000);
    EXPECT_EQ(frames[1].transponder, 65535);
    EXPECT_EQ(frames[1].decoderMs, 59999);

    // Ten bytes or fewer give nothing.
    const Bytes whole = frame(9, 0, 0, 0, 20000);
    const Bytes ten(whole.begin(), whole.begin() + 10);
    EXPECT_TRUE(cutRc2Frames(ten.data(), ten.size()).empty());
}

} // namespace
} // namespace ksy
