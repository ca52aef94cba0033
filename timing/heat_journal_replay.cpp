#include "timing/heat_journal_replay.h"

#include "storage/encoding.h"
#include "timing/decoder_stream.h"

#include <algorithm>
#include <deque>

namespace ksy {
namespace {

// Appends TAB-separated fields to one output line (no temporary strings
// glued with "+", which GCC 12 warns about wrongly at -O3).
class Line {
public:
    Line(std::string& out, std::string_view first) : out_(out) { out_ += first; }
    ~Line() { out_ += '\n'; }
    Line(const Line&) = delete;
    Line& operator=(const Line&) = delete;
    Line& operator<<(std::string_view field)
    {
        out_ += '\t';
        out_ += field;
        return *this;
    }
    Line& operator<<(std::int64_t value) { return *this << std::string_view(std::to_string(value)); }
    Line& operator<<(bool flag) { return *this << std::string_view(flag ? "1" : "0"); }

private:
    std::string& out_;
};


class ReplayClock : public Clock {
public:
    std::int64_t milliseconds() const override { return ms; }
    std::int64_t counter() const override { return ms * 1000; }
    std::int64_t counterFrequency() const override { return 1000000; }
    std::int64_t ms = 0;
};

// A decoder on the line: passings become the bytes of its frames, stamped
// with their time of arrival and queued until a read takes at most 255 of
// them, and are cut by the program's own stream. The start comes at the
// journal's "start" lines when it has them; otherwise at once for an RC1, and
// for an RC2 after the scenario's unanswered requests. An RC2 stamps frames
// with its own clock.
class ReplayDecoder : public HeatDecoder {
public:
    ReplayDecoder(const ReplayClock& clock, bool rc2, int unanswered,
                  std::deque<std::int64_t> starts)
        : clock_(clock), rc2_(rc2), unanswered_(unanswered), starts_(std::move(starts))
    {
    }

    void queue(int transponder, std::optional<std::int64_t> decoderMs)
    {
        const auto hi = static_cast<std::uint8_t>(transponder >> 8);
        const auto lo = static_cast<std::uint8_t>(transponder & 0xFF);
        if (!rc2_) {
            push({hi, lo});
            return;
        }
        const std::int64_t t = decoderMs ? *decoderMs : clock_.ms - clockResetMs_;
        const std::int64_t ms = t % 1000;
        // Smallest timer value that the sub-second formula turns into ms.
        const std::int64_t timer = 18661 + (ms * 12000 + 255) / 256;
        push({0xFF, 0xFF, 0xFF, 0xF0, hi, lo, static_cast<std::uint8_t>(t / 3600000),
              static_cast<std::uint8_t>(t / 60000 % 60), static_cast<std::uint8_t>(t / 1000 % 60),
              static_cast<std::uint8_t>(timer >> 8), static_cast<std::uint8_t>(timer & 0xFF)});
    }

    bool isRc2() const override { return rc2_; }
    void discardReceived() override { cut(); }
    std::optional<std::int64_t> startHeat(std::vector<Passing>&) override
    {
        if (!starts_.empty()) {
            if (clock_.ms < starts_.front())
                return std::nullopt;
            const std::int64_t at = starts_.front();
            starts_.pop_front();
            clockResetMs_ = at;
            return at * 1000;
        }
        if (rc2_ && unanswered_ > 0) {
            --unanswered_;
            return std::nullopt;
        }
        clockResetMs_ = clock_.ms;
        return clock_.counter();
    }
    std::vector<Passing> readPassings() override
    {
        std::vector<Passing> out;
        for (ReceivedFrame& f : cut())
            out.push_back(std::move(f.passing));
        return out;
    }

private:
    void push(std::initializer_list<std::uint8_t> frame)
    {
        for (std::uint8_t b : frame)
            bytes_.push_back({b, clock_.counter()});
    }
    std::vector<ReceivedFrame> cut()
    {
        const std::size_t n = std::min(bytes_.size(), kMaxReadBytes);
        std::vector<std::uint8_t> read;
        std::vector<std::int64_t> arrivals;
        for (std::size_t i = 0; i < n; ++i) {
            read.push_back(bytes_[i].first);
            arrivals.push_back(bytes_[i].second);
        }
        bytes_.erase(bytes_.begin(), bytes_.begin() + static_cast<long>(n));
        std::vector<ReceivedFrame> frames;
        const StreamCut how = rc2_ ? StreamCut::Rc2 : StreamCut::Rc1;
        if (n == 0) // as the program's reads do: a held frame goes on once the line is quiet
            stream_.settle(clock_.counter(), how, clock_.counterFrequency(), frames);
        else
            stream_.feed(read.data(), arrivals.data(), n, how, clock_.counterFrequency(), frames);
        return frames;
    }

