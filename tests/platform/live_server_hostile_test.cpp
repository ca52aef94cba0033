// The live results' server under the clients of a public beach network:
// header floods, trickled requests, piles of ranges, with the heat's tick
// timed meanwhile. Loopback only, bounded in count and time.
#include "live/heat_page.h"
#include "live/live_feed.h"
#include "platform/live_server.h"
#include "raw_client.h"
#include "serving.h"
#include "stepped_heat.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iostream>
#include <iterator>
#include <memory>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <vector>

using namespace ksy;
using namespace std::chrono_literals;
using test::exchange;
using test::RawClient;
using test::Serving;
using test::statusOf;

namespace {

using SteadyClock = std::chrono::steady_clock;

std::string request(const std::string& extra = "", const std::string& target = "/")
{
    return "GET " + target + " HTTP/1.1\r\nHost: kestrel\r\nConnection: close\r\n" + extra + "\r\n";
}

int threadCount()
{
    return static_cast<int>(std::distance(std::filesystem::directory_iterator("/proc/self/task"),
        std::filesystem::directory_iterator {}));
}

long residentKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return 0;
}

// Sends up to `total` bytes of tiny header lines after a request line, as
// fast as the server takes them; stops when the server closes. The bytes sent.
std::size_t floodHeaders(int port, std::size_t total, SteadyClock::time_point deadline)
{
    static const std::string chunk = [] {
        std::string c;
        while (c.size() < 64 * 1024)
            c += "a:b\r\n";
        return c;
    }();
    RawClient c(port);
    if (!c.send("GET / HTTP/1.1\r\nHost: kestrel\r\n"))
        return 0;
    std::size_t sent = 0;
    while (sent < total && SteadyClock::now() < deadline) {
        pollfd p {c.fd(), POLLOUT, 0};
        if (::poll(&p, 1, 100) <= 0)
            continue;
        if (p.revents & (POLLERR | POLLHUP))
            break;
        const ssize_t n = ::send(c.fd(), chunk.data(), chunk.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n < 0 && errno != EAGAIN)
            break;
        if (n > 0)
            sent += static_cast<std::size_t>(n);
    }
    return sent;
}

// Opens connections that send half a request and then one byte now and
// then, as a hostile client does to hold a server's connections.
struct Tricklers {
    Tricklers(int port, int count)
    {
        for (int i = 0; i < count; ++i) {
            clients.push_back(std::make_unique<RawClient>(port));
            clients.back()->send("GET / HTTP/1.1\r\nHost: kestrel\r\nX-Slow: ");
        }
    }
    // One byte more on each connection still open; the number still open.
    int trickle()
    {
        int open = 0;
        for (auto& c : clients)
            if (c->readSome(0ms) && c->received.empty() && c->send("x"))
                ++open;
        return open;
    }
    std::vector<std::unique_ptr<RawClient>> clients;
};

} // namespace

TEST(LiveServerHostile, HeaderFloodsAreRefusedEarlyAndCostNoMemory)
{
    Serving s;
    // Headers that never end: refused before 64 KB were sent.
    {
        RawClient c(s.port());
        std::string lines;
        while (lines.size() < 64 * 1024 - 100)
            lines += "a:b\r\n";
        ASSERT_TRUE(c.send("GET / HTTP/1.1\r\nHost: kestrel\r\n" + lines));
        c.readAll(5s);
        EXPECT_EQ(statusOf(c.received), 431) << c.received.substr(0, 100);
    }
    // One line past the limit, and many small ones past it in total.
    EXPECT_EQ(
        statusOf(exchange(s.port(), request("X-Big: " + std::string(9000, 'b') + "\r\n"))), 431);
    std::string many;
    for (int i = 0; i < 300; ++i)
        many += "X-H" + std::to_string(i) + ": " + std::string(24, 'v') + "\r\n";
    EXPECT_EQ(statusOf(exchange(s.port(), request(many))), 431);
    // Headers a browser really sends still pass.
    EXPECT_EQ(statusOf(exchange(s.port(),
                  request("User-Agent: " + std::string(300, 'u') +
                      "\r\nCookie: " + std::string(2000, 'c') + "\r\n"))),
        200);

    // Four floods of 20 MB at once: the program barely grows.
    const long before = residentKilobytes();
    const auto deadline = SteadyClock::now() + 30s;
    std::vector<std::thread> floods;
    std::atomic<std::size_t> sent {0};
    for (int i = 0; i < 4; ++i)
        floods.emplace_back([&] { sent += floodHeaders(s.port(), 20u << 20, deadline); });
    for (auto& t : floods)
        t.join();
    const long grown = residentKilobytes() - before;
    RecordProperty("flood_growth_kb", std::to_string(grown));
    std::cout << "header floods: " << sent / 1024 << " KB sent before the server closed, "
              << "resident memory grew by " << grown << " KB\n";
    EXPECT_LT(grown, 16 * 1024);
    EXPECT_EQ(statusOf(exchange(s.port(), request())), 200);
}

