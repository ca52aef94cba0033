#include "timing/heat_run.h"

#include "services/translate.h"
#include "storage/encoding.h"
#include "timing/decoder_link.h"
#include "timing/decoder_stream.h"
#include "timing/heat_result_files.h"
#include "timing/time_format.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace ksy {
namespace {

constexpr std::array<int, 13> kAnnouncedSeconds = {
    3600, 1800, 900, 300, 120, 60, 30, 10, 5, 4, 3, 2, 1};
constexpr std::int64_t kDisplayGapMs = 200;
// The clock of a heat over laps: it only ends a heat that nobody finishes.
constexpr int kLapsModeClockHours = 2;
ClockParts split(std::int64_t ms)
{
    ClockParts p;
    p.hours = static_cast<int>(ms / 3600000);
    p.minutes = static_cast<int>(ms % 3600000 / 60000);
    p.seconds = static_cast<int>(ms % 60000 / 1000);
    p.milliseconds = static_cast<int>(ms % 1000);
    return p;
}

// The board refreshes about once a second: in the first 100 ms of each
// second, and never twice within 200 ms.
bool displayMoment(std::int64_t elapsed, std::int64_t now, std::int64_t lastDisplay)
{
    const std::int64_t part = elapsed % 1000;
    return part >= 1 && part <= 99 && now - lastDisplay > kDisplayGapMs;
}

std::string printf2(const char* format, int a, int b)
{
    char buf[48];
    std::snprintf(buf, sizeof buf, format, a, b);
    return buf;
}

LocalDateTime systemLocalTime()
{
    const std::time_t t = std::time(nullptr);
    std::tm tm {};
#ifdef _WIN32
    localtime_s(&tm, &t);
#else
    localtime_r(&t, &tm);
#endif
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min};
}

bool isTimeUp(const ClockParts& remaining)
{
    return remaining.hours <= 0 && remaining.minutes <= 0 && remaining.seconds <= 0;
}

// The board's words of a heat, looked up once (again only when another
// language is installed): these texts change every second.
struct RunWords {
    int generation = textTranslatorGeneration();
    std::string laps = translate("Board", "%1 tours");
    std::string beforeStart = translate("Board", "%1 avant départ");
    std::string restOver = translate("Board", "%1 repos écoulé");
};

const RunWords& runWords()
{
    thread_local RunWords words;
    if (words.generation != textTranslatorGeneration())
        words = RunWords();
    return words;
}

} // namespace

HeatRun::HeatRun(const Clock& clock, HeatDecoder& decoder, SoundPlayer& sounds, Prompts& prompts,
    WorkFolder folder)
    : clock_(clock)
    , decoder_(decoder)
    , player_(sounds)
    , prompts_(prompts)
    , folder_(std::move(folder))
    , localNow_(systemLocalTime)
{
    clearToEmptySlots(table_);
    resetRunData(table_);
    computeStandings(table_, options_.ranking, standings_);
    resetTexts();
}

// --- Set-up ---

bool HeatRun::loadHeat(const RunEntryTable& slots)
{
    if (active())
        return false;
    table_ = slots;
    prepareLoadedHeat(table_, options_.start);
    // Running a stored heat again would pile new laps onto the old ones:
    // such a heat must be erased first, which is why "Effacer" is offered.
    const bool stored = table_.hasResults();
    state_.ready = !stored;
    state_.runHappened = stored;
    state_.heatDirty = false;
    heatBestLap_ = kNoHeatBestLap;
    computeStandings(table_, options_.ranking, standings_);
    resetTexts();
    changed();
    return true;
}

bool HeatRun::setOptions(const RaceOptions& options)
{
    if (active())
        return false;
    options_ = options;
    computeStandings(table_, options_.ranking, standings_);
    resetTexts();
    changed();
    return true;
}

bool HeatRun::setSoundChoices(const SoundChoices& choices)
{
    if (active())
        return false;
    sounds_ = choices;
    return true;
}

bool HeatRun::setLapProtectionSeconds(int seconds)
{
    if (active())
        return false;
    protectionMs_ = std::max(0, seconds) * 1000;
    return true;
}

bool HeatRun::setTrack(const TrackRecord& track)
{
    if (active())
        return false;
    track_ = track;
    return true;
}

void HeatRun::setLocalTime(std::function<LocalDateTime()> localNow)
{
    localNow_ = localNow ? std::move(localNow) : systemLocalTime;
}

