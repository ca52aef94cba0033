// The decoder's faults in the field, through the real serial port on a
// pseudo-terminal, the simulator playing the decoder in real time: a clock
// restarted at any moment of a heat, a cable pulled for one or ten seconds,
// and the identification on a machine whose cores are all busy. Every stored
// lap is compared with the crossings the simulator made.
#include "decoder_sim_process.h"
#include "platform/qt_clock.h"
#include "platform/serial_port.h"
#include "support/fakes.h"
#include "timing/decoder_link.h"
#include "timing/heat_run.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <iterator>
#include <memory>
#include <thread>

#include <sys/resource.h>
#include <unistd.h>

namespace ksy {
namespace {

constexpr int kCars = 3;

int transponderOfCar(int k)
{
    return 100 + k;
}

// What became of each passing the heat read.
struct FateCount : HeatListener {
    void passingRead(std::int64_t, const Passing&, PassingFate fate) override
    {
        ++(fate == PassingFate::Read ? read : fate == PassingFate::BeforeStart ? early : refused);
    }
    int read = 0;
    int early = 0;
    int refused = 0;
};

// One heat on its own simulator: the scenario is written, the decoder
// identified, the heat started at once.
struct HeatRig {
    test::TempDir dir;
    WorkFolder folder {dir.path()};
    std::string path = (dir.path() / "decoder").string();
    std::unique_ptr<test::SimProcess> sim;
    QtClock clock;
    SystemSerialLink port {&clock};
    test::FakePrompts prompts;
    DecoderLink link {port, clock, prompts, folder};
    LinkedHeatDecoder decoder {link};
    test::RecordingSoundPlayer sounds;
    HeatRun run {clock, decoder, sounds, prompts, folder};
    std::vector<std::string> notices;
    int protectionSeconds = 1;
    FateCount fates;

    HeatRig(const char* model, const std::string& scenario, bool syncStart,
        const QStringList& extra = {})
    {
        test::writeFile(dir.path() / "scenario.txt", scenario);
        QStringList args {"--model", model, "--link", QString::fromStdString(path), "--scenario",
            QString::fromStdString((dir.path() / "scenario.txt").string())};
        if (syncStart)
            args << "--sync-start";
        args << extra;
        sim = std::make_unique<test::SimProcess>(args);
        test::writeFile(folder.file(kInterfaceSettingsFile), path + "\t0\tKestrametrix\n");
    }

    // Identifies the decoder and starts a 10-minute heat with no countdown.
    void start()
    {
        link.startUp();
        link.tick(std::nullopt);
        RaceOptions options;
        options.minutes = 10;
        options.countdownSeconds = 0;
        run.setOptions(options);
        SoundChoices quiet;
        quiet.countdownVoice = false;
        run.setSoundChoices(quiet);
        run.setLapProtectionSeconds(protectionSeconds);
        TrackRecord track;
        track.inDatabase = true;
        run.setTrack(track);
        RunEntryTable t;
        clearToEmptySlots(t);
        for (int k = 1; k <= kCars; ++k) {
            t.slot(k).pilotName = "Pilote " + std::to_string(k);
            t.slot(k).transponder = transponderText(transponderOfCar(k));
        }
        run.loadHeat(t);
        run.setListener(&fates);
        run.depart();
        // The start comes at once (the countdown step, then the start step),
        // not when the other rigs are ready.
        for (int i = 0; i < 5 && !run.state().running; ++i)
            tick();
    }

    // The main window's tick.
    void tick()
    {
        const std::int64_t now = clock.milliseconds();
        run.handlePassings(link.tick(run.heatElapsedMs()), now);
        run.tick(now);
        if (std::string n = run.takeNotice(); !n.empty())
            notices.push_back(n);
        sim->pump(0);
    }

    std::int64_t elapsed() const { return run.heatElapsedMs().value_or(0); }

