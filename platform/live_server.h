#pragma once
// The web server of the live results: cpp-httplib on threads of its own,
// serving what the LiveFeed holds. Requests read snapshots and never touch
// the timing objects; the caps below keep a crowd of phones (or a hostile
// client on a public network) from eating the timing PC's memory or threads.
#include "live/live_feed.h"
#include "live/live_settings.h"

#include <atomic>
#include <chrono>
#include <memory>
#include <string>

namespace ksy {

struct LiveServerLimits {
    int maxThreads = 300; // requests handled at once (event streams included)
    int maxQueued = 64; // connections waiting for a thread; more get 503
    int maxStreams = 250; // event streams at once; more get 503
    // At most one event per client in this interval: a client gets the latest
    // heat, never a backlog.
    std::chrono::milliseconds eventInterval {200};
    std::chrono::seconds keepAliveComment {15};
    // A client that does not take its bytes within this time is dropped.
    std::chrono::seconds writeTimeout {3};
    std::chrono::seconds readTimeout {3};
};

class LiveServer {
public:
    explicit LiveServer(LiveFeed& feed, LiveServerLimits limits = {});
    ~LiveServer();
    LiveServer(const LiveServer&) = delete;
    LiveServer& operator=(const LiveServer&) = delete;

    // Listens on the address (port 0: any free port) and serves on its own
    // threads. False with a French reason when the address cannot be used.
    bool start(const ServeAddress& where, std::string& error);
    void stop();
    bool running() const;
    int port() const;
    // Event streams open now.
    int streams() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace ksy