    const ReplayClock& clock_;
    bool rc2_;
    int unanswered_;
    std::deque<std::int64_t> starts_;
    std::int64_t clockResetMs_ = 0;
    std::deque<std::pair<std::uint8_t, std::int64_t>> bytes_;
    DecoderStream stream_;
};

class ReplaySounds : public SoundPlayer {
public:
    explicit ReplaySounds(const ReplayClock& clock) : clock_(clock) {}
    void playAsync(const std::string& file) override { add(file, false); }
    void playAndWait(const std::string& file) override { add(file, true); }
    // The alert ends at once: the journal's "depart" is where it ended.
    void startAlert(const std::string& file) override { add(file, true); }
    std::string lines;

private:
    void add(const std::string& file, bool wait)
    {
        Line line(lines, "sound");
        line << clock_.ms << std::string_view(file);
        if (wait)
            line << std::string_view("wait");
    }
    const ReplayClock& clock_;
};

// "effacer yes" / "effacer no" answer the question that "Effacer" asks.
class ReplayPrompts : public Prompts {
public:
    void message(const std::string&, const std::string&, PromptIcon) override {}
    Answer askYesNoCancel(const std::string&, const std::string&) override { return answer; }
    Answer askYesNo(const std::string&, const std::string&) override { return answer; }
    Answer answer = Answer::No;
};

class StopRecorder : public HeatListener {
public:
    void heatStopped(std::int64_t nowMs) override
    {
        Line(lines, "stop") << nowMs;
    }
    std::string lines;
};

std::string joined(const LapTable& cells, int laps)
{
    std::string out;
    for (int n = 0; n <= std::clamp(laps, 0, kMaxLaps); ++n) {
        if (n)
            out += ',';
        out += std::to_string(cells[static_cast<std::size_t>(n)]);
    }
    return out;
}

} // namespace

std::string heatOutcomeText(const HeatRun& run)
{
    std::string out;
    const Standings& st = run.standings();
    for (int i = 0; i < st.count; ++i) {
        const BoardRow& b = st.board[static_cast<std::size_t>(i)];
        Line line(out, "row");
        for (const std::string* t : {&b.place, &b.slotNumber, &b.passingCount, &b.totalTime,
                                     &b.lastLap, &b.bestLap, &b.gapToLeader, &b.gapToPrevious,
                                     &b.laps, &b.totalAtLastLap, &b.recomputedBestLap})
            line << std::string_view(*t);
        line << std::string_view(cp1252ToUtf8(b.name)) << std::string_view(b.transponder)
             << b.finished << b.holdsHeatBest << b.newPersonalBest;
    }
    for (int k = 1; k <= kSlotCount; ++k) {
        const RunEntry& e = run.entries().slot(k);
        Line(out, "entry") << std::int64_t{k} << std::string_view(cp1252ToUtf8(e.pilotName))
                           << std::int64_t{e.passingCount} << std::int64_t{e.laps}
                           << std::int64_t{e.totalTime} << std::int64_t{e.bestLap}
                           << std::int64_t{e.ownStart} << e.finished
                           << std::string_view(joined(e.lapTotals, e.laps))
                           << std::string_view(joined(e.lapTimes, e.laps));
    }
    Line(out, "heat") << std::int64_t{run.heatBestLap()}
                      << std::string_view(cp1252ToUtf8(run.texts().title));
    if (run.track().inDatabase)
        Line(out, "record") << std::int64_t{run.track().recordMs}
                            << std::string_view(cp1252ToUtf8(run.track().holder));
    return out;
}

std::string replayHeat(const HeatScenario& s, const WorkFolder& scratch,
                       const std::function<void(const HeatRun&)>& atEnd)
{
    ReplayClock clock;
    std::deque<std::int64_t> starts;
    for (const ScenarioEvent& e : s.events)
        if (e.kind == ScenarioEvent::Kind::Start)
            starts.push_back(e.atMs);
    std::sort(starts.begin(), starts.end());
    ReplayDecoder decoder(clock, s.rc2, s.unansweredStartClocks, std::move(starts));
    ReplaySounds sounds(clock);
    ReplayPrompts prompts;
    StopRecorder stops;
    HeatRun run(clock, decoder, sounds, prompts, scratch);

    run.setOptions(s.options);
    run.setSoundChoices(s.sounds);
    run.setLapProtectionSeconds(s.protectionSeconds);
    if (s.trackRecordMs) {
        TrackRecord track;
        track.inDatabase = true;
        track.recordMs = static_cast<std::int32_t>(*s.trackRecordMs);
        track.holder = cp1252(s.trackHolder);
        run.setTrack(track);
    }
    run.setLocalTime([date = s.date] { return date; });
    run.setCourseDatabaseWriter([](const TrackRecord&) { return true; });
    run.setListener(&stops);

    RunEntryTable table;
    clearToEmptySlots(table);
    for (int k = 1; k <= kSlotCount; ++k) {
        const ScenarioSlot& slot = s.slots[static_cast<std::size_t>(k - 1)];
        table.slot(k).pilotName = cp1252(slot.name).substr(0, 39);
        table.slot(k).transponder = slot.transponder;
    }
    run.loadHeat(table);

    std::vector<ScenarioEvent> events = s.events;
    std::stable_sort(events.begin(), events.end(),
                     [](const auto& a, const auto& b) { return a.atMs < b.atMs; });
    const std::int64_t end = s.endMs.value_or(0);
    std::size_t next = 0;
    auto runEventsUpTo = [&](std::int64_t t) {
        for (; next < events.size() && events[next].atMs <= t; ++next) {
            const ScenarioEvent& e = events[next];
            clock.ms = e.atMs;
            using K = ScenarioEvent::Kind;
            switch (e.kind) {
            case K::Depart: run.depart(); break;
            case K::Arret: run.arret(); break;
            case K::EraseYes:
            case K::EraseNo:
                prompts.answer = e.kind == K::EraseYes ? Answer::Yes : Answer::No;
                run.effacer();
                break;
            case K::Button: run.manualPassing(e.value); break;
            case K::Passing: decoder.queue(e.value, e.decoderMs); break;
            case K::Start: break; // answered by the decoder's start
            }
        }
    };
    for (std::int64_t t = 0; t <= end; t += 10) {
        runEventsUpTo(t);
        clock.ms = t;
        run.tick(t);
        // The main window's idle read: nothing waits in the line for later.
        if (!run.active())
            decoder.discardReceived();
    }
    runEventsUpTo(end);
    if (atEnd)
        atEnd(run);
    return sounds.lines + stops.lines + heatOutcomeText(run);
}

} // namespace ksy
