#include "platform/serial_port.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>
#endif

namespace ksy {

SystemSerialLink::~SystemSerialLink()
{
    close();
}

bool SystemSerialLink::open(const std::string& portName)
{
    return openPort(portName, true);
}

bool SystemSerialLink::reopen(const std::string& portName)
{
    return openPort(portName, false);
}

#ifdef _WIN32

bool SystemSerialLink::openPort(const std::string& portName, bool purgeInput)
{
    close();
    const std::string path = "\\\\.\\" + portName;
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_SYSTEM, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    SetupComm(h, 4096, 4096);
    COMMTIMEOUTS timeouts = {};
    timeouts.ReadIntervalTimeout = 1;
    timeouts.ReadTotalTimeoutMultiplier = 0;
    timeouts.ReadTotalTimeoutConstant = 1;
    timeouts.WriteTotalTimeoutMultiplier = 0;
    timeouts.WriteTotalTimeoutConstant = kWriteTimeoutMs;
    DCB dcb = {};
    dcb.DCBlength = sizeof dcb;
    dcb.BaudRate = CBR_9600;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    dcb.fBinary = TRUE;
    dcb.fParity = FALSE;
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDsrSensitivity = FALSE;
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fRtsControl = RTS_CONTROL_ENABLE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.XonLim = 256;
    dcb.XoffLim = 256;
    dcb.XonChar = 0x11;
    dcb.XoffChar = 0x13;
    dcb.ErrorChar = 0x3F;
    dcb.EofChar = 0x1A;
    dcb.EvtChar = 0x10;
    dcb.fErrorChar = FALSE;
    dcb.fAbortOnError = FALSE;
    if (!SetCommTimeouts(h, &timeouts) || !SetCommState(h, &dcb)) {
        CloseHandle(h);
        return false;
    }
    PurgeComm(h, purgeInput ? PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR
                            : PURGE_TXABORT | PURGE_TXCLEAR);
    EscapeCommFunction(h, SETDTR);
    handle_ = h;
    hungUp_ = false;
    return true;
}

int SystemSerialLink::write(const std::uint8_t* data, std::size_t size)
{
    DWORD written = 0;
    if (!handle_ || !WriteFile(static_cast<HANDLE>(handle_), data, static_cast<DWORD>(size),
                               &written, nullptr))
        return 0;
    return written == size ? static_cast<int>(written) : 0;
}

int SystemSerialLink::read(std::uint8_t* buffer, std::size_t maxBytes)
{
    DWORD got = 0;
    if (!handle_)
        return 0;
    if (!ReadFile(static_cast<HANDLE>(handle_), buffer, static_cast<DWORD>(maxBytes), &got,
                  nullptr)) {
        // A removed adapter fails every read from then on.
        if (GetLastError() != ERROR_OPERATION_ABORTED)
            hungUp_ = true;
        return 0;
    }
    return static_cast<int>(got);
}

bool SystemSerialLink::hungUp() const
{
    return handle_ && hungUp_;
}

void SystemSerialLink::drain()
{
    if (handle_)
        FlushFileBuffers(static_cast<HANDLE>(handle_));
}

void SystemSerialLink::close()
{
    if (handle_)
        CloseHandle(static_cast<HANDLE>(handle_));
    handle_ = nullptr;
}

bool SystemSerialLink::isOpen() const
{
    return handle_ != nullptr;
}

#else

bool SystemSerialLink::openPort(const std::string& portName, bool purgeInput)
{
    close();
    if (portName.empty())
        return false;
    const int fd = ::open(portName.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    termios tio {};
    if (tcgetattr(fd, &tio) != 0) { // not a terminal
        ::close(fd);
        return false;
    }
    cfmakeraw(&tio);
    cfsetispeed(&tio, B9600);
    cfsetospeed(&tio, B9600);
    tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
    tio.c_cflag |= CS8 | CLOCAL | CREAD;
    tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    if (tcsetattr(fd, TCSANOW, &tio) != 0) {
        ::close(fd);
        return false;
    }
    // Nobody else may open the decoder's port while the program holds it.
    ioctl(fd, TIOCEXCL);
    tcflush(fd, purgeInput ? TCIOFLUSH : TCOFLUSH);
    // A pseudo-terminal has no modem lines: this fails there, harmlessly.
    int lines = TIOCM_DTR | TIOCM_RTS;
    ioctl(fd, TIOCMBIS, &lines);
    if (pipe2(wake_, O_CLOEXEC | O_NONBLOCK) != 0) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    hungUp_ = false;
    reader_ = std::thread([this] { readerLoop(); });
    return true;
}

void SystemSerialLink::readerLoop()
{
    // A queue this long is about eighteen minutes of a busy line: more than
    // any pause of the window's reads.
    constexpr std::size_t kQueueLimit = 1 << 20;
    std::uint8_t chunk[4096];
    int emptyWakes = 0;
    while (true) {
        pollfd p[2] = {{fd_, POLLIN, 0}, {wake_[0], POLLIN, 0}};
        if (poll(p, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (p[1].revents != 0)
            return;
        const short events = p[0].revents;
        ssize_t n = 0;
        if (events & POLLIN)
            n = ::read(fd_, chunk, sizeof chunk);
        if (n > 0) {
            emptyWakes = 0;
            const std::int64_t at = arrivalClock_ ? arrivalClock_->counter() : -1;
            std::lock_guard<std::mutex> lock(mutex_);
            for (ssize_t i = 0; i < n && bytes_.size() < kQueueLimit; ++i) {
                bytes_.push_back(chunk[i]);
                arrivals_.push_back(at);
            }
            continue;
        }
        if (n < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        // Woken for bytes that a flush took away; a device that keeps
        // waking the reader with nothing to read is as good as gone.
        if (n == 0 && !(events & (POLLHUP | POLLERR | POLLNVAL)) && ++emptyWakes < 1000)
            continue;
        // The device went away (an unplugged adapter, a closed pty): say so,
        // and wait for the close. This descriptor never works again.
        hungUp_ = true;
        pollfd w = {wake_[0], POLLIN, 0};
        while (poll(&w, 1, -1) < 0 && errno == EINTR) {
        }
        return;
    }
}

void SystemSerialLink::stopReader()
{
    if (reader_.joinable()) {
        const char stop = 1;
        (void)!::write(wake_[1], &stop, 1);
        reader_.join();
    }
    for (int& end : wake_) {
        if (end >= 0)
            ::close(end);
        end = -1;
    }
    std::lock_guard<std::mutex> lock(mutex_);
    bytes_.clear();
    arrivals_.clear();
}

int SystemSerialLink::write(const std::uint8_t* data, std::size_t size)
{
    if (fd_ < 0)
        return 0;
    using Steady = std::chrono::steady_clock;
    const auto deadline = Steady::now() + std::chrono::milliseconds(kWriteTimeoutMs);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd_, data + done, size - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK)
            return 0; // the device is gone (EIO once a USB adapter is unplugged)
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - Steady::now());
        if (left.count() <= 0)
            return 0;
        pollfd p {fd_, POLLOUT, 0};
        poll(&p, 1, static_cast<int>(left.count()));
    }
    return static_cast<int>(done);
}

int SystemSerialLink::read(std::uint8_t* buffer, std::size_t maxBytes)
{
    std::lock_guard<std::mutex> lock(mutex_);
    const std::size_t n = std::min(maxBytes, bytes_.size());
    std::copy(bytes_.begin(), bytes_.begin() + static_cast<long>(n), buffer);
    bytes_.erase(bytes_.begin(), bytes_.begin() + static_cast<long>(n));
    arrivals_.erase(arrivals_.begin(), arrivals_.begin() + static_cast<long>(n));
    return static_cast<int>(n);
}

int SystemSerialLink::readStamped(std::uint8_t* buffer, std::int64_t* arrivals,
                                  std::size_t maxBytes, const Clock& clock)
{
    std::lock_guard<std::mutex> lock(mutex_);
    const std::size_t n = std::min(maxBytes, bytes_.size());
    const std::int64_t now = clock.counter();
    for (std::size_t i = 0; i < n; ++i) {
        buffer[i] = bytes_[i];
        arrivals[i] = arrivals_[i] < 0 ? now : arrivals_[i];
    }
    bytes_.erase(bytes_.begin(), bytes_.begin() + static_cast<long>(n));
    arrivals_.erase(arrivals_.begin(), arrivals_.begin() + static_cast<long>(n));
    return static_cast<int>(n);
}

void SystemSerialLink::close()
{
    stopReader();
    if (fd_ < 0)
        return;
    // The exclusive flag outlives this descriptor while another one is open
    // on the device (a simulator holds its side): drop it so that a reopen works.
    ioctl(fd_, TIOCNXCL);
    ::close(fd_);
    fd_ = -1;
}

bool SystemSerialLink::isOpen() const
{
    return fd_ >= 0;
}

bool SystemSerialLink::hungUp() const
{
    return fd_ >= 0 && hungUp_;
}

void SystemSerialLink::drain()
{
    if (fd_ < 0)
        return;
    using Steady = std::chrono::steady_clock;
    const auto deadline = Steady::now() + std::chrono::milliseconds(kDrainLimitMs);
    int queued = 0;
    while (ioctl(fd_, TIOCOUTQ, &queued) == 0 && queued > 0 && Steady::now() < deadline)
        poll(nullptr, 0, 1);
}

#endif

} // namespace ksy
