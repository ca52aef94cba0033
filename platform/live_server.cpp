#include "platform/live_server.h"

#include "live/site_routes.h"
#include "platform/connection_guard.h"
#include "services/translate.h"

#include <arpa/inet.h>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <microhttpd.h>
#include <mutex>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace ksy {

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* kSecurityHeaders[][2] = {
    {"X-Content-Type-Options", "nosniff"},
    {"Content-Security-Policy", "default-src 'self'; object-src 'none'; frame-ancestors 'none'"},
    {"Referrer-Policy", "no-referrer"},
    {"Access-Control-Allow-Origin", "*"},
};

void addCommonHeaders(MHD_Response* r)
{
    for (const auto& h : kSecurityHeaders)
        MHD_add_response_header(r, h[0], h[1]);
}

MHD_Result queue(MHD_Connection* c, const WebResponse& w)
{
    MHD_Response* r = MHD_create_response_from_buffer(
        w.body.size(), const_cast<char*>(w.body.data()), MHD_RESPMEM_MUST_COPY);
    if (!r)
        return MHD_NO;
    addCommonHeaders(r);
    MHD_add_response_header(r, MHD_HTTP_HEADER_CONTENT_TYPE, w.contentType.c_str());
    if (w.status == 200)
        MHD_add_response_header(r, MHD_HTTP_HEADER_CACHE_CONTROL, "no-store");
    if (w.status == 405)
        MHD_add_response_header(r, MHD_HTTP_HEADER_ALLOW, "GET, HEAD");
    if (w.status == 503)
        MHD_add_response_header(r, MHD_HTTP_HEADER_RETRY_AFTER, "2");
    // After a refusal the rest of what the client sent is not read.
    if (w.status >= 400)
        MHD_add_response_header(r, MHD_HTTP_HEADER_CONNECTION, "close");
    const MHD_Result done = MHD_queue_response(c, static_cast<unsigned>(w.status), r);
    MHD_destroy_response(r);
    return done;
}

// What the request's headers say about its size and body.
struct HeaderTally {
    std::size_t bytes = 0;
    int contentLengths = 0;
    bool announcesBody = false;
};

MHD_Result tally(void* cls, MHD_ValueKind, const char* key, const char* value)
{
    auto& t = *static_cast<HeaderTally*>(cls);
    const std::size_t valueSize = value ? std::strlen(value) : 0;
    t.bytes += std::strlen(key) + valueSize + 4;
    if (strcasecmp(key, MHD_HTTP_HEADER_CONTENT_LENGTH) == 0) {
        ++t.contentLengths;
        if (!value || std::strspn(value, "0") != valueSize)
            t.announcesBody = true;
    } else if (strcasecmp(key, MHD_HTTP_HEADER_TRANSFER_ENCODING) == 0) {
        t.announcesBody = true;
    }
    return MHD_YES;
}

std::string addressOf(const sockaddr* a)
{
    char text[INET6_ADDRSTRLEN] = {};
    if (a && a->sa_family == AF_INET)
        ::inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(a)->sin_addr, text, sizeof text);
    else if (a && a->sa_family == AF_INET6)
        ::inet_ntop(
            AF_INET6, &reinterpret_cast<const sockaddr_in6*>(a)->sin6_addr, text, sizeof text);
    return text;
}

// The answer to a connection one too many, written before anything is read
// from it: it holds no memory of the server's and is shut at once.
std::string tooManyAnswer()
{
    const WebResponse w = errorResponse(503);
    return "HTTP/1.1 503 Service Unavailable\r\nContent-Type: " + w.contentType +
        "\r\nContent-Length: " + std::to_string(w.body.size()) +
        "\r\nRetry-After: 2\r\nConnection: close\r\n\r\n" + w.body;
}

std::string today()
{
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    ::localtime_r(&now, &local);
    char text[48];
    std::snprintf(
        text, sizeof text, "%02d/%02d/%04d", local.tm_mday, local.tm_mon + 1, local.tm_year + 1900);
    return text;
}

} // namespace

struct LiveServer::Impl {
    Impl(LiveFeed& f, LiveServerLimits l)
        : feed(f)
        , limits(l)
    {
    }

