// The decoder link through the real serial layer, against the simulator on a
// pseudo-terminal, in real time.
#include "decoder_sim_process.h"
#include "platform/qt_clock.h"
#include "platform/serial_port.h"
#include "support/fakes.h"
#include "timing/decoder_link.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace ksy {
namespace {

using test::SimProcess;

// The real port, with the time and outcome of every open attempt.
class WatchedPort : public SerialLink {
public:
    explicit WatchedPort(const Clock& clock) : clock_(clock) {}
    bool open(const std::string& name) override
    {
        const bool ok = real_.open(name);
        opens.push_back({clock_.milliseconds(), ok});
        return ok;
    }
    bool reopen(const std::string& name) override
    {
        const bool ok = real_.reopen(name);
        opens.push_back({clock_.milliseconds(), ok});
        return ok;
    }
    bool hungUp() const override { return real_.hungUp(); }
    void drain() override { real_.drain(); }
    int write(const std::uint8_t* d, std::size_t n) override { return real_.write(d, n); }
    int read(std::uint8_t* b, std::size_t n) override { return real_.read(b, n); }
    void close() override { real_.close(); }
    bool isOpen() const override { return real_.isOpen(); }

    struct Attempt {
        std::int64_t atMs;
        bool opened;
    };
    std::vector<Attempt> opens;

private:
    const Clock& clock_;
    SystemSerialLink real_;
};

struct Rig {
    test::TempDir dir;
    WorkFolder folder{dir.path()};
    std::string link = (dir.path() / "decoder").string();
    QtClock clock;
    WatchedPort port{clock};
    test::FakePrompts prompts;
    DecoderLink decoder{port, clock, prompts, folder};
    SimProcess sim;

    explicit Rig(const char* model)
        : sim({"--model", model, "--link", QString::fromStdString(link)})
    {
        test::writeFile(folder.file(kInterfaceSettingsFile), link + "\t0\tKestrametrix\n");
    }
    std::string settingsFile() const { return test::readFile(folder.file(kInterfaceSettingsFile)); }
    // Ticks about every 10 ms, as the main window's timer does.
    void tickFor(int ms, std::optional<std::int64_t> heatStart = std::nullopt)
    {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms) {
            std::optional<std::int64_t> heat;
            if (heatStart)
                heat = clock.milliseconds() - *heatStart;
            decoder.tick(heat);
            sim.pump(10);
        }
    }
};

TEST(DecoderOnPty, Rc2IsIdentifiedAndItsPassingsCarryTheDecoderClock)
{
    Rig rig("rc2");
    ASSERT_TRUE(rig.sim.started());
    rig.decoder.startUp();
    EXPECT_EQ(rig.prompts.texts(), std::vector<std::string>{"Interface Kestrametrix RC2 connectée"});
    EXPECT_EQ(rig.settingsFile(), rig.link + "\t1\tKestrametrixRC2\n");
    EXPECT_TRUE(rig.sim.waitFor("recv IdentifyRequest", 2000));

    std::vector<Passing> early;
    ASSERT_TRUE(rig.decoder.startClock(early));
    EXPECT_TRUE(rig.sim.waitFor("recv StartClock", 2000));
    rig.sim.send("pass 513");
    std::vector<Passing> got;
    QElapsedTimer t;
    t.start();
    while (got.empty() && t.elapsed() < 2000) {
        got = rig.decoder.readPassings();
        rig.sim.pump(10);
    }
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].transponderText, "000513");
    ASSERT_TRUE(got[0].decoderMs);
    EXPECT_GE(*got[0].decoderMs, 0);
    EXPECT_LT(*got[0].decoderMs, 2000); // the decoder clock was reset by StartClock
}

TEST(DecoderOnPty, SilenceIsAnRc1WhosePassingsTheHostStamps)
{
    Rig rig("rc1");
    ASSERT_TRUE(rig.sim.started());
    rig.decoder.startUp();
    EXPECT_EQ(rig.prompts.texts(),
              std::vector<std::string>{"Ouverture du port COM\nInterface Kestrametrix RC1 connectée"});
    EXPECT_EQ(rig.settingsFile(), rig.link + "\t1\tKestrametrix\n");

    const std::int64_t start = rig.clock.counter();
    rig.sim.send("pass 7");
    std::vector<Passing> got;
    QElapsedTimer t;
    t.start();
    while (got.empty() && t.elapsed() < 2000) {
        got = rig.decoder.readPassings();
        rig.sim.pump(10);
    }
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].transponderText, "000007");
    EXPECT_GE(got[0].arrivalCounter, start);
    // No link watch for an RC1.
    rig.tickFor(500);
    EXPECT_EQ(rig.sim.count("recv KeepAlive"), 0);
}