    // The simulator's "send passing <transponder> <ms>" lines.
    int sentPassings() const
    {
        return static_cast<int>(std::count_if(sim->lines.begin(), sim->lines.end(),
            [](const std::string& l) { return l.rfind("send passing ", 0) == 0; }));
    }
    int lostPassings() const
    {
        return static_cast<int>(std::count_if(sim->lines.begin(), sim->lines.end(),
            [](const std::string& l) { return l.rfind("lost passing ", 0) == 0; }));
    }
    int laps() const
    {
        int n = 0;
        for (int k = 1; k <= kCars; ++k)
            n += run.entries().slot(k).laps;
        return n;
    }
};

// Ticks every rig about every 10 ms until each has run its heat for its time.
void runHeats(std::vector<HeatRig*> rigs, const std::vector<std::int64_t>& heatMs)
{
    QElapsedTimer wall;
    wall.start();
    const std::int64_t limit = *std::max_element(heatMs.begin(), heatMs.end()) + 30000;
    for (;;) {
        bool done = true;
        for (std::size_t i = 0; i < rigs.size(); ++i) {
            if (rigs[i]->elapsed() >= heatMs[i])
                continue;
            done = false;
            rigs[i]->tick();
        }
        if (done || wall.elapsed() > limit)
            return;
        rigs.front()->sim->pump(8); // the wait between ticks
    }
}

// Car k first crosses the line at kPhases[k - 1] after the start, then every
// lapMs.
constexpr std::int64_t kPhases[kCars] = {1000, 1300, 8000};

// The cars' crossings; the decoder clock restarts once, at restartMs (times
// from the StartClock).
std::string restartScenario(std::int64_t lapMs, std::int64_t restartMs, std::int64_t endMs)
{
    std::vector<std::pair<std::int64_t, std::string>> lines;
    for (int k = 1; k <= kCars; ++k)
        for (std::int64_t t = kPhases[k - 1]; t < endMs; t += lapMs)
            lines.push_back({t, std::to_string(transponderOfCar(k))});
    lines.push_back({restartMs, "restart"});
    std::sort(lines.begin(), lines.end());
    std::string text;
    for (const auto& [t, what] : lines)
        text += std::to_string(t) + " " + what + "\n";
    return text;
}

void expectTrueLaps(const HeatRig& rig, std::int64_t lapMs, std::int64_t restartMs)
{
    // Before the restart the decoder's own stamps; after it the host's
    // arrival stamps. Both are a few milliseconds off on a quiet machine;
    // with every core busy the simulator itself sends late by up to some
    // hundreds of milliseconds. A restart at 5 s or more is far beyond.
    constexpr std::int64_t kLineError = 1000;
    for (int k = 1; k <= kCars; ++k) {
        const RunEntry& e = rig.run.entries().slot(k);
        SCOPED_TRACE("car " + std::to_string(k));
        ASSERT_GE(e.laps, 2);
        EXPECT_GE(kPhases[k - 1] + (e.laps - 1) * lapMs, restartMs) << "a lap after the restart";
        for (int n = 1; n <= e.laps; ++n) {
            const std::int64_t truth = kPhases[k - 1] + (n - 1) * lapMs;
            EXPECT_NEAR(e.lapTotals[static_cast<std::size_t>(n)], truth, kLineError) << n;
        }
    }
    EXPECT_GE(rig.run.track().recordMs, lapMs - kLineError) << "no record from the restart";
    ASSERT_EQ(rig.notices.size(), 1u);
    EXPECT_NE(rig.notices[0].find("revenue en arrière"), std::string::npos);
}

void restartHeats(const std::vector<std::int64_t>& restarts)
{
    struct Case {
        std::int64_t lap, restart, end;
    };
    std::vector<Case> cases;
    for (std::int64_t lap : {20000, 40000})
        for (std::int64_t restart : restarts) {
            // Every car crosses once after the restart.
            const std::int64_t first = kPhases[0] + ((restart - kPhases[0]) / lap + 1) * lap;
            const std::int64_t end = first + kPhases[2] - kPhases[0] + 500;
            cases.push_back({lap, restart, end});
        }
    std::vector<std::unique_ptr<HeatRig>> rigs;
    std::vector<HeatRig*> raw;
    std::vector<std::int64_t> ends;
    for (const Case& c : cases) {
        rigs.push_back(
            std::make_unique<HeatRig>("rc2", restartScenario(c.lap, c.restart, c.end), true));
        ASSERT_TRUE(rigs.back()->sim->started());
        rigs.back()->start();
        ASSERT_TRUE(rigs.back()->link.isRc2());
        raw.push_back(rigs.back().get());
        ends.push_back(c.end);
    }
    runHeats(raw, ends);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(std::to_string(cases[i].lap) + " ms laps, restart at " +
            std::to_string(cases[i].restart));
        EXPECT_GE(rigs[i]->elapsed(), ends[i]);
        EXPECT_EQ(rigs[i]->sim->count("clock restarted"), 1);
        expectTrueLaps(*rigs[i], cases[i].lap, cases[i].restart);
    }
}

TEST(DecoderFaultsOnPty, ClockRestartEarlyInTheHeatKeepsEveryLapTrue)
{
    restartHeats({5000, 12000});
}

TEST(DecoderFaultsOnPty, ClockRestartLateInTheHeatKeepsEveryLapTrue)
{
    restartHeats({30000, 70000});
}

// Passings every 500 ms (each car every 1.5 s) from 1 s to endMs, the cable
// pulled at 4 s; `passings` receives their count.
std::string pullScenario(std::int64_t pullMs, std::int64_t endMs, int& passings)
{
    std::string text;
    passings = 0;
    for (std::int64_t t = 1000; t < endMs; t += 500, ++passings) {
        if (t == 4000)
            text += "4000 pull " + std::to_string(pullMs) + "\n";
        text += std::to_string(t) + " " + std::to_string(transponderOfCar(passings % kCars + 1)) +
            "\n";
    }
    return text;
}

TEST(DecoderFaultsOnPty, ACablePulledLosesOnlyWhatWasSentWhileItWasOut)
{
    struct Case {
        const char* model;
        std::int64_t pull;
    };
    const Case cases[] = {{"rc2", 1000}, {"rc2", 10000}, {"rc1", 1000}, {"rc1", 10000}};
    std::vector<std::unique_ptr<HeatRig>> rigs;
    std::vector<HeatRig*> raw;
    std::vector<std::int64_t> ends;
    std::vector<int> scenarioPassings;
    for (const Case& c : cases) {
        const std::int64_t end = 4000 + c.pull + 4000;
        // An RC1 hears no StartClock: its scenario runs from the launch,
        // which comes just before its heat.
        const bool rc2 = std::string(c.model) == "rc2";
        int passings = 0;
        rigs.push_back(
            std::make_unique<HeatRig>(c.model, pullScenario(c.pull, end, passings), rc2));
        scenarioPassings.push_back(passings);
        ASSERT_TRUE(rigs.back()->sim->started());
        rigs.back()->start();
        ASSERT_EQ(rigs.back()->link.isRc2(), rc2);
        raw.push_back(rigs.back().get());
        ends.push_back(end + (rc2 ? 500 : 1500));
    }
    runHeats(raw, ends);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        HeatRig& rig = *rigs[i];
        SCOPED_TRACE(std::string(c.model) + ", cable out for " + std::to_string(c.pull) + " ms");
        ASSERT_TRUE(rig.sim->waitFor("unplugged", 1000));
        EXPECT_FALSE(rig.link.reconnectPending());
        // Every passing sent while the cable was in reached the program,
        // those before the pull and every one after the cable came back, and
        // each one read in the heat is a lap. (A machine slow to start the
        // heat reads the first ones before its start.)
        const int sent = rig.sentPassings();
        EXPECT_GE(sent + rig.lostPassings(), scenarioPassings[i]);
        EXPECT_GE(rig.lostPassings(), static_cast<int>(c.pull / 500) - 1);
        EXPECT_LE(rig.lostPassings(), static_cast<int>(c.pull / 500) + 1);
        EXPECT_EQ(rig.fates.read + rig.fates.early, sent);
        EXPECT_EQ(rig.fates.refused, 0);
        EXPECT_EQ(rig.laps(), rig.fates.read);
        EXPECT_GE(rig.laps(), sent - 3);
        // Told once, with the outage.
        const std::string model = rig.link.isRc2() ? "RC2" : "RC1";
        std::vector<std::string> told;
        for (const auto& box : rig.prompts.boxes)
            if (box.text.find("Perte connexion") != std::string::npos)
                told.push_back(box.text);
        ASSERT_EQ(told.size(), 1u);
        EXPECT_EQ(told[0].rfind("Perte connexion du décodeur " + model + " à ", 0), 0u) << told[0];
        EXPECT_NE(told[0].find("Récupération connexion décodeur " + model + " réussie à "),
            std::string::npos)
            << told[0];
        EXPECT_NE(told[0].find("Liaison coupée pendant "), std::string::npos) << told[0];
        EXPECT_TRUE(rig.notices.empty()) << "a pulled cable is no clock restart";
    }
}

