#include "timing/decoder_link.h"

#include "storage/encoding.h"
#include "support/fake_serial_link.h"
#include "support/fakes.h"
#include "timing/decoder_exchange.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace ksy {
namespace {

using test::FakeSerialLink;

const FakeSerialLink::Bytes kKeepAliveBytes(kKeepAlive.begin(), kKeepAlive.end());

struct Bench {
    test::TempDir dir;
    WorkFolder folder{dir.path()};
    test::FakeClock clock;
    FakeSerialLink port;
    test::FakePrompts prompts;
    DecoderLink link{port, clock, prompts, folder};

    Bench() { port.clock = &clock; }
    std::string settingsFile() const { return test::readFile(folder.file(kInterfaceSettingsFile)); }
    void storePort(const std::string& name)
    {
        test::writeFile(folder.file(kInterfaceSettingsFile), name + "\t0\tKestrametrix\n");
    }
    int keepAlives() const
    {
        return static_cast<int>(std::count(port.written.begin(), port.written.end(), kKeepAliveBytes));
    }
    // Ticks every 10 ms for the given time.
    void run(std::int64_t ms, std::optional<std::int64_t> heatStart = std::nullopt)
    {
        for (std::int64_t t = 0; t < ms; t += 10) {
            clock.advance(10);
            std::optional<std::int64_t> heat;
            if (heatStart)
                heat = clock.milliseconds() - *heatStart;
            link.tick(heat);
        }
    }
    // Start-up on an RC2 and the first tick: the link is up.
    void connectRc2()
    {
        storePort("/dev/ttyUSB0");
        test::behaveAsRc2(port);
        link.startUp();
        link.tick(std::nullopt);
        prompts.boxes.clear();
    }
};

TEST(DecoderStartUp, MissingFileAndNoPortAreReportedAndTheProgramGoesOn)
{
    Bench b;
    b.link.startUp();
    ASSERT_EQ(b.prompts.boxes.size(), 2u);
    EXPECT_EQ(b.prompts.boxes[0].title, "Erreur");
    EXPECT_EQ(b.prompts.boxes[0].text, "Erreur: impossible d'ouvrir le fichier Interface Port COM");
    EXPECT_EQ(b.prompts.boxes[1].title, "Message");
    EXPECT_EQ(b.prompts.boxes[1].text, "Echec à l'ouverture du port COM");
    EXPECT_EQ(b.settingsFile(), "\t0\tKestrametrix\n");
    EXPECT_FALSE(b.link.settings().connected);
}

TEST(DecoderStartUp, IdentifiesTheModelAndRecordsIt)
{
    {
        Bench b;
        // The stored model and flag are not trusted: the decoder is asked.
        test::writeFile(b.folder.file(kInterfaceSettingsFile), "/dev/ttyUSB0\t0\tKestrametrix\n");
        test::behaveAsRc2(b.port);
        b.link.startUp();
        EXPECT_EQ(b.port.opened, std::vector<std::string>{"/dev/ttyUSB0"});
        EXPECT_EQ(b.port.written.front(), FakeSerialLink::Bytes({0xFF, 0xFF, 0xFF, 0x01, 0x02}));
        EXPECT_EQ(b.prompts.texts(), std::vector<std::string>{"Interface Kestrametrix RC2 connectée"});
        EXPECT_EQ(b.settingsFile(), "/dev/ttyUSB0\t1\tKestrametrixRC2\n");
        EXPECT_TRUE(b.link.isRc2());
    }
    {
        // Silence for 100 ms: an RC1, connected.
        Bench b;
        test::writeFile(b.folder.file(kInterfaceSettingsFile), "COM3\t1\tKestrametrixRC2\n");
        const std::int64_t before = b.clock.milliseconds();
        b.link.startUp();
        // Asked twice, each window running from the request's last byte on
        // the wire and closed by a read after its end.
        const FakeSerialLink::Bytes request(kIdentifyRequest.begin(), kIdentifyRequest.end());
        EXPECT_EQ(b.port.written, std::vector<FakeSerialLink::Bytes>(2, request));
        EXPECT_EQ(b.port.drains, 2);
        EXPECT_GE(b.clock.milliseconds() - before, 2 * (kIdentifyWindowMs + kRequestLineMs + 1));
        EXPECT_LE(b.clock.milliseconds() - before, 2 * (kIdentifyWindowMs + kRequestLineMs + 3));
        EXPECT_EQ(b.prompts.texts(),
                  std::vector<std::string>{"Ouverture du port COM\nInterface Kestrametrix RC1 connectée"});
        EXPECT_EQ(b.settingsFile(), "COM3\t1\tKestrametrix\n");
    }
    {
        // A port that does not open: RC1 identity, connected 0.
        Bench b;
        b.storePort("COM7");
        b.port.refuseOpen = true;
        b.link.startUp();
        EXPECT_EQ(b.prompts.texts(), std::vector<std::string>{"Echec à l'ouverture du port COM"});
        EXPECT_EQ(b.settingsFile(), "COM7\t0\tKestrametrix\n");
    }
}

TEST(DecoderLinkWatch, KeepAliveEveryFourHundredMillisecondsAndLossOnTheSecondFailure)
{
    Bench b;
    b.connectRc2();
    EXPECT_TRUE(b.link.keepAliveOn());
    const std::size_t before = b.port.written.size();
    b.clock.advance(400);
    b.link.tick(std::nullopt);
    EXPECT_EQ(b.port.written.size(), before) << "400 ms is not more than 400 ms";
    b.run(2000);
    EXPECT_EQ(b.keepAlives(), 5); // at 410, 820, 1230, 1640, 2050 ms

    // One failed write followed by a good one is forgiven.
    b.port.failWrites = true;
    b.run(410);
    b.port.failWrites = false;
    b.run(410);
    b.port.failWrites = true;
    b.run(410);
    EXPECT_TRUE(b.port.isOpen());
    EXPECT_TRUE(b.link.keepAliveOn());

    // The second failure in a row: lost.
    b.run(410);
    EXPECT_FALSE(b.port.isOpen());
    EXPECT_FALSE(b.link.keepAliveOn());
    EXPECT_TRUE(b.link.reconnectPending());
    EXPECT_EQ(b.settingsFile(), "/dev/ttyUSB0\t0\tKestrametrix\n");
    EXPECT_TRUE(b.prompts.boxes.empty()) << "the loss itself shows nothing";
}

TEST(DecoderLinkWatch, OutsideAHeatReconnectsEveryFourAndAHalfSeconds)
{
    Bench b;
    b.connectRc2();
    b.port.failWrites = true;
    b.port.refuseOpen = true;
    b.run(830);
    ASSERT_TRUE(b.link.reconnectPending());
    const std::size_t opensBefore = b.port.opened.size();

    b.run(20000); // unplugged: each attempt fails silently
    EXPECT_EQ(b.port.opened.size() - opensBefore, 4u); // at 4.5, 9, 13.5, 18 s
    b.port.refuseOpen = false;
    b.port.failWrites = false;
    b.run(3000);
    EXPECT_EQ(b.port.opened.size() - opensBefore, 5u);
    EXPECT_TRUE(b.prompts.boxes.empty()) << "no heat, nothing to tell";
    EXPECT_EQ(b.settingsFile(), "/dev/ttyUSB0\t1\tKestrametrixRC2\n");
    // The following tick reloaded the file and the keep-alive runs again.
    EXPECT_TRUE(b.link.keepAliveOn());
    const int keepAlives = b.keepAlives();
    b.run(1000);
    EXPECT_EQ(b.keepAlives(), keepAlives + 2);
}

TEST(DecoderLinkWatch, DuringAHeatThePortIsTriedAtEveryTickAndTheOutageIsTold)
{
    Bench b;
    b.connectRc2();
    const std::int64_t heatStart = b.clock.milliseconds() - 61000;
    b.port.failWrites = true;
    b.port.refuseOpen = true;
    b.run(830, heatStart);
    ASSERT_TRUE(b.link.reconnectPending());
    const int reopensBefore = b.port.reopens;

    b.run(20000, heatStart); // the cable is out: no box, a try at every tick
    EXPECT_GE(b.port.reopens - reopensBefore, 1990);
    EXPECT_TRUE(b.prompts.boxes.empty());

    // Back: the very next tick finds it, keeping what the port had received.
    b.port.refuseOpen = false;
    b.port.failWrites = false;
    b.port.chunks.push_back(test::rc2PassingFrame(513, 0, 1, 21, 18661));
    std::vector<Passing> got;
    b.clock.advance(10);
    got = b.link.tick(b.clock.milliseconds() - heatStart);
    EXPECT_FALSE(b.link.reconnectPending());
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].transponder, 513);
    ASSERT_EQ(b.prompts.boxes.size(), 1u);
    EXPECT_EQ(b.prompts.boxes[0].title, "Message");
    // The link worked last at the first tick; the outage counts from there.
    EXPECT_EQ(b.prompts.boxes[0].text,
              "Perte connexion du décodeur RC2 à 1:01.800.\n"
              "Récupération connexion décodeur RC2 réussie à 1:21.800.\n"
              "Liaison coupée pendant 20,8 s : les passages de cet intervalle peuvent manquer.");
    EXPECT_EQ(b.settingsFile(), "/dev/ttyUSB0\t1\tKestrametrixRC2\n");
    b.run(500, heatStart);
    EXPECT_TRUE(b.link.keepAliveOn());

    // A hang-up of the port is a loss at once, before any keep-alive fails;
    // the outage then counts from the last keep-alive that went out.
    b.prompts.boxes.clear();
    b.port.hangUp = true;
    b.port.refuseOpen = true;
    b.run(10, heatStart);
    EXPECT_TRUE(b.link.reconnectPending());
    b.run(1200, heatStart);
    b.port.refuseOpen = false;
    b.run(10, heatStart);
    ASSERT_EQ(b.prompts.boxes.size(), 1u);
    const std::string& text = b.prompts.boxes[0].text;
    EXPECT_NE(text.find("Liaison coupée pendant 1,"), std::string::npos) << text;
}

