#pragma once
#include "services/clock.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace ksy {

// The decoder's serial port: 9600 baud 8N1, no flow control, DTR and RTS
// raised. Reads never block (they return what is queued), writes give up after
// about 100 ms and then report 0 bytes written.
class SerialLink {
public:
    virtual ~SerialLink() = default;
    // True on success. Opening closes any port that was open before.
    virtual bool open(const std::string& portName) = 0;
    // Number of bytes written; 0 when the write could not complete.
    virtual int write(const std::uint8_t* data, std::size_t size) = 0;
    // Copies at most maxBytes queued bytes into buffer; returns the count
    // (0 when nothing is queued or the port is not open).
    virtual int read(std::uint8_t* buffer, std::size_t maxBytes) = 0;
    // Like read(); arrivals receives for each byte the clock's counter reading
    // at which it arrived. A port that cannot tell stamps them with now.
    virtual int readStamped(std::uint8_t* buffer, std::int64_t* arrivals, std::size_t maxBytes,
                            const Clock& clock)
    {
        const int got = read(buffer, maxBytes);
        const std::int64_t now = clock.counter();
        for (int i = 0; i < got; ++i)
            arrivals[i] = now;
        return got;
    }
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Opens the port again after the link was lost, keeping what the device
    // already received: bytes that arrived since the cable came back are
    // passings like any other.
    virtual bool reopen(const std::string& portName) { return open(portName); }
    // The device reported an error or a hang-up since it was opened (an
    // unplugged adapter, a cable pulled): reads will bring nothing more.
    virtual bool hungUp() const { return false; }
    // Waits (briefly, bounded) until the bytes written have left the host.
    virtual void drain() { }
};

} // namespace ksy
