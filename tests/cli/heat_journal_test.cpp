#include "timing/heat_journal.h"

#include "support/fakes.h"
#include "timing/heat_journal_replay.h"
#include "timing/heat_journal_scenario.h"
#include "timing/heat_harness.h"

#include <gtest/gtest.h>

#include <utility>

using namespace ksy;
using namespace ksy::test;

namespace {

// A decoder whose passings the test hands in directly, already cut and
// stamped on arrival.
class ScriptedDecoder : public HeatDecoder {
public:
    ScriptedDecoder(const FakeClock& clock, bool rc2) : clock_(clock), rc2_(rc2) {}
    bool isRc2() const override { return rc2_; }
    void discardReceived() override { waiting_.clear(); }
    std::optional<std::int64_t> startHeat(std::vector<Passing>&) override
    {
        resetMs_ = clock_.milliseconds();
        return clock_.counter();
    }
    std::vector<Passing> readPassings() override { return std::exchange(waiting_, {}); }
    void pass(int transponder)
    {
        Passing p = makePassing(transponder, 0);
        p.arrivalCounter = clock_.counter();
        if (rc2_)
            p.timeMs = *(p.decoderMs = clock_.milliseconds() - resetMs_);
        waiting_.push_back(p);
    }

private:
    const FakeClock& clock_;
    bool rc2_;
    std::int64_t resetMs_ = 0;
    std::vector<Passing> waiting_;
};

class TimedSounds : public SoundPlayer {
public:
    TimedSounds(const FakeClock& clock, std::int64_t origin) : clock_(clock), origin_(origin) {}
    void playAsync(const std::string& f) override { add(f, ""); }
    void playAndWait(const std::string& f) override { add(f, "\twait"); }
    void startAlert(const std::string& f) override { add(f, "\twait"); }
    std::string lines;

private:
    void add(const std::string& f, const char* wait)
    {
        lines += "sound\t" + std::to_string(clock_.milliseconds() - origin_) + "\t" + f + wait + "\n";
    }
    const FakeClock& clock_;
    std::int64_t origin_;
};

// A heat run live on the fake clock from `origin`, "Départ" at 20 ms; the
// journal counts its times from "Départ", and so do the sounds here.
struct LiveHeat {
    LiveHeat(const WorkFolder& wf, bool rc2, std::int64_t origin)
        : decoder(clock, rc2), sounds(clock, origin + 20), run(clock, decoder, sounds, prompts, wf),
          journal(wf, run, decoder, writer)
    {
        clock.set(origin);
        RaceOptions o = RaceOptions{};
        o.minutes = 2;
        o.timedEnd = TimedEnd::SandYacht;
        o.countdownSeconds = 3;
        run.setOptions(o);
        run.setLocalTime(journal.recordingLocalTime([] { return LocalDateTime{2024, 6, 2, 9, 5}; }));
        run.setCourseDatabaseWriter([](const TrackRecord&) { return true; });
        TrackRecord track;
        track.inDatabase = true;
        track.recordMs = 31000;
        track.holder = "Zo\xE9";
        run.setTrack(track);
        RunEntryTable t;
        clearToEmptySlots(t);
        const char* names[] = {"Anne", "Bruno", "C\xE9line"};
        for (int k = 1; k <= 3; ++k) {
            t.slot(k * 2).pilotName = names[k - 1];
            t.slot(k * 2).transponder = "00010" + std::to_string(k);
        }
        run.loadHeat(t);
        run.setListener(&journal);
    }
    // Runs ticks up to `until` (host time since the origin), feeding each
    // passing at its own time. Irregular ticks come 9 to 12 ms apart, as a
    // real timer's do, off the replay's 10 ms grid.
    void runTo(std::int64_t origin, std::int64_t until,
               const std::vector<std::pair<std::int64_t, int>>& passings)
    {
        for (std::int64_t t = now; t <= until; t += irregular ? 9 + (t / 7) % 4 : 10) {
            for (const auto& [at, n] : passings)
                if (at > lastTick && at <= t) {
                    clock.set(origin + at);
                    decoder.pass(n);
                }
            clock.set(origin + t);
            if (t >= 20 && !departed) {
                departed = true;
                run.depart();
            }
            if (t >= 5000 && !pressed) {
                pressed = true;
                run.manualPassing(6);
            }
            run.tick(origin + t);
            if (!run.active())
                decoder.discardReceived();
            lastTick = t;
            now = t + 10;
        }
    }

