#include "raw_client.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace ksy::test {

RawClient::RawClient(int port, int receiveBuffer, const char* from)
{
    fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    if (receiveBuffer > 0)
        ::setsockopt(fd_, SOL_SOCKET, SO_RCVBUF, &receiveBuffer, sizeof receiveBuffer);
    if (from) {
        sockaddr_in local {};
        local.sin_family = AF_INET;
        ::inet_pton(AF_INET, from, &local.sin_addr);
        ::bind(fd_, reinterpret_cast<sockaddr*>(&local), sizeof local);
    }
    sockaddr_in a {};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<std::uint16_t>(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
        ::close(fd_);
        fd_ = -1;
    }
    open_ = fd_ >= 0;
}

RawClient::~RawClient()
{
    if (fd_ >= 0)
        ::close(fd_);
}

bool RawClient::send(const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::send(fd_, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool RawClient::readSome(std::chrono::milliseconds timeout)
{
    if (!open_)
        return false;
    pollfd p {fd_, POLLIN, 0};
    if (::poll(&p, 1, static_cast<int>(timeout.count())) <= 0)
        return true;
    char buffer[65536];
    const ssize_t n = ::recv(fd_, buffer, sizeof buffer, 0);
    if (n <= 0) {
        open_ = false;
        return false;
    }
    received.append(buffer, static_cast<std::size_t>(n));
    return true;
}

void RawClient::readAll(std::chrono::milliseconds timeout)
{
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < end)
        if (!readSome(std::chrono::duration_cast<std::chrono::milliseconds>(
                end - std::chrono::steady_clock::now())))
            return;
}

std::string exchange(int port, const std::string& request)
{
    RawClient c(port);
    c.send(request);
    c.readAll(std::chrono::seconds(5));
    return c.received;
}

int statusOf(const std::string& response)
{
    if (response.rfind("HTTP/1.1 ", 0) != 0 || response.size() < 12)
        return 0;
    return std::stoi(response.substr(9, 3));
}

} // namespace ksy::test