void HeatRun::setCourseDatabaseWriter(std::function<bool(const TrackRecord&)> writer)
{
    courseWriter_ = std::move(writer);
}

std::optional<std::int64_t> HeatRun::heatElapsedMs() const
{
    if (!state_.running)
        return std::nullopt;
    return clock_.milliseconds() - state_.startTick;
}

// --- Buttons ---

void HeatRun::depart()
{
    if (active())
        return; // the button is disabled then
    if (!state_.ready) {
        computeStandings(table_, options_.ranking, standings_);
        changed();
        return;
    }
    texts_.restMinutes.clear();
    texts_.rest.clear();
    texts_.restOverrun = false;
    state_.restCountdown = false;
    // Passings queued before "Départ" are not this heat's.
    decoder_.discardReceived();
    // Armed at once: the controls are locked from this moment, and every
    // passing read from now on is journalled, also while the alert plays.
    const std::int64_t now = clock_.milliseconds();
    state_.armed = true;
    state_.startAcknowledged = false;
    state_.firstCarSeen = false;
    state_.hostStamped = false;
    clockWatch_.reset();
    state_.firstCarOffset = 0;
    state_.remainingCountdown = 1;
    titleBuilt_ = false;
    heatBestLap_ = kNoHeatBestLap;
    if (table_.pilotCount() == 0)
        state_.heatDirty = true;
    if (listener_)
        listener_->heatAction(now, HeatAction::Depart, 0);
    state_.alertPlaying = sounds_.countdownVoice && options_.countdownSeconds > 1;
    if (state_.alertPlaying)
        player_.startAlert(std::string(sounds::kAlert));
    // The countdown begins once the alert has been heard (at once when it
    // cannot be played); meanwhile the tick goes on.
    if (!state_.alertPlaying || !player_.alertPlaying())
        beginCountdown(now);
    changed();
}

void HeatRun::beginCountdown(std::int64_t now)
{
    state_.alertPlaying = false;
    if (listener_)
        listener_->heatAction(now, HeatAction::Countdown, 0);
    state_.countdownStartTick = now;
    state_.lastDisplayTick = 0;
    state_.remainingCountdown = 1;
    state_.endSignalGiven = state_.halfRaceAnnounced = false;
    state_.fiveMinutesAnnounced = state_.oneMinuteAnnounced = false;
    state_.countdownAnnounced.fill(false);
}

void HeatRun::arret()
{
    const std::int64_t now = clock_.milliseconds();
    // A car that crossed just before the click keeps its lap.
    if (state_.running)
        takePassings(decoder_.readPassings(), now);
    if (listener_ && active())
        listener_->heatAction(now, HeatAction::Arret, 0);
    state_.alertPlaying = false;
    stop(now);
}

void HeatRun::effacer()
{
    if (active() || !state_.runHappened)
        return;
    const Answer answer =
        prompts_.askYesNoDefaultNo(std::string(kRunTitle), std::string(kEraseQuestion));
    if (listener_)
        listener_->heatAction(clock_.milliseconds(),
            answer == Answer::Yes ? HeatAction::EraseYes : HeatAction::EraseNo, 0);
    if (answer != Answer::Yes)
        return;
    state_.ready = true;
    state_.runHappened = false;
    resetRunData(table_);
    heatBestLap_ = kNoHeatBestLap;
    computeStandings(table_, options_.ranking, standings_);
    if (!writeHeatDetail(folder_, table_, keyword(options_.ranking)))
        prompts_.error(std::string(kHeatDetailError));
    resetTexts();
    texts_.title = ".";
    changed();
}

void HeatRun::manualPassing(int slot)
{
    if (slot < 1 || slot > kSlotCount || !active())
        return;
    const std::int64_t now = clock_.milliseconds();
    if (listener_)
        listener_->heatAction(now, HeatAction::Button, slot);
    const std::int64_t sinceStart = now - state_.startMs;
    RunEntry& e = table_.slot(slot);
    if (state_.running) {
        if (e.finished)
            return;
        e.passingTime = sinceStart - state_.firstCarOffset;
        e.rawCounter = clock_.counter();
        e.sinceLastPassing = static_cast<std::int32_t>(e.passingTime - e.ownStart - e.totalTime);
        acceptPassing(slot, true); // no lap protection on a button
        formatBoardIfStale();
        return;
    }
    // Armed: a button starts a first-car heat once the countdown is over.
    if (options_.start == StartType::FirstCar && state_.remainingCountdown <= 0 &&
        state_.startAcknowledged && !state_.firstCarSeen && !e.isEmptySlot()) {
        e.rawCounter = clock_.counter();
        startOnFirstCar({slot}, sinceStart, now);
        formatBoardIfStale();
    }
}

