#pragma once
// HeatRun: the live timing of one heat, from "Départ" through the countdown,
// the start, the running clock and the passings to the end ("Arret", by hand
// or by itself), then the rest before the next heat.
//
// Everything is driven by tick(now) every 10 ms and by the race-control
// buttons. Time comes from the injected Clock (milliseconds for the clocks,
// the high-resolution counter for host-stamped passings), passings from a
// HeatDecoder, so a heat replayed on a fake clock and a fake decoder gives the
// same laps, standings and sounds.
//
// Main window, every tick:   link.tick(run.heatElapsedMs()) -> run.handlePassings(late)
//                            run.tick(now); if (!run.active()) scan or idle read
// Buttons:                   depart(), arret(), effacer(), manualPassing(k)
// Board:                     standings(), texts(), changeCount() (repaint when it moves)
#include "race/race_options.h"
#include "race/run_entry.h"
#include "services/clock.h"
#include "services/prompts.h"
#include "services/sound_player.h"
#include "services/translate.h"
#include "storage/work_folder.h"
#include "timing/decoder_clock_watch.h"
#include "timing/heat_decoder.h"
#include "timing/lap_recording.h"
#include "timing/sound_moments.h"
#include "timing/standings.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ksy {

inline constexpr std::string_view kCloseRefusedText = KSY_TRANSLATE_NOOP(
    "Prompts", "Un run ou un scan est en cours!\r\nVous ne pouvez pas fermer l'application !");
inline constexpr std::string_view kEraseQuestion = KSY_TRANSLATE_NOOP("Prompts",
    "Etes vous sûr de vouloir effacer les résultats de la série?\nLes données seront "
    "définitivement perdues");
inline constexpr std::string_view kCourseDatabaseError =
    KSY_TRANSLATE_NOOP("Prompts", "Erreur: impossible d'ouvrir la base de données Circuits");
inline constexpr std::string_view kRunTitle = "Kestrametrix";

// What "Départ" greys out and "Arret" gives back (menu commands and controls).
inline constexpr std::array<int, 16> kMenuItemsLockedWhileRunning = {
    1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009, 1010, 1011, 1013, 1014, 6102, 6103, 6104};
inline constexpr std::array<int, 9> kControlsLockedWhileRunning = {
    4000, 2001, 2003, 2105, 6000, 2101, 2102, 2103, 2104};

struct ClockParts {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    int milliseconds = 0;
    bool operator==(const ClockParts&) const = default;
};

struct RunState {
    bool ready = false;
    bool armed = false;
    bool running = false;
    bool restCountdown = false;
    bool startAcknowledged = false;
    bool firstCarSeen = false;
    bool runHappened = false;
    bool heatDirty = false;
    // One-shot announcements, cleared at "Départ".
    bool endSignalGiven = false;
    bool halfRaceAnnounced = false;
    bool fiveMinutesAnnounced = false;
    bool oneMinuteAnnounced = false;
    std::array<bool, 13> countdownAnnounced {};
    bool restAlertGiven = false;
    // Armed, the alert before the countdown still playing.
    bool alertPlaying = false;
    // An RC2 heat whose decoder clock went back: its passings are stamped on
    // the host clock from then on, as an RC1's.
    bool hostStamped = false;

    std::int64_t countdownStartTick = 0;
    std::int64_t startTick = 0;
    std::int64_t lastDisplayTick = 0;
    std::int64_t restStartTick = 0;
    std::int64_t startCounter = 0;
    std::int64_t startMs = 0; // the start counter in milliseconds of the clock
    std::int64_t firstCarOffset = 0;
    int remainingCountdown = 0;
    int durationHours = 0;
    int durationMinutes = 0;
    ClockParts elapsed;
    ClockParts remaining; // milliseconds unused
};

// Texts the board shows around the standings, in UTF-8 except the title,
// which is stored with the heat result and so is Windows-1252.
struct HeatTexts {
    std::string duration; // "%d:%02d:00" or "%d tours"
    std::string elapsed; // "%d:%02d:%02d"
    std::string remaining; // "%d:%02d:%02d"
    std::string countdown; // "%ds"
    std::string restMinutes; // "%d:00"
    std::string rest; // "%d:%02d avant départ" / "%d:%02d repos écoulé"
    bool restOverrun = false; // the rest text is drawn in the alert colour
    std::string title; // "Durée ... - Départ dd/mm/yyyy h:mm", "." when erased
};

struct LocalDateTime {
    int year = 1970;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
};

// What the official did and when the heat moved on, for the passing journal:
// Depart arms the heat, Countdown is the end of the alert (the countdown
// begins), Start the start moment (at the start counter).
enum class HeatAction { Depart, Countdown, Start, Arret, EraseYes, EraseNo, Button };

// What became of a passing read while the heat was armed or running.
enum class PassingFate {
    Read, // handed to the lap rules (which may still ignore it)
    BeforeStart, // came before the start: never a lap
    Refused, // decoder time fields that cannot be true
};

// Told of every action and every passing as read, before the lap rules
// apply, so that a journal can rebuild the heat.
class HeatListener {
public:
    virtual ~HeatListener() = default;
    virtual void heatAction(std::int64_t /*nowMs*/, HeatAction /*action*/, int /*slot*/) { }
    virtual void passingRead(std::int64_t /*nowMs*/, const Passing& /*passing*/, PassingFate) { }
    // The decoder clock went back at this heat time: host stamps from now on.
    virtual void decoderClockLost(std::int64_t /*nowMs*/, std::int64_t /*heatMs*/) { }
    virtual void heatStopped(std::int64_t /*nowMs*/) { }
};

