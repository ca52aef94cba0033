#include "platform/live_server.h"

#include "live/site_routes.h"

#include <condition_variable>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <httplib.h>
#include <mutex>
#include <thread>
#include <unistd.h>
#include <vector>

namespace ksy {

namespace {

// Set while a connection refused for lack of threads is answered.
thread_local bool tOverloaded = false;

// Worker threads made as needed up to a cap, with a bounded waiting line.
// A connection beyond both is still answered (503) and closed, on the
// accepting thread, so that its socket is never left open.
class CappedPool : public httplib::TaskQueue {
public:
    CappedPool(int maxThreads, int maxQueued)
        : maxThreads_(static_cast<std::size_t>(maxThreads))
        , maxQueued_(static_cast<std::size_t>(maxQueued))
    {
    }

    void enqueue(std::function<void()> fn) override
    {
        std::unique_lock lock(mutex_);
        if (jobs_.size() >= maxQueued_) {
            lock.unlock();
            tOverloaded = true;
            fn();
            tOverloaded = false;
            return;
        }
        jobs_.push_back(std::move(fn));
        if (idle_ < jobs_.size() && threads_.size() < maxThreads_)
            threads_.emplace_back([this] { work(); });
        lock.unlock();
        changed_.notify_one();
    }

    void shutdown() override
    {
        {
            std::lock_guard lock(mutex_);
            shut_ = true;
        }
        changed_.notify_all();
        for (std::thread& t : threads_)
            t.join();
    }

private:
    void work()
    {
        for (;;) {
            std::function<void()> job;
            {
                std::unique_lock lock(mutex_);
                ++idle_;
                changed_.wait(lock, [&] { return shut_ || !jobs_.empty(); });
                --idle_;
                if (jobs_.empty())
                    return;
                job = std::move(jobs_.front());
                jobs_.pop_front();
            }
            job();
        }
    }

    const std::size_t maxThreads_;
    const std::size_t maxQueued_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::function<void()>> jobs_;
    std::vector<std::thread> threads_;
    std::size_t idle_ = 0;
    bool shut_ = false;
};

void answer(httplib::Response& res, const WebResponse& r)
{
    res.status = r.status;
    res.set_content(r.body, r.contentType.c_str());
    if (r.status == 405)
        res.set_header("Allow", "GET, HEAD");
    if (r.status >= 400)
        res.set_header("Connection", "close");
}

std::size_t headerBytes(const httplib::Request& req)
{
    std::size_t n = req.target.size();
    for (const auto& [key, value] : req.headers)
        n += key.size() + value.size() + 4;
    return n;
}

} // namespace

struct LiveServer::Impl {
    Impl(LiveFeed& f, LiveServerLimits l)
        : feed(f)
        , limits(l)
    {
    }

    LiveFeed& feed;
    const LiveServerLimits limits;
    std::unique_ptr<httplib::Server> server;
    std::thread listener;
    std::atomic<bool> stopping {false};
    std::atomic<int> streams {0};
    int port = 0;

    // The race site, read again from the published bytes when they change.
    std::mutex siteMutex;
    std::uint64_t siteVersion = ~0ULL;
    std::shared_ptr<const RaceSite> site;
    const std::filesystem::path rankingCopy = std::filesystem::temp_directory_path() /
        ("kestrametrix-direct-" + std::to_string(::getpid()) + "-" +
            std::to_string(reinterpret_cast<std::uintptr_t>(this)) + ".race");

    std::shared_ptr<const RaceSite> currentSite()
    {
        const auto race = feed.race();
        std::lock_guard lock(siteMutex);
        if (!site || siteVersion != race->version) {
            auto fresh = std::make_shared<RaceSite>(readRaceSite(race->bytes));
            // The rankings are read from a private copy of the published bytes,
            // never from the working file the window may be rewriting.
            std::ofstream copy(rankingCopy, std::ios::binary | std::ios::trunc);
            copy.write(race->bytes.data(), static_cast<std::streamsize>(race->bytes.size()));
            copy.close();
            if (copy)
                readStoredRankings(rankingCopy, *fresh);
            site = std::move(fresh);
            siteVersion = race->version;
        }
        return site;
    }

    ~Impl()
    {
        std::error_code ec;
        std::filesystem::remove(rankingCopy, ec);
    }

