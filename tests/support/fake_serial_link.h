#pragma once
// A serial port for tests: scripted reads, recorded writes, switchable
// failures. Reads can move a fake clock forward, so that the busy-waits of the
// decoder exchanges end on their own.
#include "services/serial_link.h"
#include "support/fakes.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace ksy::test {

class FakeSerialLink : public SerialLink {
public:
    using Bytes = std::vector<std::uint8_t>;

    bool open(const std::string& portName) override;
    int write(const std::uint8_t* data, std::size_t size) override;
    int read(std::uint8_t* buffer, std::size_t maxBytes) override;
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    // A reopen is an open that keeps the queued chunks (as open() does here);
    // it is counted apart.
    bool reopen(const std::string& portName) override
    {
        ++reopens;
        return open(portName);
    }
    bool hungUp() const override { return open_ && hangUp; }
    void drain() override { ++drains; }

    // Names that open; empty means every name but "" opens.
    std::set<std::string> openable;
    bool refuseOpen = false;
    // Each read returns the next chunk, at most the size asked for; what is
    // left of the chunk stays queued for the next read.
    std::deque<Bytes> chunks;
    // Writes fail (report 0) while set.
    bool failWrites = false;
    // The device hung up (until the next open clears it).
    bool hangUp = false;
    int reopens = 0;
    int drains = 0;
    // Called with every successful write: an RC2 double queues its replies.
    std::function<void(const Bytes&)> onWrite;
    // Each read moves this clock forward (the busy-waits need time to pass).
    FakeClock* clock = nullptr;
    std::int64_t msPerRead = 1;

    std::vector<Bytes> written;        // successful writes
    std::vector<std::string> opened;   // every open attempt, in order
    int reads = 0;
    int readsAsked255 = 0;

private:
    bool open_ = false;
};

// Byte helpers for the decoder frames.
FakeSerialLink::Bytes rc2PassingFrame(int transponder, int hours, int minutes, int seconds,
                                      int subSecondTimer);
inline const FakeSerialLink::Bytes kIdentifyReplyBytes = {0xFF, 0xFF, 0xFF, 0x01, 0x02, 0x00, 0x00};
inline const FakeSerialLink::Bytes kStartAckBytes = {0xFF, 0xFF, 0xFF, 0x02, 0x00, 0x00, 0x00};

// An RC2 double: answers IdentifyRequest and StartClock on the next read.
void behaveAsRc2(FakeSerialLink& link);

} // namespace ksy::test
