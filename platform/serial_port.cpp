#include "platform/serial_port.h"

#ifdef _WIN32
#include <windows.h>
#else
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

#ifdef _WIN32

bool SystemSerialLink::open(const std::string& portName)
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
    PurgeComm(h, PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR);
    EscapeCommFunction(h, SETDTR);
    handle_ = h;
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
    if (!handle_ || !ReadFile(static_cast<HANDLE>(handle_), buffer, static_cast<DWORD>(maxBytes),
                              &got, nullptr))
        return 0;
    return static_cast<int>(got);
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

bool SystemSerialLink::open(const std::string& portName)
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
    tcflush(fd, TCIOFLUSH);
    // A pseudo-terminal has no modem lines: this fails there, harmlessly.
    int lines = TIOCM_DTR | TIOCM_RTS;
    ioctl(fd, TIOCMBIS, &lines);
    fd_ = fd;
    return true;
}

int SystemSerialLink::write(const std::uint8_t* data, std::size_t size)
{
    if (fd_ < 0)
        return 0;
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(kWriteTimeoutMs);
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
            deadline - Clock::now());
        if (left.count() <= 0)
            return 0;
        pollfd p {fd_, POLLOUT, 0};
        poll(&p, 1, static_cast<int>(left.count()));
    }
    return static_cast<int>(done);
}

int SystemSerialLink::read(std::uint8_t* buffer, std::size_t maxBytes)
{
    if (fd_ < 0)
        return 0;
    ssize_t n;
    do {
        n = ::read(fd_, buffer, maxBytes);
    } while (n < 0 && errno == EINTR);
    return n > 0 ? static_cast<int>(n) : 0;
}

void SystemSerialLink::close()
{
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

#endif

} // namespace ksy
