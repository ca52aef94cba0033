#pragma once
// The web server of the live results: GNU libmicrohttpd on a fixed few
// threads of its own, serving what the LiveFeed holds. Requests read
// snapshots and never touch the timing objects; the caps below hold while a
// request is read, so that a crowd of phones (or a hostile client on a public
// network) cannot eat the timing PC's memory or threads.
#include "live/live_feed.h"
#include "live/live_settings.h"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <memory>
#include <string>

namespace ksy {

struct LiveServerLimits {
    int threads = 2; // the server's own, whatever the number of clients
    int maxConnections = 600; // open at once in all; more get 503
    int maxPerAddress = 16; // open at once from one address; more get 503
    int maxStreams = 500; // event streams at once; more get 503
    // Memory of one connection: its request (headers refused with 431 when
    // they do not fit) and the part of its answer being written.
    std::size_t connectionMemory = 32 * 1024;
    // At most one event per client in this interval: a client gets the latest
    // heat, never a backlog.
    std::chrono::milliseconds eventInterval {200};
    std::chrono::seconds keepAliveComment {10};
    // A request not read in full within this time (counted from the
    // connection or the previous answer) is dropped, however slowly it trickles.
    std::chrono::milliseconds requestTimeout {5000};
    // A client that neither sends nor takes bytes for this long is dropped.
    std::chrono::seconds idleTimeout {10};
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
    // Event streams / connections open now.
    int streams() const;
    int connections() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace ksy
