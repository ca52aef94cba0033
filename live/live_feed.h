#pragma once
// The hand-over between the timing window and the web server. The GUI thread
// publishes what the board shows after a tick that changed something, and the
// working race file after it was rewritten; publishing only swaps a pointer
// and wakes one thread. That thread renders the heat's JSON once per change
// and wakes the event streams, so no request ever waits on the tick and the
// tick never waits on a request, however many phones follow the heat.
#include "display/board_inputs.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace ksy {

// The heat as last published, with its JSON rendered once for every reader.
struct HeatSnapshot {
    std::uint64_t version = 0;
    BoardInputs heat;
    std::string json;
};

// The working race file's bytes (Windows-1252) as last published.
struct RaceSnapshot {
    std::uint64_t version = 0;
    std::string bytes;
};

class LiveFeed {
public:
    LiveFeed();
    ~LiveFeed();
    LiveFeed(const LiveFeed&) = delete;
    LiveFeed& operator=(const LiveFeed&) = delete;

    // --- GUI thread ---
    void publishHeat(BoardInputs heat);
    void publishRace(std::string bytes);

    // --- Server threads ---
    std::shared_ptr<const HeatSnapshot> heat() const;
    std::shared_ptr<const RaceSnapshot> race() const;
    // The heat once its version is above `seen`, or the current one when the
    // timeout passes first or the feed closes.
    std::shared_ptr<const HeatSnapshot> waitHeatAfter(
        std::uint64_t seen, std::chrono::milliseconds timeout) const;
    // Wakes every waiting stream for good (the server stops).
    void close();
    bool closed() const;

private:
    void renderLoop();

    mutable std::mutex inMutex_;
    std::condition_variable inChanged_;
    std::shared_ptr<const BoardInputs> pendingHeat_;
    std::shared_ptr<const RaceSnapshot> race_;
    bool stopRender_ = false;

    mutable std::mutex outMutex_;
    mutable std::condition_variable outChanged_;
    std::shared_ptr<const HeatSnapshot> heat_;
    bool closed_ = false;

    std::thread renderer_;
};

} // namespace ksy
