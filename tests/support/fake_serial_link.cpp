#include "support/fake_serial_link.h"

#include "timing/decoder_protocol.h"

#include <algorithm>
#include <cstring>

namespace ksy::test {

bool FakeSerialLink::open(const std::string& portName)
{
    opened.push_back(portName);
    open_ = false;
    hangUp = false;
    if (refuseOpen || portName.empty())
        return false;
    if (!openable.empty() && !openable.count(portName))
        return false;
    open_ = true;
    return true;
}

int FakeSerialLink::write(const std::uint8_t* data, std::size_t size)
{
    if (!open_ || failWrites)
        return 0;
    Bytes bytes(data, data + size);
    written.push_back(bytes);
    if (onWrite)
        onWrite(bytes);
    return static_cast<int>(size);
}

int FakeSerialLink::read(std::uint8_t* buffer, std::size_t maxBytes)
{
    ++reads;
    if (maxBytes == 255)
        ++readsAsked255;
    if (clock)
        clock->advance(msPerRead);
    if (!open_ || chunks.empty())
        return 0;
    Bytes& chunk = chunks.front();
    const std::size_t n = std::min(maxBytes, chunk.size());
    std::memcpy(buffer, chunk.data(), n);
    chunk.erase(chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(n));
    if (chunk.empty())
        chunks.pop_front();
    return static_cast<int>(n);
}

FakeSerialLink::Bytes rc2PassingFrame(int transponder, int hours, int minutes, int seconds,
                                      int subSecondTimer)
{
    return {0xFF,
            0xFF,
            0xFF,
            0xF0,
            static_cast<std::uint8_t>(transponder >> 8),
            static_cast<std::uint8_t>(transponder & 0xFF),
            static_cast<std::uint8_t>(hours),
            static_cast<std::uint8_t>(minutes),
            static_cast<std::uint8_t>(seconds),
            static_cast<std::uint8_t>(subSecondTimer >> 8),
            static_cast<std::uint8_t>(subSecondTimer & 0xFF)};
}

void behaveAsRc2(FakeSerialLink& link)
{
    link.onWrite = [&link](const FakeSerialLink::Bytes& bytes) {
        const FakeSerialLink::Bytes identify(kIdentifyRequest.begin(), kIdentifyRequest.end());
        const FakeSerialLink::Bytes start(kStartClock.begin(), kStartClock.end());
        if (bytes == identify)
            link.chunks.push_back(kIdentifyReplyBytes);
        else if (bytes == start)
            link.chunks.push_back(kStartAckBytes);
    };
}

} // namespace ksy::test