    FakeClock clock;
    ScriptedDecoder decoder;
    TimedSounds sounds;
    FakePrompts prompts;
    HeatRun run;
    PlainJournalWriter writer;
    HeatJournal journal;
    std::int64_t now = 0;
    std::int64_t lastTick = -1;
    bool irregular = false;
    bool departed = false;
    bool pressed = false;
};

const std::vector<std::pair<std::int64_t, int>> kPassings = {
    {9000, 101},   {9500, 102},   {10000, 103},  {40000, 101},  {41000, 102},
    {42000, 102},  {70500, 101},  {71000, 103},  {100000, 101}, {101000, 102},
    {130000, 101}, {131000, 102}, {132000, 103}, {133000, 101}};

std::string replayJournal(const WorkFolder& wf)
{
    const ScenarioParse parsed = parseHeatScenario(readFile(wf.file(kHeatJournalFile)));
    EXPECT_TRUE(parsed.scenario) << parsed.error;
    if (!parsed.scenario)
        return {};
    TempDir scratch;
    return replayHeat(*parsed.scenario, WorkFolder(scratch.path()));
}

std::string withoutSoundsAndStops(const std::string& text)
{
    std::string out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = text.find('\n', pos) + 1;
        const std::string line = text.substr(pos, end - pos);
        if (line.rfind("sound\t", 0) != 0 && line.rfind("stop\t", 0) != 0)
            out += line;
        pos = end;
    }
    return out;
}

} // namespace

TEST(HeatJournal, AHeatStoppedMidwayIsRebuiltFromItsJournal)
{
    for (const bool rc2 : {false, true}) {
        TempDir dir;
        const WorkFolder wf(dir.path());
        const std::int64_t origin = 123450; // the program has run a while
        std::string live;
        {
            LiveHeat heat(wf, rc2, origin);
            heat.irregular = true;
            heat.runTo(origin, 75000, kPassings);
            ASSERT_TRUE(heat.run.state().running);
            live = heatOutcomeText(heat.run);
        } // the program goes down here, as in a crash
        EXPECT_EQ(withoutSoundsAndStops(replayJournal(wf)), live) << (rc2 ? "RC2" : "RC1");
    }
}

TEST(HeatJournal, AFinishedHeatReplaysWithItsSoundsAndIsKeptUntilTheNextDepart)
{
    TempDir dir;
    const WorkFolder wf(dir.path());
    const std::int64_t origin = 5000;
    LiveHeat heat(wf, false, origin);
    heat.runTo(origin, 140000, kPassings);
    ASSERT_FALSE(heat.run.active());
    const std::string journal = readFile(wf.file(kHeatJournalFile));
    EXPECT_NE(journal.find("slot\t6\tC\xC3\xA9line\t000103\n"), std::string::npos);
    EXPECT_NE(journal.find("track\t31000\tZo\xC3\xA9\n"), std::string::npos);
    EXPECT_NE(journal.find("date\t2024-06-02 09:05\n"), std::string::npos);
    EXPECT_NE(journal.find("\tbutton\t6\n"), std::string::npos);
    EXPECT_EQ(journal.find("date\t"), journal.rfind("date\t")); // the title's date, once

    std::string expected = heat.sounds.lines;
    const std::string replayed = replayJournal(wf);
    EXPECT_EQ(replayed.substr(0, expected.size()), expected);
    EXPECT_EQ(withoutSoundsAndStops(replayed), heatOutcomeText(heat.run));
    EXPECT_NE(replayed.find("\nstop\t"), std::string::npos);

    // Kept after "Effacer", marked so that no recovery brings the erased
    // results back; started anew by the next "Départ".
    heat.prompts.answers.push_back(Answer::Yes);
    heat.run.effacer();
    EXPECT_EQ(readFile(wf.file(kHeatJournalFile)), journal + std::string(kJournalErasedLine) + "\n");
    heat.run.depart();
    const std::string fresh = readFile(wf.file(kHeatJournalFile));
    EXPECT_EQ(fresh.find("at\t"), fresh.rfind("at\t")); // only the new "depart"
    EXPECT_FALSE(heat.journal.failed());
}

namespace {

// A disk that refuses the journal: the folder is read-only, or full.
class RefusingWriter : public JournalWriter {
public:
    explicit RefusingWriter(bool atOpen) : atOpen_(atOpen) {}
    bool begin(const std::filesystem::path&, bool) override
    {
        failed_ = atOpen_;
        return !atOpen_;
    }
    void append(std::string) override { failed_ = true; }
    void finish() override {}
    bool failed() const override { return failed_; }

private:
    bool atOpen_;
    bool failed_ = false;
};

} // namespace