TEST(DecoderLinkWatch, AnRc1ThatHangsUpIsReopenedAndToldOnce)
{
    Bench b;
    b.storePort("/dev/ttyUSB1");
    b.link.startUp(); // silence: an RC1
    b.link.tick(std::nullopt);
    b.prompts.boxes.clear();
    const std::int64_t heatStart = b.clock.milliseconds() - 15000;
    b.run(500, heatStart);
    ASSERT_TRUE(b.port.isOpen());
    EXPECT_EQ(b.keepAlives(), 0); // still no keep-alive for an RC1

    b.port.hangUp = true;
    b.port.refuseOpen = true;
    b.run(10, heatStart);
    EXPECT_FALSE(b.port.isOpen());
    EXPECT_TRUE(b.link.reconnectPending());
    EXPECT_EQ(b.settingsFile(), "/dev/ttyUSB1\t0\tKestrametrix\n");
    b.run(990, heatStart);
    EXPECT_TRUE(b.prompts.boxes.empty());

    // Plugged back: opened at once, asked as after any opening, not waited
    // for; its passings are read from the first byte.
    b.port.refuseOpen = false;
    b.port.chunks.push_back({0x02, 0x01});
    const std::size_t writes = b.port.written.size();
    b.run(10, heatStart);
    EXPECT_FALSE(b.link.reconnectPending());
    ASSERT_EQ(b.port.written.size(), writes + 1);
    EXPECT_EQ(b.port.written.back(),
              FakeSerialLink::Bytes(kIdentifyRequest.begin(), kIdentifyRequest.end()));
    ASSERT_EQ(b.prompts.boxes.size(), 1u);
    EXPECT_EQ(b.prompts.boxes[0].text,
              "Perte connexion du décodeur RC1 à 15.500.\n"
              "Récupération connexion décodeur RC1 réussie à 16.500.\n"
              "Liaison coupée pendant 1,0 s : les passages de cet intervalle peuvent manquer.");
    const auto p = b.link.readPassings();
    ASSERT_EQ(p.size(), 1u);
    EXPECT_EQ(p[0].transponder, 513);
    EXPECT_EQ(b.settingsFile(), "/dev/ttyUSB1\t1\tKestrametrix\n");

    // Outside a heat: the usual rhythm, and nothing shown.
    b.prompts.boxes.clear();
    b.run(20);
    b.port.hangUp = true;
    b.run(10);
    ASSERT_TRUE(b.link.reconnectPending());
    const std::size_t opens = b.port.opened.size();
    b.run(4480);
    EXPECT_EQ(b.port.opened.size(), opens);
    b.run(30);
    EXPECT_EQ(b.port.opened.size(), opens + 1);
    EXPECT_FALSE(b.link.reconnectPending());
    EXPECT_TRUE(b.prompts.boxes.empty());
}