// Told to the official once, when an RC2 decoder clock went back mid-heat.
inline constexpr const char* kDecoderClockLostText = KSY_TRANSLATE_NOOP("Prompts",
    "L'horloge du décodeur RC2 est revenue en arrière à %1 : les passages suivants de cette "
    "série sont chronométrés par l'ordinateur.");

class HeatRun {
public:
    HeatRun(const Clock& clock, HeatDecoder& decoder, SoundPlayer& sounds, Prompts& prompts,
        WorkFolder folder);

    // --- Set-up, refused (false) while a heat is armed or running ---
    // The 20 slots with names and transponders, and any stored result. A heat
    // that already holds results is not ready: "Effacer" first.
    bool loadHeat(const RunEntryTable& slots);
    bool setOptions(const RaceOptions& options);
    bool setSoundChoices(const SoundChoices& choices);
    bool setLapProtectionSeconds(int seconds);
    bool setTrack(const TrackRecord& track);
    // Local time for the heat title (default: the system's local time).
    void setLocalTime(std::function<LocalDateTime()> localNow);
    // Writes the course database with the track record when the heat stops;
    // returns false when the file cannot be written.
    void setCourseDatabaseWriter(std::function<bool(const TrackRecord&)> writer);
    void setListener(HeatListener* listener) { listener_ = listener; }

    // --- Race-control buttons ---
    void depart();
    void arret();
    void effacer();
    void manualPassing(int slot); // buttons "1" to "20"

    // --- The 10 ms tick (rest, countdown and start, running heat) ---
    void tick(std::int64_t nowMs);
    // RC2 passings read by the link elsewhere (during a reconnection).
    void handlePassings(const std::vector<Passing>& passings, std::int64_t nowMs);

    // --- What the window shows ---
    const RunState& state() const { return state_; }
    const Clock& clock() const { return clock_; }
    const RunEntryTable& entries() const { return table_; }
    const Standings& standings() const { return standings_; }
    const HeatTexts& texts() const { return texts_; }
    const RaceOptions& options() const { return options_; }
    const SoundChoices& soundChoices() const { return sounds_; }
    int lapProtectionSeconds() const { return protectionMs_ / 1000; }
    const TrackRecord& track() const { return track_; }
    std::int32_t heatBestLap() const { return heatBestLap_; }
    bool active() const { return state_.armed || state_.running; }
    // The menu items and controls above are disabled while this holds.
    bool controlsLocked() const { return active(); }
    // Closing the window is refused while a heat is armed or running.
    bool canClose() const { return !active(); }
    // Moves whenever something the board shows has changed.
    std::uint64_t changeCount() const { return changes_; }
    // Time since the start of the running heat, for the decoder's link messages.
    std::optional<std::int64_t> heatElapsedMs() const;
    // A message for the official that the heat raised in a tick (UTF-8), to
    // be shown once the tick is over; empty when there is none.
    std::string takeNotice() { return std::exchange(notice_, std::string()); }

private:
    void countdownStep(std::int64_t now);
    bool startStep(std::int64_t now);
    void beginRunning(std::int64_t now);
    void runningTick(std::int64_t now);
    void restTick(std::int64_t now);
    void beginCountdown(std::int64_t now);
    void takeStart(std::int64_t startCounter);
    void takePassings(const std::vector<Passing>& passings, std::int64_t now);
    void takePassingsInOrder(const std::vector<Passing>& passings, std::int64_t now);
    void formatBoardIfStale();
    struct Timed {
        PassingFate fate;
        std::int64_t ms;
    };
    Timed timePassing(const Passing& passing, std::int64_t now);
    bool matchesSlot(const Passing& passing) const;
    std::optional<std::int64_t> hardEndMs() const;
    void recordPassing(const Passing& passing, std::int64_t time);
    void startOnFirstCar(const std::vector<int>& slots, std::int64_t sinceStart, std::int64_t now);
    void acceptPassing(int slot, bool passingSounds);
    void stop(std::int64_t now);
    void resetTexts();
    void buildTitle();
    void play(std::string_view file, bool allowed);
    void changed() { ++changes_; }

    const Clock& clock_;
    HeatDecoder& decoder_;
    SoundPlayer& player_;
    Prompts& prompts_;
    WorkFolder folder_;
    HeatListener* listener_ = nullptr;
    std::function<LocalDateTime()> localNow_;
    std::function<bool(const TrackRecord&)> courseWriter_;

    RaceOptions options_;
    SoundChoices sounds_;
    std::int32_t protectionMs_ = 2000;
    TrackRecord track_;

    RunState state_;
    RunEntryTable table_;
    Standings standings_;
    HeatTexts texts_;
    std::int32_t heatBestLap_ = kNoHeatBestLap;
    std::uint64_t changes_ = 0;
    bool titleBuilt_ = false;
    bool boardStale_ = false; // standings ordered, board texts not yet rebuilt
    std::string notice_;
    DecoderClockWatch clockWatch_;
};

} // namespace ksy