// --- Tick ---

void HeatRun::tick(std::int64_t now)
{
    if (state_.restCountdown)
        restTick(now);
    if (state_.armed) {
        if (state_.alertPlaying) {
            if (player_.alertPlaying()) {
                takePassings(decoder_.readPassings(), now);
                return;
            }
            beginCountdown(now);
        }
        if (state_.remainingCountdown > 0) {
            countdownStep(now);
            // Cars crossing during the countdown are journalled, never laps.
            takePassings(decoder_.readPassings(), now);
            return;
        }
        if (!startStep(now))
            return;
    }
    if (state_.running)
        runningTick(now);
}

void HeatRun::handlePassings(const std::vector<Passing>& passings, std::int64_t now)
{
    takePassings(passings, now);
}

void HeatRun::countdownStep(std::int64_t now)
{
    const std::int64_t elapsed = now - state_.countdownStartTick;
    const std::int64_t countdown = options_.countdownSeconds;
    // Never more than the countdown itself: a tick right on "Départ" would
    // otherwise read one second too many.
    const std::int64_t left = std::min(countdown, (countdown * 1000 - elapsed + 1000) / 1000);
    state_.remainingCountdown = static_cast<int>(std::max<std::int64_t>(left, 0));
    if (displayMoment(elapsed, now, state_.lastDisplayTick)) {
        texts_.countdown = std::to_string(state_.remainingCountdown) + "s";
        state_.lastDisplayTick = now;
        changed();
    }
    if (!sounds_.countdownVoice)
        return;
    for (std::size_t i = 0; i < kAnnouncedSeconds.size(); ++i) {
        if (kAnnouncedSeconds[i] == state_.remainingCountdown && !state_.countdownAnnounced[i]) {
            state_.countdownAnnounced[i] = true;
            play(countdownVoice(state_.remainingCountdown, sounds_.language), true);
        }
    }
}

bool HeatRun::startStep(std::int64_t now)
{
    if (!state_.startAcknowledged) {
        if (!decoder_.isRc2())
            play(sounds::kBeep, true);
        std::vector<Passing> early;
        const std::optional<std::int64_t> start = decoder_.startHeat(early);
        // Read before the start was taken: these came before it.
        takePassings(early, now);
        if (start)
            takeStart(*start);
    }
    if (!titleBuilt_ && state_.startAcknowledged) {
        buildTitle();
        titleBuilt_ = true;
    }
    if (!state_.startAcknowledged)
        return false; // StartClock again on the next tick
    if (options_.start == StartType::FirstCar) {
        takePassings(decoder_.readPassings(), now);
        return state_.running;
    }
    play(sounds::kFoghorn, sounds_.startSignal);
    beginRunning(now);
    return true;
}

void HeatRun::takeStart(std::int64_t startCounter)
{
    state_.startCounter = startCounter;
    state_.startMs = counterToMs(startCounter, clock_.counterFrequency());
    state_.startAcknowledged = true;
    if (listener_)
        listener_->heatAction(state_.startMs, HeatAction::Start, 0);
}

void HeatRun::startOnFirstCar(
    const std::vector<int>& slots, std::int64_t sinceStart, std::int64_t now)
{
    play(sounds::kFoghorn, sounds_.startSignal);
    state_.firstCarSeen = true;
    // Every later time is measured from this passing, once: the start
    // counter is kept and this offset taken off every passing.
    state_.firstCarOffset = sinceStart;
    beginRunning(now);
    for (int slot : slots) {
        RunEntry& e = table_.slot(slot);
        e.passingTime = 0;
        e.sinceLastPassing = static_cast<std::int32_t>(-e.ownStart - e.totalTime);
        // The start horn stands for this crossing: no beep cuts it off.
        acceptPassing(slot, false);
    }
}