TEST(DecoderLinkWatch, FailedRecoveryShowsTheSameMessageEveryTime)
{
    Bench b;
    b.connectRc2();
    const std::int64_t heatStart = b.clock.milliseconds();
    b.port.failWrites = true;
    b.run(830, heatStart);
    b.port.onWrite = nullptr; // the port opens but nothing answers

    // The port opens at once, then each silent try waits for the usual rhythm.
    b.run(14000, heatStart);
    ASSERT_EQ(b.prompts.boxes.size(), 4u);
    for (const auto& box : b.prompts.boxes) {
        EXPECT_EQ(box.title, "Erreur");
        EXPECT_EQ(box.text, "Perte connexion du décodeur RC2 à 0.800.\nEchec à la récupération.");
    }
    EXPECT_FALSE(b.port.isOpen());
    EXPECT_EQ(b.settingsFile(), "/dev/ttyUSB0\t0\tKestrametrix\n");

    // A later loss outside a heat starts from an empty message, and its
    // silent recovery shows nothing.
    b.prompts.boxes.clear();
    test::behaveAsRc2(b.port);
    b.port.failWrites = false;
    b.run(5000);
    EXPECT_TRUE(b.prompts.boxes.empty());
    EXPECT_TRUE(b.link.keepAliveOn());
    b.port.failWrites = true;
    b.run(830);
    b.port.onWrite = nullptr;
    b.port.failWrites = false;
    b.run(4600);
    EXPECT_EQ(b.prompts.texts(), std::vector<std::string>{"Echec à la récupération."});
}

