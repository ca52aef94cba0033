#include "live/live_feed.h"
#include "live/live_settings.h"
#include "live/live_settings_form.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

using namespace ksy;

TEST(LiveSettings, AddressesAndPortsAsTypedOnTheCommandLine)
{
    struct Case {
        const char* text;
        std::optional<ServeAddress> expected;
    };
    const Case cases[] = {
        {"8080", ServeAddress {"0.0.0.0", 8080}},
        {"192.168.1.10:80", ServeAddress {"192.168.1.10", 80}},
        {"*:9000", ServeAddress {"0.0.0.0", 9000}},
        {"127.0.0.1:65535", ServeAddress {"127.0.0.1", 65535}},
        {"0", std::nullopt},
        {"65536", std::nullopt},
        {"80a", std::nullopt},
        {"", std::nullopt},
        {"192.168.1:80", std::nullopt},
        {"192.168.1.256:80", std::nullopt},
        {"192.168.01.1:80", std::nullopt},
        {"localhost:80", std::nullopt},
        {":80", std::nullopt},
        {"1.2.3.4:", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseServeAddress(c.text), c.expected) << c.text;
}

TEST(LiveSettings, FileIsOffByDefaultAndKeepsWhatTheDialogConfirmed)
{
    test::TempDir dir;
    const auto file = dir.path() / "RéglagesDirect.rg";
    EXPECT_EQ(readLiveSettings(file), LiveSettings {});
    EXPECT_FALSE(LiveSettings {}.enabled);

    LiveSettingsForm form(LiveSettings {});
    form.setEnabled(true);
    form.setAddress("192.168.1.300");
    std::string error;
    EXPECT_FALSE(form.confirm(error));
    EXPECT_NE(error.find("Adresse invalide"), std::string::npos);
    form.setAddress("192.168.1.30");
    form.setPort("99999");
    EXPECT_FALSE(form.confirm(error));
    EXPECT_NE(error.find("Port invalide"), std::string::npos);
    form.setPort("8081");
    const auto chosen = form.confirm(error);
    ASSERT_TRUE(chosen);
    ASSERT_TRUE(writeLiveSettings(file, *chosen));
    EXPECT_EQ(
        test::readFile(file), "DIRECTACTIF\toui\nDIRECTADRESSE\t192.168.1.30\nDIRECTPORT\t8081\n");
    EXPECT_EQ(readLiveSettings(file), *chosen);

    // Turning it off with a half-typed port keeps the old address.
    LiveSettingsForm off(*chosen);
    off.setEnabled(false);
    off.setPort("");
    const auto kept = off.confirm(error);
    ASSERT_TRUE(kept);
    EXPECT_FALSE(kept->enabled);
    EXPECT_EQ(kept->where, chosen->where);

    // A hand-edited file: bad lines keep the defaults, CR LF is read.
    const LiveSettings odd =
        parseLiveSettings("DIRECTACTIF\tpeut-etre\r\nDIRECTPORT\t0\r\nDIRECTADRESSE\t10.0.0.1\r\n");
    EXPECT_EQ(odd, (LiveSettings {false, {"10.0.0.1", 8080}}));
}

TEST(LiveFeed, ReadersSeeEachPublishedHeatRenderedOnceAndTheRaceBytes)
{
    LiveFeed feed;
    EXPECT_EQ(feed.heat()->version, 0u);
    EXPECT_EQ(feed.race()->version, 0u);
    BoardInputs heat;
    heat.heatTitle = "Série 1";
    feed.publishHeat(heat);
    const auto first = feed.waitHeatAfter(0, std::chrono::seconds(10));
    ASSERT_EQ(first->version, 1u);
    EXPECT_EQ(first->heat.heatTitle, "Série 1");
    EXPECT_NE(first->json.find("\"titre\":\"Série 1\""), std::string::npos);
    // Nothing new: the wait ends at its timeout with the same heat.
    EXPECT_EQ(feed.waitHeatAfter(1, std::chrono::milliseconds(1))->version, 1u);

    feed.publishRace("Cat\xE9gorie");
    EXPECT_EQ(feed.race()->version, 1u);
    EXPECT_EQ(feed.race()->bytes, "Cat\xE9gorie");

    // A closed feed releases its waiters at once.
    feed.close();
    EXPECT_EQ(feed.waitHeatAfter(1, std::chrono::hours(1))->version, 1u);
}