void HeatRun::beginRunning(std::int64_t)
{
    // The heat clock runs from the start moment itself, not from the tick
    // that noticed it, so that a replay of the journal keeps every time.
    state_.startTick = state_.startMs + state_.firstCarOffset;
    state_.ready = false;
    state_.armed = false;
    state_.running = true;
    state_.lastDisplayTick = 0;
    state_.remaining = ClockParts {0, 0, 1, 0};
    state_.elapsed = ClockParts {};
    if (options_.durationMode == DurationMode::Time) {
        state_.durationHours = options_.minutes / 60;
        state_.durationMinutes = options_.minutes % 60;
    } else {
        state_.durationHours = kLapsModeClockHours;
        state_.durationMinutes = 0;
    }
    for (int p = 0; p < standings_.count; ++p)
        standings_.board[static_cast<std::size_t>(p)].totalTime = std::string(kResetTotalTime);
    changed();
}

void HeatRun::runningTick(std::int64_t now)
{
    RunState& s = state_;
    s.runHappened = true;
    std::int64_t elapsed = 0;
    if (!isTimeUp(s.remaining)) {
        elapsed = now - s.startTick;
        s.elapsed = split(elapsed);
        const std::int64_t left = std::int64_t {s.durationHours} * 3600000 +
            std::int64_t {s.durationMinutes} * 60000 - elapsed + 1000;
        s.remaining = split(left);
        s.remaining.milliseconds = 0;
    } else {
        elapsed = s.elapsed.hours * 3600000LL + s.elapsed.minutes * 60000LL +
            s.elapsed.seconds * 1000LL + s.elapsed.milliseconds;
    }
    const bool timeUp = isTimeUp(s.remaining);
    if (timeUp && !s.endSignalGiven) {
        s.endSignalGiven = true;
        play(sounds::kFoghorn, options_.start != StartType::Staggered);
    }
    if (displayMoment(elapsed, now, s.lastDisplayTick)) {
        texts_.duration = options_.durationMode == DurationMode::Time
            ? formatClockMinutes(s.durationHours, s.durationMinutes)
            : fillText(runWords().laps, {std::to_string(options_.laps)});
        texts_.remaining = formatClock(s.remaining.hours, s.remaining.minutes, s.remaining.seconds);
        texts_.elapsed = formatClock(s.elapsed.hours, s.elapsed.minutes, s.elapsed.seconds);
        s.lastDisplayTick = now;
        changed();
    }
    if (sounds_.clockVoice) {
        const int heatMinutes = s.durationHours * 60 + s.durationMinutes;
        const ClockParts& r = s.remaining;
        const ClockParts& e = s.elapsed;
        if (!s.halfRaceAnnounced && r.hours == e.hours && r.minutes == e.minutes &&
            r.seconds == e.seconds) {
            s.halfRaceAnnounced = true;
            play(halfRaceVoice(sounds_.language), true);
        }
        // Hours must read 0 too: the 2-hour clock of a heat over laps also
        // reads 4 minutes at 1:04 left.
        if (!s.fiveMinutesAnnounced && heatMinutes > 12 && r.hours == 0 && r.minutes == 4) {
            s.fiveMinutesAnnounced = true;
            play(fiveMinutesLeftVoice(sounds_.language), true);
        }
        if (!s.oneMinuteAnnounced && heatMinutes > 2 && r.hours == 0 && r.minutes == 0) {
            s.oneMinuteAnnounced = true;
            play(oneMinuteLeftVoice(sounds_.language), true);
        }
    }
    takePassings(decoder_.readPassings(), now);
    if (!s.running)
        return;
    bool allFinished = true;
    for (const RunEntry& e : table_.slots)
        allFinished = allFinished && e.finished;
    const bool timed = options_.durationMode == DurationMode::Time;
    if ((timeUp && (!timed || options_.timedEnd == TimedEnd::SoundSignal)) || allFinished)
        stop(now);
}