TEST(DecoderLinkWatch, PassingsReadWhileReconnectingAreHandedOn)
{
    Bench b;
    b.connectRc2();
    b.port.failWrites = true;
    b.run(830);
    b.port.failWrites = false;
    b.port.onWrite = [&b](const FakeSerialLink::Bytes&) {
        b.port.chunks.push_back(test::rc2PassingFrame(513, 0, 0, 5, 18661));
        b.port.chunks.push_back(test::kIdentifyReplyBytes);
    };
    std::vector<Passing> got;
    for (int i = 0; i < 460 && got.empty(); ++i) {
        b.clock.advance(10);
        got = b.link.tick(std::nullopt);
    }
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].transponderText, "000513");
    EXPECT_EQ(got[0].timeMs, 5000);
    EXPECT_FALSE(b.link.reconnectPending());
}

// A box shown by the link runs a message loop that keeps ticking.
class TickingPrompts : public test::FakePrompts {
public:
    DecoderLink* link = nullptr;
    test::FakeClock* clock = nullptr;
    void message(const std::string& title, const std::string& text, PromptIcon icon) override
    {
        test::FakePrompts::message(title, text, icon);
        for (int i = 0; i < 1000; ++i) { // ten seconds with the box up
            clock->advance(10);
            link->tick(std::nullopt);
        }
    }
};

