#include "live/heat_page.h"
#include "live/live_feed.h"
#include "platform/live_server.h"
#include "raw_client.h"
#include "serving.h"
#include "stepped_heat.h"

#include <algorithm>
#include <atomic>
#include <gtest/gtest.h>
#include <iostream>
#include <memory>
#include <poll.h>
#include <thread>
#include <vector>

using namespace ksy;
using namespace std::chrono_literals;
using test::exchange;
using test::RawClient;
using test::Serving;
using test::statusOf;

namespace {

// Waits, without sleeping, until the condition holds or the deadline passes.
template <class Condition> bool eventually(Condition condition, std::chrono::seconds limit = 10s)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::yield();
    }
    return true;
}

std::string get(const std::string& method, const std::string& target, const std::string& extra = "")
{
    return method + " " + target + " HTTP/1.1\r\nHost: kestrel\r\nConnection: close\r\n" + extra +
        "\r\n";
}

} // namespace

TEST(LiveServer, AnswersReadsAndRefusesEverythingElseCleanly)
{
    Serving s;
    const std::string page = exchange(s.port(), get("GET", "/"));
    EXPECT_EQ(statusOf(page), 200);
    EXPECT_NE(page.find("Content-Security-Policy: default-src 'self'"), std::string::npos);
    EXPECT_NE(page.find("<html lang=\"fr\">"), std::string::npos);
    const std::string head = exchange(s.port(), get("HEAD", "/api/direct"));
    EXPECT_EQ(statusOf(head), 200);
    EXPECT_EQ(head.find("{\"version\""), std::string::npos);

    for (const char* method : {"POST", "PUT", "DELETE", "PATCH", "OPTIONS", "TRACE"}) {
        const std::string r =
            exchange(s.port(), get(method, "/", "Content-Length: 5\r\n") + "hello");
        EXPECT_EQ(statusOf(r), 405) << method;
        EXPECT_NE(r.find("Allow: GET, HEAD"), std::string::npos) << method;
    }
    struct Case {
        std::string request;
        int status;
        bool ownPage = true; // refused by the library itself: its own short page
    };
    const Case cases[] = {
        {get("GET", "/" + std::string(600, 'a')), 414},
        {get("GET", "/",
             "X-Big: " + std::string(8000, 'b') + "\r\nX-More: " + std::string(8000, 'c') + "\r\n"),
            431},
        {get("GET", "/", "Content-Length: 10\r\n") + "0123456789", 413},
        {get("GET", "/../../etc/passwd"), 404},
        {get("GET", "/%2e%2e/%2e%2e/etc/passwd"), 404},
        {get("GET", "/categorie/1/manche/1/serie/1"), 404},
        {"BREW / HTTP/1.1\r\nHost: x\r\n\r\n", 405},
        {"get / HTTP/1.1\r\nHost: x\r\n\r\n", 405},
        {get("GET", "/", "Content-Length: 0\r\nContent-Length: 0\r\n"), 400},
        {get("GET", "/", "Transfer-Encoding: chunked\r\n") + "5\r\nhello\r\n0\r\n\r\n", 413},
        {"GET / HTTP/1.1\r\n\r\n", 400, false},
    };
    for (const Case& c : cases) {
        const auto start = std::chrono::steady_clock::now();
        const std::string r = exchange(s.port(), c.request);
        // Refused at once, not after a read timeout.
        EXPECT_LT(std::chrono::steady_clock::now() - start, 1500ms) << c.request.substr(0, 40);
        EXPECT_EQ(statusOf(r), c.status) << c.request.substr(0, 40);
        if (statusOf(r) >= 400 && c.ownPage) {
            EXPECT_NE(r.find("charset=utf-8"), std::string::npos) << r.substr(0, 200);
        }
    }
}

// What a browser and a cache rely on: HEAD says what GET would, a range
// request gets the whole document once, and garbage never reaches a page.
TEST(LiveServer, HeadAndRangeAnswerAsGetDoes)
{
    Serving s;
    const auto headers = [](const std::string& r) {
        std::string h = r.substr(0, r.find("\r\n\r\n") + 4);
        const auto date = h.find("Date: ");
        if (date != std::string::npos)
            h.erase(date, h.find("\r\n", date) + 2 - date);
        return h;
    };
    for (const char* path : {"/", "/style.css", "/api/direct", "/resultats"}) {
        const std::string full = exchange(s.port(), get("GET", path));
        const std::string head = exchange(s.port(), get("HEAD", path));
        EXPECT_EQ(statusOf(full), 200) << path;
        EXPECT_EQ(headers(head), headers(full)) << path;
        EXPECT_EQ(head.find("\r\n\r\n") + 4, head.size()) << path; // no body
        EXPECT_NE(full.find("Content-Length: "), std::string::npos) << path;

        const std::string ranged = exchange(s.port(), get("GET", path, "Range: bytes=0-10\r\n"));
        EXPECT_EQ(statusOf(ranged), 200) << path;
        EXPECT_EQ(ranged.size(), full.size()) << path;
        EXPECT_EQ(ranged.find("Content-Range"), std::string::npos) << path;
    }
}