void HeatRun::restTick(std::int64_t now)
{
    RunState& s = state_;
    const std::int64_t elapsed = now - s.restStartTick;
    if (!displayMoment(elapsed, now, s.lastDisplayTick))
        return;
    const std::int64_t restMs = std::int64_t {options_.restMinutes} * 60000;
    const std::int64_t left = restMs - elapsed + 1000;
    texts_.restMinutes = std::to_string(options_.restMinutes) + ":00";
    if (left >= 0) {
        const int minutes = static_cast<int>(left / 60000);
        const int seconds = static_cast<int>(left % 60000 / 1000);
        texts_.rest = fillText(runWords().beforeStart, {printf2("%d:%02d", minutes, seconds)});
        texts_.restOverrun = false;
        // Once per rest: the first display that reads 0:00.
        if (minutes == 0 && seconds == 0 && !s.restAlertGiven) {
            s.restAlertGiven = true;
            play(sounds::kAlert, true);
        }
    } else {
        // Past the rest: how long ago it ended.
        const std::int64_t over = elapsed - restMs;
        texts_.rest = fillText(runWords().restOver,
            {printf2(
                "%d:%02d", static_cast<int>(over / 60000), static_cast<int>(over % 60000 / 1000))});
        texts_.restOverrun = true;
    }
    s.lastDisplayTick = now;
    changed();
}

// --- Passings ---

void HeatRun::formatBoardIfStale()
{
    if (!boardStale_)
        return;
    formatBoard(standings_);
    boardStale_ = false;
}

void HeatRun::takePassings(const std::vector<Passing>& passings, std::int64_t now)
{
    takePassingsInOrder(passings, now);
    formatBoardIfStale();
}

void HeatRun::takePassingsInOrder(const std::vector<Passing>& passings, std::int64_t now)
{
    for (const Passing& p : passings) {
        const Timed t = timePassing(p, now);
        if (listener_)
            listener_->passingRead(now, p, t.fate);
        if (t.fate != PassingFate::Read || p.transponder == kNoTransponder)
            continue;
        if (state_.running) {
            recordPassing(p, t.ms);
            continue;
        }
        const bool waitingForFirstCar = state_.armed && options_.start == StartType::FirstCar &&
            state_.remainingCountdown <= 0 && state_.startAcknowledged && !state_.firstCarSeen;
        if (!waitingForFirstCar)
            continue;
        std::vector<int> matching;
        for (int k = 1; k <= kSlotCount; ++k) {
            const RunEntry& e = table_.slot(k);
            if (e.transponder == p.transponderText && !e.finished)
                matching.push_back(k);
        }
        if (matching.empty())
            continue;
        startOnFirstCar(matching, t.ms, now);
    }
}

bool HeatRun::matchesSlot(const Passing& p) const
{
    for (const RunEntry& e : table_.slots)
        if (!e.isEmptySlot() && e.transponder == p.transponderText)
            return true;
    return false;
}

HeatRun::Timed HeatRun::timePassing(const Passing& p, std::int64_t now)
{
    if (p.refused)
        return {PassingFate::Refused, 0};
    if (!state_.startAcknowledged || (!state_.armed && !state_.running))
        return {PassingFate::BeforeStart, 0};
    const std::int64_t arrivalMs = counterToMs(p.arrivalCounter, clock_.counterFrequency());
    const std::int64_t hostMs = arrivalMs - state_.startMs;
    const std::int64_t sinceStart = [&] {
        if (!decoder_.isRc2() || state_.hostStamped || !p.decoderMs)
            return hostMs;
        clockWatch_.frameArrived(arrivalMs);
        const std::int64_t d = *p.decoderMs;
        if (!matchesSlot(p))
            return d; // a frame of nobody: no reason to doubt the decoder
        if (clockWatch_.restarted(d, state_.startMs, arrivalMs)) {
            // A decoder restarted mid-heat: its clock no longer counts from
            // the start. The host's arrival stamps keep the heat going, from
            // this passing on, so that no lap spans the two clocks.
            state_.hostStamped = true;
            const std::int64_t heatMs = hostMs - state_.firstCarOffset;
            notice_ =
                fillText(translate("Prompts", kDecoderClockLostText), {linkMessageClock(heatMs)});
            if (listener_)
                listener_->decoderClockLost(now, heatMs);
            return hostMs;
        }
        return d;
    }();
    if (sinceStart < 0 || (sinceStart == hostMs && p.arrivalCounter < state_.startCounter))
        return {PassingFate::BeforeStart, 0};
    return {PassingFate::Read, sinceStart - state_.firstCarOffset};
}

std::optional<std::int64_t> HeatRun::hardEndMs() const
{
    if (options_.durationMode == DurationMode::Laps)
        return kLapsModeClockHours * 3600000LL;
    if (options_.timedEnd == TimedEnd::SoundSignal)
        return options_.minutes * 60000LL;
    return std::nullopt;
}