TEST(DecoderLinkWatch, TicksDuringABoxDoNotStackAttempts)
{
    test::TempDir dir;
    test::FakeClock clock;
    FakeSerialLink port;
    port.clock = &clock;
    TickingPrompts prompts;
    DecoderLink link(port, clock, prompts, WorkFolder(dir.path()));
    prompts.link = &link;
    prompts.clock = &clock;
    test::writeFile(WorkFolder(dir.path()).file(kInterfaceSettingsFile), "COM4\t0\tKestrametrix\n");
    test::behaveAsRc2(port);
    link.startUp(); // the ticks of its box must not undo the outcome
    prompts.boxes.clear();
    link.tick(std::nullopt);
    ASSERT_TRUE(link.keepAliveOn());

    port.failWrites = true;
    for (int i = 0; i < 90; ++i) {
        clock.advance(10);
        link.tick(std::nullopt);
    }
    ASSERT_TRUE(link.reconnectPending());
    port.onWrite = nullptr;
    port.failWrites = false;
    const std::size_t opens = port.opened.size();
    for (int i = 0; i < 460 && prompts.boxes.empty(); ++i) {
        clock.advance(10);
        link.tick(std::nullopt);
    }
    // Ten seconds passed with the box up: one attempt, one box.
    EXPECT_EQ(prompts.boxes.size(), 1u);
    EXPECT_EQ(port.opened.size(), opens + 1);
}

TEST(DecoderLinkWatch, SettingsReloadFailureIsShownOnceAndRc1HasNoWatch)
{
    Bench b;
    b.storePort("COM2");
    b.link.startUp(); // silence: RC1
    b.prompts.boxes.clear();
    b.run(1000);
    EXPECT_FALSE(b.link.keepAliveOn());
    EXPECT_EQ(b.keepAlives(), 0);

    std::filesystem::remove(b.folder.file(kInterfaceSettingsFile));
    b.link.reloadOnNextTick();
    b.run(1000);
    EXPECT_EQ(b.prompts.texts(),
              std::vector<std::string>{"Erreur: impossible d'ouvrir le fichier Interface Port COM"});
}

TEST(DecoderLinkWatch, DialogSuspendsTheWatchAndTheNextTickReloads)
{
    Bench b;
    b.connectRc2();
    b.link.suspendWatch();
    b.run(2000);
    EXPECT_EQ(b.keepAlives(), 0);
    b.link.reloadOnNextTick();
    b.run(500);
    EXPECT_EQ(b.keepAlives(), 1);
}

TEST(DecoderPassings, EachModelStampsItsOwnWay)
{
    {
        Bench b;
        b.connectRc2();
        FakeSerialLink::Bytes bytes = test::rc2PassingFrame(513, 0, 1, 2, 42099);
        bytes.insert(bytes.begin(), 0x00);
        b.port.chunks.push_back(bytes);
        const auto p = b.link.readPassings();
        ASSERT_EQ(p.size(), 1u);
        EXPECT_EQ(p[0].transponder, 513);
        EXPECT_EQ(p[0].decoderMs, 62500);
        EXPECT_EQ(b.port.readsAsked255, b.port.reads);
    }
    {
        Bench b;
        b.storePort("COM1");
        b.link.startUp(); // RC1
        b.port.chunks.push_back({0x02, 0x01, 0x00, 0x07, 0x00});
        const auto p = b.link.readPassings();
        ASSERT_EQ(p.size(), 2u);
        EXPECT_EQ(p[0].transponderText, "000513");
        EXPECT_EQ(p[1].transponderText, "000007");
        EXPECT_FALSE(p[0].decoderMs);
        // A port that cannot tell stamps the bytes when they are read.
        EXPECT_EQ(p[0].arrivalCounter, b.clock.counter());
        // The odd byte waits for its pair in the next read.
        b.port.chunks.push_back({0x08, 0x00, 0x09});
        const auto next = b.link.readPassings();
        ASSERT_EQ(next.size(), 2u);
        EXPECT_EQ(next[0].transponder, 8);
        EXPECT_EQ(next[1].transponder, 9);
    }
    {
        // An identity of neither model: bytes are read and dropped.
        Bench b;
        test::writeFile(b.folder.file(kInterfaceSettingsFile), "COM1\t1\tOther\n");
        b.port.open("COM1");
        b.link.tick(std::nullopt);
        b.port.chunks.push_back({0x02, 0x01});
        EXPECT_TRUE(b.link.readPassings().empty());
        EXPECT_TRUE(b.port.chunks.empty());
    }
}