TEST(LiveServerHostile, TrickledRequestsLockNobodyOutAndAreDropped)
{
    LiveServerLimits limits;
    limits.maxPerAddress = 1000; // all 400 from one address are held
    limits.requestTimeout = 2000ms;
    Serving s(limits);
    const int threads = threadCount();
    Tricklers slow(s.port(), 400);
    ASSERT_EQ(slow.trickle(), 400);
    // The server's threads are the same few, however many connections.
    EXPECT_EQ(threadCount(), threads);

    const auto start = SteadyClock::now();
    const std::string probe = exchange(s.port(), request());
    const auto took = SteadyClock::now() - start;
    EXPECT_EQ(statusOf(probe), 200);
    EXPECT_LT(took, 2s);
    std::cout << "probe answered in "
              << std::chrono::duration_cast<std::chrono::milliseconds>(took).count()
              << " ms beside 400 trickling connections\n";

    // However steadily they trickle, they are dropped once their time is up.
    const auto limit = SteadyClock::now() + 20s;
    int open = 400;
    while (open > 0 && SteadyClock::now() < limit) {
        open = slow.trickle();
        // The wait between bytes is the first connection's own.
        slow.clients.front()->readSome(100ms);
    }
    EXPECT_EQ(open, 0);
    // Every one of them is forgotten: none still counts against its address.
    const auto forgotten = SteadyClock::now() + 5s;
    while (s.server.connections() > 0 && SteadyClock::now() < forgotten)
        std::this_thread::yield();
    EXPECT_EQ(s.server.connections(), 0);
}

TEST(LiveServerHostile, ConnectionsBeyondTheCapsGet503AndOtherPhonesStillGetIn)
{
    LiveServerLimits limits;
    limits.maxPerAddress = 4;
    limits.maxConnections = 6;
    Serving s(limits);
    Tricklers held(s.port(), 4);
    ASSERT_EQ(held.trickle(), 4);
    // The server takes connections on its own threads: count them in first.
    const auto taken = SteadyClock::now() + 5s;
    while (s.server.connections() < 4 && SteadyClock::now() < taken)
        std::this_thread::yield();
    const auto start = SteadyClock::now();
    const std::string refused = exchange(s.port(), request());
    EXPECT_EQ(statusOf(refused), 503);
    EXPECT_LT(SteadyClock::now() - start, 2s);
    EXPECT_NE(refused.find("Trop de connexions"), std::string::npos);

    // Another phone is not held back by the first one's connections...
    RawClient other(s.port(), 0, "127.0.0.2");
    ASSERT_TRUE(other.send(request()));
    other.readAll(5s);
    EXPECT_EQ(statusOf(other.received), 200);
    const auto released = SteadyClock::now() + 5s;
    while (s.server.connections() > 4 && SteadyClock::now() < released)
        std::this_thread::yield();
    // ...until the server is full.
    RawClient sixth(s.port(), 0, "127.0.0.3");
    ASSERT_TRUE(sixth.send("GET / HTTP/1.1\r\nHost: kestrel\r\n"));
    RawClient another(s.port(), 0, "127.0.0.4");
    ASSERT_TRUE(another.send("GET / HTTP/1.1\r\nHost: kestrel\r\nX: "));
    // The seventh must come after the sixth has been counted, not merely sent.
    const auto counted = SteadyClock::now() + 5s;
    while (s.server.connections() < limits.maxConnections && SteadyClock::now() < counted)
        std::this_thread::yield();
    RawClient seventh(s.port(), 0, "127.0.0.5");
    seventh.send(request());
    seventh.readAll(5s);
    EXPECT_EQ(statusOf(seventh.received), 503);
}

