#pragma once
// The connections of the live results' web server, counted in all and per
// address, with the moment each began waiting for a request. A hostile
// client that trickles its headers keeps resetting any idle timer: what
// drops it is the time its request has taken in all.
#include <chrono>
#include <mutex>
#include <string>
#include <unordered_map>

namespace ksy {

class ConnectionGuard {
public:
    using Clock = std::chrono::steady_clock;

    ConnectionGuard(int maxTotal, int maxPerAddress, std::chrono::milliseconds requestTimeout);

    // A connection opens on the socket `fd`. False when it is one too many,
    // in all or from its address: it is still counted until `closed`.
    bool opened(const void* key, int fd, const std::string& address, Clock::time_point now);
    void closed(const void* key);
    // Its request was read in full / its answer was given (the next request's
    // time starts then).
    void requestRead(const void* key);
    void answered(const void* key, Clock::time_point now);
    // Shuts the socket of every connection whose request is overdue, so that
    // the server sees it closed and frees it. The number shut now.
    int dropOverdue(Clock::time_point now);
    int count() const;

private:
    struct Peer {
        int fd = -1;
        std::string address;
        Clock::time_point since;
        bool busy = false;
        bool dropped = false;
    };
    const int maxTotal_;
    const int maxPerAddress_;
    const std::chrono::milliseconds requestTimeout_;
    mutable std::mutex mutex_;
    std::unordered_map<const void*, Peer> peers_;
    std::unordered_map<std::string, int> perAddress_;
};

} // namespace ksy