TEST(DecoderFaultsOnPty, AFrameCutShortBeforeEachPassingEatsNone)
{
    // Before each real frame, the first 4 to 10 bytes of another frame, at
    // the line's real speed: the longer cuts still read as a time.
    const std::string cutFrame = "FF FF FF F0 00 07 00 00 14 9A 9A";
    for (const char* speed : {"--pace", "--burst"}) {
        SCOPED_TRACE(speed);
        HeatRig rig("rc2", "", true, {speed});
        ASSERT_TRUE(rig.sim->started());
        rig.protectionSeconds = 0;
        rig.start();
        ASSERT_TRUE(rig.link.isRc2());
        const int sent = 42;
        QElapsedTimer wall;
        wall.start();
        for (int n = 0; n < sent; ++n) {
            const std::size_t bytes = 4 + static_cast<std::size_t>(n % 7);
            rig.sim->send("garbage " + cutFrame.substr(0, bytes * 3 - 1));
            rig.sim->send("pass " + std::to_string(transponderOfCar(n % kCars + 1)));
            const std::int64_t next = wall.elapsed() + 60;
            while (wall.elapsed() < next) {
                rig.tick();
                rig.sim->pump(8);
            }
        }
        const std::int64_t tail = wall.elapsed() + 500;
        while (wall.elapsed() < tail) {
            rig.tick();
            rig.sim->pump(8);
        }
        EXPECT_EQ(rig.sentPassings(), sent);
        EXPECT_EQ(rig.laps(), sent);
        EXPECT_TRUE(rig.notices.empty());
    }
}