TEST(HeatJournal, AJournalThatCannotBeWrittenIsSaidAtOnceAndTheHeatGoesOn)
{
    for (const bool atOpen : {true, false}) {
        HeatBench b(timedOptions(10, TimedEnd::FinishLap), 2);
        RefusingWriter writer(atOpen);
        HeatJournal journal(WorkFolder(b.dir.path()), b.run, b.decoder, writer);
        b.run.setListener(&journal);
        EXPECT_EQ(journal.takeNotice(), "");
        b.depart(0);
        // Said right after the "Départ", in French, once for the heat.
        const std::string notice = journal.takeNotice();
        EXPECT_EQ(notice, kJournalWriteError);
        EXPECT_EQ(notice.rfind("Erreur", 0), 0u);
        b.runThrough(b.startAt());
        b.pass(b.startAt() + 5000, 1);
        b.runThrough(b.startAt() + 6000);
        EXPECT_EQ(journal.takeNotice(), "");
        EXPECT_EQ(b.slot(1).laps, 1);
        EXPECT_TRUE(b.run.state().running);
    }
}

TEST(HeatJournal, TheTitleDateIsWrittenOnceWhileWaitingForTheStartAckAndTheFirstCar)
{
    HeatBench b(timedOptions(10, TimedEnd::FinishLap, StartType::FirstCar), 2, true);
    b.decoder.acksAfter = 40; // 400 ms of StartClock requests
    PlainJournalWriter writer;
    HeatJournal journal(WorkFolder(b.dir.path()), b.run, b.decoder, writer);
    journal.setHeatCode(13102);
    b.run.setListener(&journal);
    b.run.setLocalTime(journal.recordingLocalTime([] { return LocalDateTime{2024, 6, 2, 9, 5}; }));
    b.depart(0);
    b.runThrough(10000); // the first car keeps everyone waiting
    ASSERT_TRUE(b.run.state().armed);
    b.pass(10000, 2, 6500);
    b.runThrough(12000);
    ASSERT_TRUE(b.run.state().running);
    writer.finish();
    const std::string text = readFile(b.dir.path() / std::string(kHeatJournalFile));
    EXPECT_NE(text.find("date\t2024-06-02 09:05\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("date\t"), text.rfind("date\t")) << text;
    EXPECT_NE(text.find(std::string(kJournalHeatLine) + "13102\n"), std::string::npos) << text;
    EXPECT_GE(b.decoder.startClockCalls, 40);
}

namespace {

// A disk that fills up and frees again while the heat runs.
class FillingWriter : public JournalWriter {
public:
    bool begin(const std::filesystem::path&, bool) override { return true; }
    void append(std::string) override { failedOnce = failedOnce || full; }
    void finish() override {}
    bool failed() const override { return failedOnce; }
    bool failing() const override { return full; }
    bool full = false;
    bool failedOnce = false;
};

} // namespace

TEST(HeatJournal, TheOfficialIsToldWhenTheDiskRefusesTheJournalAndAgainWhenItTakesIt)
{
    HeatBench b(timedOptions(10, TimedEnd::FinishLap), 2);
    FillingWriter writer;
    HeatJournal journal(WorkFolder(b.dir.path()), b.run, b.decoder, writer);
    b.run.setListener(&journal);
    b.depart(0);
    b.runThrough(b.startAt());
    EXPECT_EQ(journal.takeNotice(), "");
    for (int round = 0; round < 2; ++round) {
        writer.full = true;
        b.pass(b.startAt() + 5000 + 20000 * round, 1);
        b.runThrough(b.startAt() + 6000 + 20000 * round);
        EXPECT_EQ(journal.takeNotice(), kJournalWriteError);
        EXPECT_EQ(journal.takeNotice(), "");
        writer.full = false;
        EXPECT_EQ(journal.takeNotice(), kJournalWriteResumed);
        EXPECT_EQ(journal.takeNotice(), "");
    }
    EXPECT_EQ(b.slot(1).laps, 2);
}

TEST(HeatJournal, AHeatStoppedBeforeItsStartHasACompleteJournal)
{
    HeatBench b(timedOptions(10, TimedEnd::FinishLap), 2);
    PlainJournalWriter writer;
    HeatJournal journal(WorkFolder(b.dir.path()), b.run, b.decoder, writer);
    b.run.setListener(&journal);
    b.depart(0);
    ASSERT_TRUE(b.run.active());
    ASSERT_FALSE(b.run.state().running);
    b.run.arret();
    writer.finish();
    const std::string text = readFile(WorkFolder(b.dir.path()).file(kHeatJournalFile));
    EXPECT_NE(text.find("\tarret\nend\t"), std::string::npos) << text;
}
