#pragma once
// A live server on a free loopback port with its own feed, for the web server
// tests.
#include "live/live_feed.h"
#include "platform/live_server.h"

#include <gtest/gtest.h>
#include <string>

namespace ksy::test {

struct Serving {
    explicit Serving(LiveServerLimits limits = {})
        : server(feed, limits)
    {
        std::string error;
        EXPECT_TRUE(server.start({"127.0.0.1", 0}, error)) << error;
    }
    int port() const { return server.port(); }

    LiveFeed feed;
    LiveServer server;
};

} // namespace ksy::test