TEST(DecoderFaultsOnPty, IdentificationHoldsWithEveryCoreBusy)
{
    std::atomic<bool> stop {false};
    std::vector<std::thread> spinners;
    const unsigned cores = std::max(2u, std::thread::hardware_concurrency());
    for (unsigned i = 0; i < cores; ++i)
        spinners.emplace_back([&stop] {
            // The cores are busy, but the decoder is a device the host's load
            // never slows: its simulator, a process here, must not starve
            // behind the spinners, or the test would time the simulator.
            setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 10);
            volatile std::uint64_t n = 0;
            while (!stop.load(std::memory_order_relaxed))
                n = n + 1;
        });
    int rc2 = 0;
    int rc1 = 0;
    {
        HeatRig two("rc2", "", true);
        HeatRig one("rc1", "", false);
        if (two.sim->started() && one.sim->started()) {
            for (int n = 0; n < 15; ++n) {
                two.link.startUp();
                rc2 += two.link.isRc2() ? 1 : 0;
                one.link.startUp();
                rc1 += one.link.isRc2() ? 0 : 1;
            }
        }
    }
    stop = true;
    for (std::thread& t : spinners)
        t.join();
    EXPECT_EQ(rc2, 15);
    EXPECT_EQ(rc1, 15);
}

} // namespace
} // namespace ksy