// A phone asks for the page, its stylesheet and its script on one
// connection: each answer leaves the connection open for the next.
TEST(LiveServer, OneConnectionServesRequestAfterRequest)
{
    Serving s;
    RawClient phone(s.port());
    for (const char* path : {"/", "/style.css", "/direct.js", "/api/direct"}) {
        phone.received.clear();
        ASSERT_TRUE(phone.send(std::string("GET ") + path + " HTTP/1.1\r\nHost: kestrel\r\n\r\n"))
            << path;
        const auto complete = [&] {
            const auto end = phone.received.find("\r\n\r\n");
            const auto length = phone.received.find("Content-Length: ");
            return end != std::string::npos && length != std::string::npos &&
                phone.received.size() >=
                end + 4 + std::stoul(phone.received.substr(length + 16));
        };
        ASSERT_TRUE(eventually([&] { return phone.readSome(10ms) && complete(); })) << path;
        EXPECT_EQ(statusOf(phone.received), 200) << path;
        EXPECT_EQ(phone.received.find("Connection: close"), std::string::npos) << path;
    }
}

TEST(LiveServer, SlowReadersAreDroppedAndStreamsBeyondTheCapRefused)
{
    LiveServerLimits limits;
    limits.maxStreams = 2;
    limits.eventInterval = 0ms;
    limits.idleTimeout = 1s;
    Serving s(limits);
    RawClient slow(s.port(), 1024);
    RawClient reader(s.port());
    ASSERT_TRUE(slow.send(get("GET", "/evenements")) && reader.send(get("GET", "/evenements")));
    ASSERT_TRUE(eventually([&] { return s.server.streams() == 2; }));
    const std::string third = exchange(s.port(), get("GET", "/evenements"));
    EXPECT_EQ(statusOf(third), 503);

    // Big heats, published as fast as they render: the slow client's socket
    // fills and it is dropped; the reader keeps up and stays.
    BoardInputs big;
    big.heatTitle = std::string(64 * 1024, 'x');
    std::uint64_t published = 0;
    ASSERT_TRUE(eventually(
        [&] {
            big.durationText = std::to_string(++published);
            s.feed.publishHeat(big);
            reader.readSome(1ms);
            reader.received.clear();
            return s.server.streams() == 1;
        },
        30s));
    EXPECT_TRUE(reader.readSome(100ms));
}

TEST(LiveServer, TwoHundredPhonesFollowAReplayedHeatWhileTheTickIsTimed)
{
    LiveServerLimits limits;
    limits.maxPerAddress = 1000; // all the phones are on loopback
    Serving s(limits);
    std::vector<std::unique_ptr<RawClient>> phones;
    for (int i = 0; i < 200; ++i) {
        phones.push_back(std::make_unique<RawClient>(s.port()));
        ASSERT_TRUE(phones.back()->send(get("GET", "/evenements")));
    }
    ASSERT_TRUE(eventually([&] { return s.server.streams() == 200; }));

    // The phones read on their own thread, as phones would.
    std::atomic<bool> done {false};
    std::thread reading([&] {
        std::vector<pollfd> fds;
        for (const auto& p : phones)
            fds.push_back({p->fd(), POLLIN, 0});
        while (!done) {
            if (::poll(fds.data(), fds.size(), 10) <= 0)
                continue;
            for (std::size_t i = 0; i < fds.size(); ++i)
                if (fds[i].revents & POLLIN) {
                    phones[i]->readSome(0ms);
                    // Keep only the tail: the last event is what counts.
                    auto& r = phones[i]->received;
                    if (r.size() > 200000)
                        r.erase(0, r.size() - 100000);
                }
        }
    });

    // A one-minute heat, a passing every second: the tick and the publish
    // after it are timed together, as the window runs them.
    test::SteppedHeat heat(1);
    std::vector<double> micros;
    std::uint64_t published = heat.run().changeCount();
    while (heat.running()) {
        const auto start = std::chrono::steady_clock::now();
        heat.tick();
        if (heat.run().changeCount() != published) {
            published = heat.run().changeCount();
            s.feed.publishHeat(heat.board());
        }
        micros.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                .count());
    }
    ASSERT_GT(micros.size(), 6000u);
    std::sort(micros.begin(), micros.end());
    const double p99 = micros[micros.size() * 99 / 100];
    RecordProperty("tick_p99_us", std::to_string(p99));
    std::cout << "tick p99 " << p99 << " us, max " << micros.back() << " us\n";
    // The benchmark holds the real bound; here the machine is shared with
    // the builds of the whole suite.
    EXPECT_LT(p99, 1000.0);

    done = true;
    reading.join();

    // Every phone ends with the last state of the heat: no passing lost.
    const auto rendered = [&] {
        const auto h = s.feed.heat();
        return h->json == liveHeatJson(heat.board(), h->version);
    };
    ASSERT_TRUE(eventually(rendered));
    const std::string last = "data: " + s.feed.heat()->json + "\n\n";
    EXPECT_TRUE(eventually([&] {
        return std::all_of(phones.begin(), phones.end(), [&](const auto& p) {
            p->readSome(0ms);
            const auto& r = p->received;
            // The event ends the last chunk of the stream.
            return r.size() >= last.size() + 2 &&
                r.compare(r.size() - last.size() - 2, last.size() + 2, last + "\r\n") == 0;
        });
    }));
}