TEST(LiveServerHostile, ManyRangesCostOneBodyAtMost)
{
    Serving s;
    const std::string whole = exchange(s.port(), request("", "/style.css"));
    ASSERT_EQ(statusOf(whole), 200);
    std::string ranges = "Range: bytes=0-";
    for (int i = 1; i < 2000; ++i)
        ranges += ",0-";
    const std::string many = exchange(s.port(), request(ranges + "\r\n", "/style.css"));
    EXPECT_EQ(statusOf(many), 200);
    EXPECT_LT(many.size(), whole.size() + 200);
    EXPECT_EQ(many.find("Content-Range"), std::string::npos);
    const std::string one = exchange(s.port(), request("Range: bytes=0-10\r\n", "/style.css"));
    EXPECT_EQ(statusOf(one), 200);
    EXPECT_EQ(one.size(), whole.size());
    EXPECT_EQ(one.find("Content-Range"), std::string::npos);
}

// The heat is timed tick by tick while floods, trickles and ranges hit the
// server: the tick never waits on it.
TEST(LiveServerHostile, TheTickKeepsItsPaceUnderAttack)
{
    LiveServerLimits limits;
    limits.requestTimeout = 1000ms;
    Serving s(limits);
    std::atomic<bool> attacked {false};
    std::thread attacker([&] {
        const auto deadline = SteadyClock::now() + 20s;
        std::vector<std::thread> floods;
        for (int i = 0; i < 2; ++i)
            floods.emplace_back([&] { floodHeaders(s.port(), 20u << 20, deadline); });
        Tricklers slow(s.port(), 400);
        std::string ranges = "Range: bytes=0-";
        for (int i = 1; i < 2000; ++i)
            ranges += ",0-";
        // Until the trickling connections are dropped, with ranges and
        // forged methods in between.
        while (slow.trickle() > 0 && SteadyClock::now() < deadline) {
            exchange(s.port(), request(ranges + "\r\n", "/direct.js"));
            exchange(s.port(), "BREW / HTTP/1.1\r\nHost: k\r\n\r\n");
        }
        for (auto& t : floods)
            t.join();
        attacked = true;
    });

    test::SteppedHeat heat(60);
    std::vector<double> micros;
    std::uint64_t published = heat.run().changeCount();
    while (!attacked && heat.running()) {
        const auto start = SteadyClock::now();
        heat.tick();
        if (heat.run().changeCount() != published) {
            published = heat.run().changeCount();
            s.feed.publishHeat(heat.board());
        }
        micros.push_back(
            std::chrono::duration<double, std::micro>(SteadyClock::now() - start).count());
    }
    attacker.join();
    ASSERT_GT(micros.size(), 100u);
    std::sort(micros.begin(), micros.end());
    const double p99 = micros[micros.size() * 99 / 100];
    RecordProperty("tick_p99_us", std::to_string(p99));
    std::cout << micros.size() << " ticks under attack: p99 " << p99 << " us, max " << micros.back()
              << " us\n";
    // The benchmark holds the real bound; here the machine is shared.
    EXPECT_LT(p99, 1000.0);
    // The server still answers.
    const std::string api = exchange(s.port(), request("", "/api/direct"));
    EXPECT_EQ(statusOf(api), 200);
    EXPECT_NE(api.find("\"version\":"), std::string::npos);
}
