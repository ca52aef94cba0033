#pragma once
// The decoder's serial port on the operating system: POSIX termios on Linux,
// the Win32 communication calls on Windows. 9600 baud 8N1, no flow control,
// DTR and RTS raised where the device supports it (a pseudo-terminal does
// not, and still opens), reads that return at once with what is queued,
// writes that give up after 100 ms and then report 0 bytes.
#include "services/serial_link.h"

#include <cstdint>

namespace ksy {

class SystemSerialLink : public SerialLink {
public:
    SystemSerialLink() = default;
    ~SystemSerialLink() override;
    SystemSerialLink(const SystemSerialLink&) = delete;
    SystemSerialLink& operator=(const SystemSerialLink&) = delete;

    bool open(const std::string& portName) override;
    int write(const std::uint8_t* data, std::size_t size) override;
    int read(std::uint8_t* buffer, std::size_t maxBytes) override;
    void close() override;
    bool isOpen() const override;

    static constexpr int kWriteTimeoutMs = 100;

private:
#ifdef _WIN32
    void* handle_ = nullptr; // HANDLE; null when closed
#else
    int fd_ = -1;
#endif
};

} // namespace ksy
