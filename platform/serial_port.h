#pragma once
// The decoder's serial port on the operating system: POSIX termios on Linux,
// the Win32 communication calls on Windows. 9600 baud 8N1, no flow control,
// DTR and RTS raised where the device supports it (a pseudo-terminal does
// not, and still opens), reads that return at once with what is queued,
// writes that give up after 100 ms and then report 0 bytes.
//
// On POSIX a reader thread takes the bytes as soon as the system has them
// and stamps them with the given clock's counter, so that a passing's arrival
// is known to the line's precision whatever the window is busy with; the
// program's reads then take them from its queue.
#include "services/serial_link.h"

#include <cstdint>
#ifndef _WIN32
#include <atomic>
#include <deque>
#include <mutex>
#include <thread>
#endif

namespace ksy {

class SystemSerialLink : public SerialLink {
public:
    // arrivalClock: the clock whose counter stamps each byte's arrival (the
    // program's own); without one the bytes are stamped when read.
    explicit SystemSerialLink(const Clock* arrivalClock = nullptr)
        : arrivalClock_(arrivalClock)
    {
    }
    ~SystemSerialLink() override;
    SystemSerialLink(const SystemSerialLink&) = delete;
    SystemSerialLink& operator=(const SystemSerialLink&) = delete;

    bool open(const std::string& portName) override;
    int write(const std::uint8_t* data, std::size_t size) override;
    int read(std::uint8_t* buffer, std::size_t maxBytes) override;
#ifndef _WIN32
    int readStamped(std::uint8_t* buffer, std::int64_t* arrivals, std::size_t maxBytes,
                    const Clock& clock) override;
#endif
    void close() override;
    bool isOpen() const override;
    bool reopen(const std::string& portName) override;
    bool hungUp() const override;
    void drain() override;

    static constexpr int kWriteTimeoutMs = 100;
    // drain() gives up after this long (a stuck device must not hold the window).
    static constexpr int kDrainLimitMs = 50;

private:
    // purgeInput: throw away what the device had received before the open.
    bool openPort(const std::string& portName, bool purgeInput);

    const Clock* arrivalClock_;
#ifdef _WIN32
    void* handle_ = nullptr; // HANDLE; null when closed
    bool hungUp_ = false;
#else
    void readerLoop();
    void stopReader();

    int fd_ = -1;
    int wake_[2] = {-1, -1}; // a pipe that ends the reader's wait
    std::thread reader_;
    std::mutex mutex_;
    std::deque<std::uint8_t> bytes_;
    std::deque<std::int64_t> arrivals_; // counter readings; -1 when unknown
    std::atomic<bool> hungUp_ {false};
#endif
};

} // namespace ksy
