#include "timing/decoder_protocol.h"

#include <cstdio>

namespace ksy {
namespace {

constexpr std::size_t kRc2FrameSize = 11;

bool hasHeader(const std::uint8_t* at, std::uint8_t type)
{
    return at[0] == 0xFF && at[1] == 0xFF && at[2] == 0xFF && at[3] == type;
}

Rc2Frame decodeRc2(const std::uint8_t* f)
{
    Rc2Frame frame;
    frame.transponder = f[4] * 256 + f[5];
    const std::int64_t hours = f[6];
    const std::int64_t minutes = f[7];
    const std::int64_t seconds = f[8];
    frame.decoderMs = hours * 3600000 + minutes * 60000 + seconds * 1000
        + rc2SubSecondMs(f[9] * 256 + f[10]);
    return frame;
}

} // namespace

DecoderModel decoderModelOf(std::string_view identity)
{
    if (identity == kIdentityRc2)
        return DecoderModel::Rc2;
    if (identity == kIdentityRc1)
        return DecoderModel::Rc1;
    return DecoderModel::None;
}

std::string transponderText(int number)
{
    char text[16];
    std::snprintf(text, sizeof text, "%06d", number);
    return text;
}

Passing makePassing(int transponder, std::int64_t timeMs)
{
    Passing p;
    p.transponder = transponder;
    p.transponderText = transponderText(transponder);
    p.timeMs = timeMs;
    return p;
}

std::vector<int> cutRc1Frames(const std::uint8_t* bytes, std::size_t count)
{
    std::vector<int> numbers;
    for (std::size_t i = 0; i + 2 <= count; i += 2)
        numbers.push_back(bytes[i] * 256 + bytes[i + 1]);
    return numbers;
}

std::vector<Rc2Frame> cutRc2Frames(const std::uint8_t* bytes, std::size_t count)
{
    std::vector<Rc2Frame> frames;
    std::size_t i = 0;
    while (count - i >= kRc2FrameSize) {
        if (hasHeader(bytes + i, 0xF0)) {
            frames.push_back(decodeRc2(bytes + i));
            i += kRc2FrameSize;
        } else {
            ++i;
        }
    }
    return frames;
}

int rc2SubSecondMs(int timerValue)
{
    // C++ integer division truncates toward zero, as the decoder expects.
    return (timerValue - 18661) * 256 / 12000;
}

} // namespace ksy