TEST(DecoderOnPty, KeepAlivesAboutEveryFourHundredMilliseconds)
{
    Rig rig("rc2");
    ASSERT_TRUE(rig.sim.started());
    rig.decoder.startUp();
    rig.tickFor(1700);
    std::vector<std::int64_t> at;
    for (std::size_t i = 0; i < rig.sim.lines.size(); ++i)
        if (rig.sim.lines[i] == "recv KeepAlive")
            at.push_back(rig.sim.lineTimes[i]);
    ASSERT_GE(at.size(), 3u);
    ASSERT_LE(at.size(), 4u);
    for (std::size_t i = 1; i < at.size(); ++i) {
        EXPECT_GE(at[i] - at[i - 1], 370);
        EXPECT_LE(at[i] - at[i - 1], 480);
    }
}

TEST(DecoderOnPty, UnplugDuringAHeatIsDetectedAndRecoveredAtTheReplug)
{
    Rig rig("rc2");
    ASSERT_TRUE(rig.sim.started());
    rig.decoder.startUp();
    const std::int64_t heatStart = rig.clock.milliseconds();
    rig.tickFor(300, heatStart);
    ASSERT_TRUE(rig.decoder.keepAliveOn());

    rig.sim.send("unplug");
    ASSERT_TRUE(rig.sim.waitFor("unplugged", 2000));
    QElapsedTimer t;
    t.start();
    while (!rig.decoder.reconnectPending() && t.elapsed() < 3000)
        rig.tickFor(10, heatStart);
    ASSERT_TRUE(rig.decoder.reconnectPending());
    EXPECT_EQ(rig.settingsFile(), rig.link + "\t0\tKestrametrix\n");
    const std::size_t opensAtLoss = rig.port.opens.size();

    // While the decoder is away the port is tried at every tick, silently.
    rig.tickFor(1000, heatStart);
    EXPECT_GE(rig.port.opens.size() - opensAtLoss, 20u);
    for (std::size_t i = opensAtLoss; i < rig.port.opens.size(); ++i)
        EXPECT_FALSE(rig.port.opens[i].opened);
    EXPECT_EQ(rig.prompts.boxes.size(), 1u); // only the start-up box
    rig.sim.send("replug");
    const std::int64_t replugAt = rig.clock.milliseconds();
    const std::size_t from = rig.sim.lines.size();

    while (rig.decoder.reconnectPending() && t.elapsed() < 10000)
        rig.tickFor(10, heatStart);
    ASSERT_FALSE(rig.decoder.reconnectPending());
    EXPECT_TRUE(rig.port.opens.back().opened);
    // Found as soon as it is there, not at the next 4.5-s attempt.
    EXPECT_LT(rig.port.opens.back().atMs - replugAt, 2000);
    EXPECT_TRUE(rig.sim.waitFor("recv IdentifyRequest", 2000, from));

    ASSERT_EQ(rig.prompts.boxes.size(), 2u);
    const auto& box = rig.prompts.boxes.back();
    EXPECT_EQ(box.title, "Message");
    EXPECT_EQ(box.text.rfind("Perte connexion du décodeur RC2 à ", 0), 0u) << box.text;
    EXPECT_NE(box.text.find(".\nRécupération connexion décodeur RC2 réussie à "), std::string::npos)
        << box.text;
    EXPECT_NE(box.text.find(".\nLiaison coupée pendant "), std::string::npos) << box.text;
    EXPECT_EQ(rig.settingsFile(), rig.link + "\t1\tKestrametrixRC2\n");

    // The keep-alive resumes on the new port.
    rig.tickFor(500, heatStart);
    EXPECT_TRUE(rig.decoder.keepAliveOn());
    EXPECT_TRUE(rig.sim.waitFor("recv KeepAlive", 1000, from));
}

} // namespace
} // namespace ksy
