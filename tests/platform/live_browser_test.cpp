#include "live/live_feed.h"
#include "platform/live_server.h"

#include <QProcess>
#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>

using namespace ksy;

namespace {

BoardLine line(int place, int slot, std::string name, std::string laps, std::string total,
    std::string gap, std::string last, std::string best)
{
    BoardLine l;
    l.place = std::to_string(place);
    l.slot = " " + std::to_string(slot) + " ";
    l.name = std::move(name);
    l.passingCount = std::move(laps);
    l.totalTime = std::move(total);
    l.gapToLeader = std::move(gap);
    l.lastLap = std::move(last);
    l.bestLap = std::move(best);
    return l;
}

} // namespace

// The page in a real browser at the width of common phones: it follows the
// heat by itself, shows a new passing within a second on a cell the phone
// shows, names stay text (never markup), and nothing needs a sideways scroll,
// even with the longest names and times.
class LiveBrowser : public testing::TestWithParam<std::pair<int, int>> {};

TEST_P(LiveBrowser, APassingAppearsOnThePhoneWithinASecondWithoutSidewaysScroll)
{
    if (!std::filesystem::exists("/usr/bin/chromium") ||
        !std::filesystem::exists("/usr/bin/chromedriver"))
        GTEST_SKIP() << "chromium and chromium-driver are not installed";
    const auto [width, height] = GetParam();
    LiveFeed feed;
    LiveServer server(feed);
    std::string error;
    ASSERT_TRUE(server.start({"127.0.0.1", 0}, error)) << error;

    BoardInputs heat;
    heat.heatTitle = "Tabur 5.80 - Manche1 - Série2 - DEPARTSignalSonore - FINTEMPSCharsVoile";
    heat.durationText = "0:20:00";
    heat.elapsedText = "0:03:12";
    heat.remainingText = "0:16:48";
    heat.countdownText = "";
    // Names as long as a race file holds (39 characters), one without a space.
    heat.rows = {line(1, 4, "Marie-Bénédicte de Kerhervé-Villemarqué", "3", "13:01.250", "",
                     "1:00.110", "59.870"),
        line(2, 1, "<img src=x onerror=alert(1)> \"Zoé\"", "3", "13:04.980", "3.730", "1:01.020",
            "1:00.540"),
        line(3, 7, "Kerhervé-Villemarqué-Lanvaux-Plouarzel1", "2", "59:03.400", "1 tour",
            "11:02.300", "11:01.100")};
    heat.rows[0].holdsHeatBest = true;
    heat.rows[2].finished = true;
    heat.rows[2].newPersonalBest = true;
    feed.publishHeat(heat);

    const auto shot = std::filesystem::temp_directory_path() /
        ("ksy-live-phone-" + std::to_string(width) + ".png");
    QProcess browser;
    browser.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // Debian's Python, which has the Selenium package next to chromium.
    browser.start("/usr/bin/python3",
        {KSY_SOURCE_DIR "/tests/live/browser/live_page.py",
            QString("http://127.0.0.1:%1/").arg(server.port()), "14:02.730",
            QString::fromStdString(shot.string()), QString::number(width),
            QString::number(height)});
    ASSERT_TRUE(browser.waitForStarted());
    // The page is up and follows the heat once its event stream is open.
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (server.streams() == 0 && std::chrono::steady_clock::now() < limit &&
        browser.state() == QProcess::Running)
        browser.waitForReadyRead(20);
    if (browser.state() != QProcess::Running && browser.exitCode() == 77)
        GTEST_SKIP() << "chromium cannot run here";
    ASSERT_EQ(server.streams(), 1);

    heat.elapsedText = "0:04:02";
    heat.rows[1] = line(1, 1, heat.rows[1].name, "4", "14:02.730", "", "57.750", "57.750");
    heat.rows[1].holdsHeatBest = true;
    heat.rows[1].changed = true;
    heat.rows[0].place = "2";
    heat.rows[0].holdsHeatBest = false;
    heat.rows[0].gapToLeader = "1 tour";
    std::swap(heat.rows[0], heat.rows[1]);
    const double published =
        std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
    feed.publishHeat(heat);

    ASSERT_TRUE(browser.waitForFinished(60000));
    const QString out = QString::fromUtf8(browser.readAllStandardOutput());
    ASSERT_EQ(browser.exitCode(), 0) << out.toStdString();
    const int at = out.indexOf("seen ");
    ASSERT_GE(at, 0) << out.toStdString();
    const double seen = out.mid(at + 5, out.indexOf('\n', at) - at - 5).trimmed().toDouble();
    EXPECT_LT(seen - published, 1.0);
    EXPECT_TRUE(out.contains("highlight true")) << out.toStdString();
    const int w = out.indexOf("widths ");
    ASSERT_GE(w, 0) << out.toStdString();
    const QStringList widths = out.mid(w + 7, out.indexOf('\n', w) - w - 7).trimmed().split(' ');
    ASSERT_EQ(widths.size(), 2) << out.toStdString();
    EXPECT_EQ(widths[0].toInt(), widths[1].toInt()) << "scroll width beside client width";
    EXPECT_EQ(widths[1].toInt(), width);
    EXPECT_TRUE(std::filesystem::exists(shot));
}

INSTANTIATE_TEST_SUITE_P(Phones, LiveBrowser,
    testing::Values(std::pair {360, 740}, std::pair {390, 844}),
    [](const testing::TestParamInfo<std::pair<int, int>>& phone) {
        return std::to_string(phone.param.first) + "px";
    });