void HeatRun::recordPassing(const Passing& p, std::int64_t time)
{
    // A heat that ends at the signal takes no crossing made after it, even
    // one read by the tick that then stops the heat.
    if (const auto end = hardEndMs(); end && time > *end)
        return;
    for (int k = 1; k <= kSlotCount && state_.running; ++k) {
        RunEntry& e = table_.slot(k);
        if (e.finished || e.transponder != p.transponderText)
            continue;
        e.passingTime = time;
        if (!decoder_.isRc2() || state_.hostStamped)
            e.rawCounter = p.arrivalCounter;
        e.sinceLastPassing = static_cast<std::int32_t>(time - e.ownStart - e.totalTime);
        if (!passesLapProtection(e, protectionMs_))
            continue;
        acceptPassing(k, true);
    }
}

void HeatRun::acceptPassing(int slot, bool passingSounds)
{
    RunEntry& e = table_.slot(slot);
    if (e.laps >= kMaxLaps)
        return; // the lap tables are full; a timed heat has stopped by now
    recordLap(e, options_.start);
    updateHeatBest(table_, slot, heatBestLap_);
    updateTrackRecord(e, track_);
    const FinishOutcome finish = applyFinishingRules(table_, slot, options_, standings_);
    if (finish.stopHeat)
        stop(clock_.milliseconds());
    // The order after every lap (the finishing rules and the lap positions
    // need it); the board's texts once the passings of the tick are in.
    orderStandings(table_, options_.ranking, standings_);
    boardStale_ = true;
    if (passingSounds) {
        if (!e.finished) {
            if (e.newPersonalBest)
                play(sounds::kCheer, sounds_.bestLapCheer);
            else
                play(sounds::kBeep, sounds_.passingBeep);
        }
        if (finish.cause == FinishCause::Rule)
            play(carFinishVoice(slot, sounds_.language), sounds_.carFinishVoice);
    }
    changed();
    e.changed = false;
}

// --- End of the heat ---

void HeatRun::stop(std::int64_t now)
{
    state_.armed = false;
    if (state_.running) {
        state_.running = false;
        play(sounds::kTruckHorn, sounds_.heatEndSignal);
        for (RunEntry& e : table_.slots)
            e.finished = true;
        computeStandings(table_, options_.ranking, standings_);
        markAllFinished(standings_);
        if (listener_)
            listener_->heatStopped(now);
    }
    if (options_.restMinutes > 0) {
        state_.restCountdown = true;
        state_.restStartTick = now;
        state_.restAlertGiven = false;
    }
    if (courseWriter_ && !courseWriter_(track_))
        prompts_.error(std::string(kCourseDatabaseError));
    changed();
}

// --- Texts ---

void HeatRun::resetTexts()
{
    texts_.duration = options_.durationMode == DurationMode::Time
        ? formatClockMinutes(options_.minutes / 60, options_.minutes % 60)
        : fillText(runWords().laps, {std::to_string(options_.laps)});
    texts_.elapsed = formatClock(0, 0, 0);
    texts_.remaining = formatClock(0, 0, 0);
    texts_.countdown = std::to_string(options_.countdownSeconds) + "s";
    texts_.restMinutes.clear();
    texts_.rest.clear();
    texts_.restOverrun = false;
}

void HeatRun::buildTitle()
{
    const LocalDateTime t = localNow_();
    const std::string duration = options_.durationMode == DurationMode::Time
        ? formatClockMinutes(options_.minutes / 60, options_.minutes % 60)
        : std::to_string(options_.laps) + " tours";
    char buf[160];
    std::snprintf(buf, sizeof buf,
        "Dur\xE9"
        "e %s - %s - %s - D\xE9"
        "part %02u/%02u/%04u %u:%02u",
        duration.c_str(), std::string(keyword(options_.start)).c_str(),
        std::string(activeEndKeyword(options_)).c_str(), static_cast<unsigned>(t.day),
        static_cast<unsigned>(t.month), static_cast<unsigned>(t.year),
        static_cast<unsigned>(t.hour), static_cast<unsigned>(t.minute));
    texts_.title = buf;
}

void HeatRun::play(std::string_view file, bool allowed)
{
    if (allowed && !file.empty())
        player_.playAsync(std::string(file));
}

} // namespace ksy
