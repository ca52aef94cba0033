#pragma once
// Plain TCP clients for the web server tests: they send exactly the bytes a
// test gives (malformed requests included) and read with deadlines.
#include <chrono>
#include <string>

namespace ksy::test {

class RawClient {
public:
    // receiveBuffer > 0: a small socket buffer, for a client that reads slowly.
    // from: the loopback address it connects from ("127.0.0.2": another phone).
    explicit RawClient(int port, int receiveBuffer = 0, const char* from = nullptr);
    ~RawClient();
    RawClient(const RawClient&) = delete;
    RawClient& operator=(const RawClient&) = delete;

    bool connected() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    bool send(const std::string& bytes);
    // Reads what is there within the timeout; false once the server closed.
    bool readSome(std::chrono::milliseconds timeout);
    // Reads until the server closes or the timeout passes.
    void readAll(std::chrono::milliseconds timeout);
    std::string received;

private:
    int fd_ = -1;
    bool open_ = false;
};

// One request on a fresh connection: the whole answer.
std::string exchange(int port, const std::string& request);
int statusOf(const std::string& response);

} // namespace ksy::test
