// The heat's 10 ms tick, with the publish of the live results after it,
// while 200 phones follow the heat over server-sent events. The counters
// give the tick's percentiles in microseconds (the bound is 50 µs at p99).
#include "live/live_feed.h"
#include "platform/live_server.h"
#include "tests/platform/stepped_heat.h"
#include "steady.h"

#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace ksy;

int openStream(int port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a {};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<std::uint16_t>(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
        ::close(fd);
        return -1;
    }
    const char request[] = "GET /evenements HTTP/1.1\r\nHost: bench\r\n\r\n";
    if (::send(fd, request, sizeof request - 1, MSG_NOSIGNAL) < 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

void BM_TickWhile200PhonesFollowTheHeat(benchmark::State& state)
{
    LiveFeed feed;
    LiveServerLimits limits;
    limits.maxPerAddress = 1000; // the 200 phones all come from loopback
    LiveServer server(feed, limits);
    std::string error;
    if (!server.start({"127.0.0.1", 0}, error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    std::vector<pollfd> phones;
    for (int i = 0; i < 200; ++i)
        phones.push_back({openStream(server.port()), POLLIN, 0});
    std::atomic<bool> done {false};
    std::atomic<long> bytes {0};
    std::thread reading([&] {
        char buffer[65536];
        while (!done) {
            if (::poll(phones.data(), phones.size(), 10) <= 0)
                continue;
            for (pollfd& p : phones)
                if (p.revents & POLLIN)
                    bytes += ::recv(p.fd, buffer, sizeof buffer, 0);
        }
    });

    // A 20-minute heat, a car crossing the line every second.
    test::SteppedHeat heat(20);
    std::uint64_t published = heat.run().changeCount();
    std::vector<double> micros;
    micros.reserve(130000);
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        heat.tick();
        if (heat.run().changeCount() != published) {
            published = heat.run().changeCount();
            feed.publishHeat(heat.board());
        }
        micros.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                .count());
    }
    done = true;
    reading.join();
    for (const pollfd& p : phones)
        ::close(p.fd);
    std::sort(micros.begin(), micros.end());
    const auto at = [&](double q) {
        return micros[static_cast<std::size_t>(q * (micros.size() - 1))];
    };
    state.counters["p50_us"] = at(0.50);
    state.counters["p99_us"] = at(0.99);
    state.counters["max_us"] = micros.back();
    state.counters["streams"] = server.streams();
    state.counters["MB_sent"] = static_cast<double>(bytes) / 1e6;
}
// A fixed count of ticks: the whole 20-minute heat, repeated.
BENCHMARK(BM_TickWhile200PhonesFollowTheHeat)
    ->Iterations(120000)
    ->Unit(benchmark::kMicrosecond)
    ->Apply(ksy::bench::repeated);

} // namespace