    void configure();
    void page(const httplib::Request& req, httplib::Response& res);
    void eventStream(httplib::Response& res);
};

void LiveServer::Impl::configure()
{
    server = std::make_unique<httplib::Server>();
    const int maxThreads = limits.maxThreads;
    const int maxQueued = limits.maxQueued;
    server->new_task_queue = [maxThreads, maxQueued] {
        return new CappedPool(maxThreads, maxQueued);
    };
    server->set_read_timeout(limits.readTimeout);
    server->set_write_timeout(limits.writeTimeout);
    server->set_keep_alive_timeout(2);
    server->set_keep_alive_max_count(20);
    server->set_payload_max_length(0);
    server->set_default_headers({{"X-Content-Type-Options", "nosniff"},
        {"Content-Security-Policy",
            "default-src 'self'; object-src 'none'; frame-ancestors 'none'"},
        {"Referrer-Policy", "no-referrer"}, {"Access-Control-Allow-Origin", "*"}});
    server->set_pre_routing_handler([](const httplib::Request& req, httplib::Response& res) {
        if (tOverloaded) {
            answer(res, errorResponse(503));
            return httplib::Server::HandlerResponse::Handled;
        }
        // The body is not read yet: its announced length is what counts.
        const std::size_t body = req.has_header("Transfer-Encoding")
            ? 1
            : static_cast<std::size_t>(req.get_header_value<std::uint64_t>("Content-Length"));
        const auto refused = refuseRequest(req.method, req.target, headerBytes(req), body);
        if (!refused)
            return httplib::Server::HandlerResponse::Unhandled;
        answer(res, *refused);
        return httplib::Server::HandlerResponse::Handled;
    });
    server->Get(".*", [this](const httplib::Request& req, httplib::Response& res) {
        if (req.path == kEventStreamPath)
            eventStream(res);
        else
            page(req, res);
    });
    // Errors the library finds itself (malformed request line, large body)
    // get the same French pages.
    server->set_error_handler([](const httplib::Request&, httplib::Response& res) {
        if (res.body.empty())
            answer(res, errorResponse(res.status));
    });
}

void LiveServer::Impl::page(const httplib::Request& req, httplib::Response& res)
{
    const auto heat = feed.heat();
    const auto race = currentSite();
    SiteState state;
    state.heat = &heat->heat;
    state.heatVersion = heat->version;
    state.heatJson = &heat->json;
    state.race = race.get();
    answer(res, routeRequest(req.path, state));
    if (res.status == 200)
        res.set_header("Cache-Control", "no-store");
}

void LiveServer::Impl::eventStream(httplib::Response& res)
{
    if (streams.fetch_add(1) >= limits.maxStreams) {
        streams.fetch_sub(1);
        answer(res, errorResponse(503));
        return;
    }
    // Counts the stream until the last copy of the provider is gone.
    auto ticket = std::shared_ptr<void>(nullptr, [this](void*) { streams.fetch_sub(1); });
    res.set_header("Cache-Control", "no-store");
    using Clock = std::chrono::steady_clock;
    struct Progress {
        std::uint64_t sent = ~0ULL;
        Clock::time_point lastEvent {};
        Clock::time_point lastWrite = Clock::now();
    };
    auto progress = std::make_shared<Progress>();
    res.set_chunked_content_provider(
        "text/event-stream", [this, ticket, progress](std::size_t, httplib::DataSink& sink) {
            Progress& p = *progress;
            // The next event waits out the client's interval: a fast heat
            // reaches each phone as its latest state, never as a backlog.
            const auto ready = p.lastEvent + limits.eventInterval;
            while (!stopping && Clock::now() < ready)
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            std::shared_ptr<const HeatSnapshot> heat;
            while (!stopping) {
                heat = p.sent == ~0ULL ? feed.heat()
                                       : feed.waitHeatAfter(p.sent, std::chrono::seconds(1));
                if (heat->version != p.sent ||
                    Clock::now() - p.lastWrite >= limits.keepAliveComment)
                    break;
            }
            if (stopping || !sink.is_writable())
                return false;
            std::string text;
            if (heat->version == p.sent) {
                text = ": ok\n\n";
            } else {
                text = (p.sent == ~0ULL ? "retry: 2000\n" : "") + std::string("id: ") +
                    std::to_string(heat->version) + "\ndata: " + heat->json + "\n\n";
                p.sent = heat->version;
                p.lastEvent = Clock::now();
            }
            p.lastWrite = Clock::now();
            return sink.write(text.data(), text.size());
        });
}

LiveServer::LiveServer(LiveFeed& feed, LiveServerLimits limits)
    : impl_(std::make_unique<Impl>(feed, limits))
{
}

LiveServer::~LiveServer()
{
    stop();
}

bool LiveServer::start(const ServeAddress& where, std::string& error)
{
    stop();
    impl_->stopping = false;
    impl_->configure();
    const std::string host = where.address.empty() ? std::string(kAllAddresses) : where.address;
    if (where.port == 0) {
        impl_->port = impl_->server->bind_to_any_port(host);
    } else if (impl_->server->bind_to_port(host, where.port)) {
        impl_->port = where.port;
    } else {
        impl_->port = -1;
    }
    if (impl_->port <= 0) {
        error = "Impossible d'ouvrir l'adresse " + host + ":" + std::to_string(where.port) +
            " (port déjà utilisé par un autre programme ou adresse absente de ce PC).";
        impl_->server.reset();
        return false;
    }
    impl_->listener = std::thread([server = impl_->server.get()] { server->listen_after_bind(); });
    return true;
}

void LiveServer::stop()
{
    if (!impl_->server)
        return;
    impl_->stopping = true;
    impl_->server->stop();
    if (impl_->listener.joinable())
        impl_->listener.join();
    impl_->server.reset();
    impl_->port = 0;
}

bool LiveServer::running() const
{
    return impl_->server != nullptr;
}

int LiveServer::port() const
{
    return impl_->port;
}

int LiveServer::streams() const
{
    return impl_->streams.load();
}

} // namespace ksy
