#include "platform/connection_guard.h"

#include <sys/socket.h>

namespace ksy {

ConnectionGuard::ConnectionGuard(
    int maxTotal, int maxPerAddress, std::chrono::milliseconds requestTimeout)
    : maxTotal_(maxTotal)
    , maxPerAddress_(maxPerAddress)
    , requestTimeout_(requestTimeout)
{
}

bool ConnectionGuard::opened(
    const void* key, int fd, const std::string& address, Clock::time_point now)
{
    std::lock_guard lock(mutex_);
    Peer& p = peers_[key];
    p.fd = fd;
    p.address = address;
    p.since = now;
    const int fromThere = ++perAddress_[address];
    return fromThere <= maxPerAddress_ && static_cast<int>(peers_.size()) <= maxTotal_;
}

void ConnectionGuard::closed(const void* key)
{
    std::lock_guard lock(mutex_);
    const auto it = peers_.find(key);
    if (it == peers_.end())
        return;
    const auto count = perAddress_.find(it->second.address);
    if (count != perAddress_.end() && --count->second <= 0)
        perAddress_.erase(count);
    peers_.erase(it);
}

void ConnectionGuard::requestRead(const void* key)
{
    std::lock_guard lock(mutex_);
    const auto it = peers_.find(key);
    if (it != peers_.end())
        it->second.busy = true;
}

void ConnectionGuard::answered(const void* key, Clock::time_point now)
{
    std::lock_guard lock(mutex_);
    const auto it = peers_.find(key);
    if (it == peers_.end())
        return;
    it->second.busy = false;
    it->second.since = now;
}

int ConnectionGuard::dropOverdue(Clock::time_point now)
{
    int dropped = 0;
    // The socket is closed only after `closed`, which waits for this lock:
    // the descriptor cannot be someone else's while it is shut here.
    std::lock_guard lock(mutex_);
    for (auto& [key, p] : peers_) {
        if (p.busy || p.dropped || now - p.since < requestTimeout_)
            continue;
        ::shutdown(p.fd, SHUT_RDWR);
        p.dropped = true;
        ++dropped;
    }
    return dropped;
}

int ConnectionGuard::count() const
{
    std::lock_guard lock(mutex_);
    return static_cast<int>(peers_.size());
}

} // namespace ksy
