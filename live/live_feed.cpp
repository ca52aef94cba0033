#include "live/live_feed.h"

#include "live/heat_page.h"

namespace ksy {

LiveFeed::LiveFeed()
    : race_(std::make_shared<RaceSnapshot>())
    , heat_(std::make_shared<HeatSnapshot>(HeatSnapshot {0, {}, liveHeatJson({}, 0)}))
    , renderer_([this] { renderLoop(); })
{
}

LiveFeed::~LiveFeed()
{
    {
        std::lock_guard lock(inMutex_);
        stopRender_ = true;
    }
    inChanged_.notify_one();
    renderer_.join();
    close();
}

void LiveFeed::publishHeat(BoardInputs heat)
{
    auto fresh = std::make_shared<const BoardInputs>(std::move(heat));
    {
        std::lock_guard lock(inMutex_);
        pendingHeat_.swap(fresh);
    }
    inChanged_.notify_one();
    // The previous pending heat, if never rendered, is freed here, outside the lock.
}

void LiveFeed::publishRace(std::string bytes)
{
    auto fresh = std::make_shared<RaceSnapshot>();
    fresh->bytes = std::move(bytes);
    std::lock_guard lock(inMutex_);
    fresh->version = race_->version + 1;
    race_ = std::move(fresh);
}

std::shared_ptr<const RaceSnapshot> LiveFeed::race() const
{
    std::lock_guard lock(inMutex_);
    return race_;
}

std::shared_ptr<const HeatSnapshot> LiveFeed::heat() const
{
    std::lock_guard lock(outMutex_);
    return heat_;
}

std::shared_ptr<const HeatSnapshot> LiveFeed::waitHeatAfter(
    std::uint64_t seen, std::chrono::milliseconds timeout) const
{
    std::unique_lock lock(outMutex_);
    outChanged_.wait_for(lock, timeout, [&] { return closed_ || heat_->version > seen; });
    return heat_;
}

void LiveFeed::close()
{
    {
        std::lock_guard lock(outMutex_);
        closed_ = true;
    }
    outChanged_.notify_all();
}

bool LiveFeed::closed() const
{
    std::lock_guard lock(outMutex_);
    return closed_;
}

void LiveFeed::renderLoop()
{
    std::uint64_t version = 0;
    for (;;) {
        std::shared_ptr<const BoardInputs> next;
        {
            std::unique_lock lock(inMutex_);
            inChanged_.wait(lock, [&] { return stopRender_ || pendingHeat_; });
            if (stopRender_)
                return;
            next.swap(pendingHeat_);
        }
        ++version;
        auto snapshot = std::make_shared<HeatSnapshot>();
        snapshot->version = version;
        snapshot->heat = *next;
        snapshot->json = liveHeatJson(snapshot->heat, version);
        {
            std::lock_guard lock(outMutex_);
            heat_ = std::move(snapshot);
        }
        outChanged_.notify_all();
    }
}

} // namespace ksy