    ~Impl()
    {
        std::error_code ec;
        std::filesystem::remove(rankingCopy, ec);
    }

    // One event stream: the event being written and what was sent last.
    struct Stream {
        Impl* server = nullptr;
        MHD_Connection* connection = nullptr;
        std::string text;
        std::size_t offset = 0;
        std::uint64_t sent = ~0ULL;
        Clock::time_point lastWrite = Clock::now();
    };

    LiveFeed& feed;
    const LiveServerLimits limits;
    MHD_Daemon* daemon = nullptr;
    std::unique_ptr<ConnectionGuard> guard;
    std::atomic<int> streams {0};
    int port = 0;
    const std::string refusal = tooManyAnswer();

    // Streams with nothing to send wait here, suspended, until the one
    // thread that watches the feed resumes them all.
    std::mutex parkMutex;
    std::vector<MHD_Connection*> parked;
    std::atomic<bool> stopping {false};
    std::condition_variable stopChanged;
    std::thread watcher;

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
            // Before any heat has run, the race's day is today.
            if (fresh->heading.date.empty())
                fresh->heading.date = today();
            site = std::move(fresh);
            siteVersion = race->version;
        }
        return site;
    }

    MHD_Result request(MHD_Connection* c, const char* url, const char* method,
        std::size_t bodyBytes, void** state);
    MHD_Result page(MHD_Connection* c, const char* url);
    MHD_Result eventStream(MHD_Connection* c);
    ssize_t streamBytes(Stream& s, char* buffer, std::size_t max);
    void resumeParked();
    void watch();

    static MHD_Result onRequest(void* cls, MHD_Connection* c, const char* url, const char* method,
        const char*, const char*, std::size_t* bodyBytes, void** state)
    {
        return static_cast<Impl*>(cls)->request(c, url, method, *bodyBytes, state);
    }
    static void onConnection(
        void* cls, MHD_Connection* c, void** context, MHD_ConnectionNotificationCode what);
    static void onCompleted(void* cls, MHD_Connection* c, void**, MHD_RequestTerminationCode)
    {
        static_cast<Impl*>(cls)->guard->answered(c, Clock::now());
    }
};