TEST(DecoderStartClock, AcknowledgedOrRetriedOnTheNextTick)
{
    Bench b;
    b.connectRc2();
    const FakeSerialLink::Bytes startClock(kStartClock.begin(), kStartClock.end());
    std::vector<Passing> early;
    EXPECT_TRUE(b.link.startClock(early));
    EXPECT_EQ(b.port.written.back(), startClock);

    b.port.onWrite = nullptr; // no StartAck
    const std::int64_t before = b.clock.milliseconds();
    EXPECT_FALSE(b.link.startClock(early));
    EXPECT_GE(b.clock.milliseconds() - before, 10);
    EXPECT_LE(b.clock.milliseconds() - before, 11);
    // A reply other than StartAck does not start the heat.
    b.port.chunks.push_back(test::kIdentifyReplyBytes);
    EXPECT_FALSE(b.link.startClock(early));
    EXPECT_TRUE(early.empty());

    // Passings around the StartAck: those ahead of it came before the start,
    // the one behind it is the heat's and comes with the next read.
    FakeSerialLink::Bytes bytes = test::rc2PassingFrame(1, 0, 9, 0, 18661);
    bytes.insert(bytes.end(), test::kStartAckBytes.begin(), test::kStartAckBytes.end());
    const FakeSerialLink::Bytes after = test::rc2PassingFrame(2, 0, 0, 0, 20000);
    bytes.insert(bytes.end(), after.begin(), after.begin() + 5); // the rest comes later
    b.port.chunks.push_back(bytes);
    const auto start = b.link.startClock(early);
    ASSERT_TRUE(start);
    EXPECT_EQ(*start, b.clock.counter()); // stamped by the read that brought it
    ASSERT_EQ(early.size(), 1u);
    EXPECT_EQ(early[0].transponder, 1);
    b.port.chunks.push_back(FakeSerialLink::Bytes(after.begin() + 5, after.end()));
    const auto heat = b.link.readPassings();
    ASSERT_EQ(heat.size(), 1u);
    EXPECT_EQ(heat[0].transponder, 2);
    EXPECT_EQ(std::count(b.port.written.begin(), b.port.written.end(), startClock), 4);
}

// Bytes stamped when they came, some time before the read that takes them
// (as the port's reader thread does).
class EarlyStampedPort : public FakeSerialLink {
public:
    std::int64_t stampAgo = 0; // counter counts before the read
    int readStamped(std::uint8_t* buffer, std::int64_t* arrivals, std::size_t maxBytes,
                    const Clock& stamps) override
    {
        const int got = read(buffer, maxBytes);
        for (int i = 0; i < got; ++i)
            arrivals[i] = stamps.counter() - stampAgo;
        return got;
    }
};

TEST(DecoderStartClock, AStartAckLeftFromAnEarlierRequestDoesNotDateTheStart)
{
    test::TempDir dir;
    test::FakeClock clock;
    EarlyStampedPort port;
    port.clock = &clock;
    test::FakePrompts prompts;
    DecoderLink link(port, clock, prompts, WorkFolder(dir.path()));
    test::writeFile(WorkFolder(dir.path()).file(kInterfaceSettingsFile), "COM5\t0\tKestrametrix\n");
    test::behaveAsRc2(port);
    link.startUp();
    link.tick(std::nullopt);
    ASSERT_TRUE(link.isRc2());

    // The StartAck of a first StartClock comes too late for its window; the
    // decoder clock is reset again by the next StartClock.
    port.onWrite = nullptr;
    std::vector<Passing> early;
    EXPECT_FALSE(link.startClock(early));
    clock.advance(300);
    port.stampAgo = clock.counterFrequency() / 10; // came 100 ms ago
    port.chunks.push_back(test::kStartAckBytes);
    EXPECT_FALSE(link.startClock(early)) << "the late StartAck answered the first request";
    // The answer to this request is the start.
    port.stampAgo = 0;
    test::behaveAsRc2(port);
    const std::int64_t before = clock.counter();
    const auto start = link.startClock(early);
    ASSERT_TRUE(start);
    EXPECT_GE(*start, before);
}

} // namespace
} // namespace ksy