void LiveServer::Impl::onConnection(
    void* cls, MHD_Connection* c, void** context, MHD_ConnectionNotificationCode what)
{
    Impl& self = *static_cast<Impl*>(cls);
    if (what == MHD_CONNECTION_NOTIFY_CLOSED) {
        if (*context)
            self.guard->closed(c);
        return;
    }
    const MHD_ConnectionInfo* fd = MHD_get_connection_info(c, MHD_CONNECTION_INFO_CONNECTION_FD);
    const MHD_ConnectionInfo* from = MHD_get_connection_info(c, MHD_CONNECTION_INFO_CLIENT_ADDRESS);
    if (!fd)
        return;
    *context = &self; // counted: uncounted when closed
    if (self.guard->opened(
            c, fd->connect_fd, addressOf(from ? from->client_addr : nullptr), Clock::now()))
        return;
    // One too many: told so, and its socket shut so that the server drops it.
    [[maybe_unused]] const ssize_t n = ::send(
        fd->connect_fd, self.refusal.data(), self.refusal.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
    ::shutdown(fd->connect_fd, SHUT_RDWR);
}

MHD_Result LiveServer::Impl::request(
    MHD_Connection* c, const char* url, const char* method, std::size_t bodyBytes, void** state)
{
    // First call, once the headers are in: a refusal is answered at once and
    // the connection closed with it, since the answer never depends on a body.
    if (!*state) {
        *state = this;
        guard->requestRead(c);
        HeaderTally t;
        MHD_get_connection_values(c, MHD_HEADER_KIND, tally, &t);
        if (t.contentLengths > 1)
            return queue(c, errorResponse(400));
        if (const auto refused =
                refuseRequest(method, url, t.bytes + std::strlen(url), t.announcesBody ? 1 : 0))
            return queue(c, *refused);
        return MHD_YES;
    }
    // Second call, the request complete: answered here, the library keeps the
    // connection open for the phone's next request.
    if (bodyBytes != 0)
        return MHD_NO;
    if (std::string_view(url) == kEventStreamPath)
        return eventStream(c);
    return page(c, url);
}

MHD_Result LiveServer::Impl::page(MHD_Connection* c, const char* url)
{
    const auto heat = feed.heat();
    const auto race = currentSite();
    SiteState state;
    state.heat = &heat->heat;
    state.heatVersion = heat->version;
    state.heatJson = &heat->json;
    state.race = race.get();
    return queue(c, routeRequest(url, state));
}

MHD_Result LiveServer::Impl::eventStream(MHD_Connection* c)
{
    if (streams.fetch_add(1) >= limits.maxStreams) {
        streams.fetch_sub(1);
        return queue(c, errorResponse(503));
    }
    auto* s = new Stream;
    s->server = this;
    s->connection = c;
    MHD_Response* r = MHD_create_response_from_callback(
        MHD_SIZE_UNKNOWN, 4096,
        [](void* cls, std::uint64_t, char* buffer, std::size_t max) -> ssize_t {
            auto& stream = *static_cast<Stream*>(cls);
            return stream.server->streamBytes(stream, buffer, max);
        },
        s,
        [](void* cls) {
            auto* stream = static_cast<Stream*>(cls);
            stream->server->streams.fetch_sub(1);
            delete stream;
        });
    if (!r)
        return MHD_NO;
    addCommonHeaders(r);
    MHD_add_response_header(r, MHD_HTTP_HEADER_CONTENT_TYPE, "text/event-stream");
    MHD_add_response_header(r, MHD_HTTP_HEADER_CACHE_CONTROL, "no-store");
    const MHD_Result done = MHD_queue_response(c, MHD_HTTP_OK, r);
    MHD_destroy_response(r);
    return done;
}

ssize_t LiveServer::Impl::streamBytes(Stream& s, char* buffer, std::size_t max)
{
    if (s.offset == s.text.size()) {
        if (stopping)
            return MHD_CONTENT_READER_END_OF_STREAM;
        const auto heat = feed.heat();
        const auto now = Clock::now();
        if (heat->version != s.sent) {
            s.text = (s.sent == ~0ULL ? "retry: 2000\n" : "") + std::string("id: ") +
                std::to_string(heat->version) + "\ndata: " + heat->json + "\n\n";
            s.sent = heat->version;
        } else if (now - s.lastWrite >= limits.keepAliveComment / 2) {
            s.text = ": ok\n\n";
        } else {
            // Nothing to say: parked until the heat changes or the next
            // keep-alive, costing no thread and no poll meanwhile.
            std::lock_guard lock(parkMutex);
            if (stopping)
                return MHD_CONTENT_READER_END_OF_STREAM;
            parked.push_back(s.connection);
            MHD_suspend_connection(s.connection);
            return 0;
        }
        s.offset = 0;
        s.lastWrite = now;
    }
    const std::size_t n = std::min(max, s.text.size() - s.offset);
    std::memcpy(buffer, s.text.data() + s.offset, n);
    s.offset += n;
    return static_cast<ssize_t>(n);
}

void LiveServer::Impl::resumeParked()
{
    std::lock_guard lock(parkMutex);
    for (MHD_Connection* c : parked)
        MHD_resume_connection(c);
    parked.clear();
}

// The one place the event streams are fanned out from, and where overdue
// requests are dropped.
void LiveServer::Impl::watch()
{
    std::uint64_t seen = feed.heat()->version;
    auto lastResume = Clock::now();
    auto lastKeepAlive = lastResume;
    while (!stopping) {
        const auto heat = feed.waitHeatAfter(seen, std::chrono::milliseconds(100));
        if (stopping)
            break;
        auto now = Clock::now();
        if (heat->version != seen && now - lastResume < limits.eventInterval) {
            std::unique_lock lock(parkMutex);
            stopChanged.wait_for(
                lock, limits.eventInterval - (now - lastResume), [&] { return stopping.load(); });
            now = Clock::now();
        }
        const bool keepAlive = now - lastKeepAlive >= limits.keepAliveComment / 2;
        if (heat->version != seen || keepAlive) {
            seen = heat->version;
            lastResume = now;
            if (keepAlive)
                lastKeepAlive = now;
            resumeParked();
        }
        guard->dropOverdue(now);
    }
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
    Impl& d = *impl_;
    const std::string host = where.address.empty() ? std::string(kAllAddresses) : where.address;
    error = fillText(translate("LiveServer",
                         "Impossible d'ouvrir l'adresse %1:%2 (port déjà utilisé par un autre "
                         "programme ou adresse absente de ce PC)."),
        {host, std::to_string(where.port)});
    sockaddr_in bind {};
    bind.sin_family = AF_INET;
    bind.sin_port = htons(static_cast<std::uint16_t>(where.port));
    if (where.port < 0 || where.port > 65535 ||
        ::inet_pton(AF_INET, host.c_str(), &bind.sin_addr) != 1)
        return false;
    // Every connection is a descriptor: room for the caps, not the usual 1024.
    rlimit files {};
    if (::getrlimit(RLIMIT_NOFILE, &files) == 0 && files.rlim_cur < 8192 &&
        files.rlim_cur < files.rlim_max) {
        files.rlim_cur = std::min<rlim_t>(files.rlim_max, 8192);
        ::setrlimit(RLIMIT_NOFILE, &files);
    }
    d.stopping = false;
    d.guard = std::make_unique<ConnectionGuard>(
        d.limits.maxConnections, d.limits.maxPerAddress, d.limits.requestTimeout);
    const auto memory = d.limits.connectionMemory;
    // The library's own ceiling, above ours: beyond it a connection is
    // closed unanswered, below it ours answers 503.
    const auto hardLimit = static_cast<unsigned>(d.limits.maxConnections * 2 + 16);
    d.daemon = MHD_start_daemon(
        MHD_USE_INTERNAL_POLLING_THREAD | MHD_USE_EPOLL | MHD_ALLOW_SUSPEND_RESUME, 0, nullptr,
        nullptr, &Impl::onRequest, &d, MHD_OPTION_SOCK_ADDR, reinterpret_cast<sockaddr*>(&bind),
        MHD_OPTION_THREAD_POOL_SIZE, static_cast<unsigned>(d.limits.threads),
        MHD_OPTION_CONNECTION_MEMORY_LIMIT, memory, MHD_OPTION_CONNECTION_LIMIT, hardLimit,
        MHD_OPTION_CONNECTION_TIMEOUT, static_cast<unsigned>(d.limits.idleTimeout.count()),
        MHD_OPTION_LISTEN_BACKLOG_SIZE, 256u,
        // What the standard demands of a client (a Host header in HTTP/1.1, no
        // space in a header name): browsers comply, a forged request does not.
        MHD_OPTION_STRICT_FOR_CLIENT, 1, MHD_OPTION_NOTIFY_CONNECTION, &Impl::onConnection, &d,
        MHD_OPTION_NOTIFY_COMPLETED, &Impl::onCompleted, &d, MHD_OPTION_END);
    if (!d.daemon) {
        d.guard.reset();
        return false;
    }
    const MHD_DaemonInfo* info = MHD_get_daemon_info(d.daemon, MHD_DAEMON_INFO_BIND_PORT);
    d.port = info ? info->port : where.port;
    d.watcher = std::thread([&d] { d.watch(); });
    error.clear();
    return true;
}

void LiveServer::stop()
{
    Impl& d = *impl_;
    if (!d.daemon)
        return;
    {
        // No stream parks itself once this is set; the parked ones end.
        std::lock_guard lock(d.parkMutex);
        d.stopping = true;
    }
    d.stopChanged.notify_all();
    d.resumeParked();
    if (d.watcher.joinable())
        d.watcher.join();
    MHD_stop_daemon(d.daemon);
    d.daemon = nullptr;
    d.guard.reset();
    d.port = 0;
}

bool LiveServer::running() const
{
    return impl_->daemon != nullptr;
}

int LiveServer::port() const
{
    return impl_->port;
}

int LiveServer::streams() const
{
    return impl_->streams.load();
}

int LiveServer::connections() const
{
    return impl_->guard ? impl_->guard->count() : 0;
}

} // namespace ksy
