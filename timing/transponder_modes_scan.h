#pragma once
// The scan of "Mixte (scan)": club transponders handed out at random are
// identified by passing the cars over the line in slot order, each new
// transponder taking the first slot without one; then a verification pass in
// which every car crosses again, ending with a buzz when the crossing order
// was not the slot order.
//
// Main window:
//   "Scan" button:   scan.press(run.entries(), heatLoaded, run.active())
//   10 ms tick:      if (!run.active() && scan.active()) event = scan.tick();
//   on Finished / Stopped:  RunEntryTable t = run.entries();
//                           scan.copyTransponders(t); run.loadHeat(t);
//   board:           scan.standings() while scan.active(); status() in 2106
//   controls:        kControlsLockedWhileScanning and the menu items of
//                    "Départ" while active(); closing refused (canClose()).
#include "services/translate.h"
#include "race/run_entry.h"
#include "services/clock.h"
#include "services/sound_player.h"
#include "timing/heat_decoder.h"
#include "timing/standings.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ksy {

// Status texts of the edit 2106 (UTF-8).
inline constexpr std::string_view kScanRunningText = KSY_TRANSLATE_NOOP("MainWindow", " Scan en cours");
inline constexpr std::string_view kVerifyRunningText = KSY_TRANSLATE_NOOP("MainWindow", " Vérif en cours");
inline constexpr std::string_view kVerifyDoneText = KSY_TRANSLATE_NOOP("MainWindow", " Vérif terminée");

// Passings closer than this to the car's previous one are not counted by the
// verification.
inline constexpr std::int64_t kVerifyProtectionMs = 2000;

// What a scan disables: the controls of "Départ" but the "Scan" button
// itself, which stops it.
inline constexpr std::array<int, 8> kControlsLockedWhileScanning = {
    4000, 2001, 2003, 6000, 2101, 2102, 2103, 2104};

enum class ScanPhase { None, Scanning, Verifying };

enum class ScanEvent {
    None,
    Started,
    Refused, // no heat loaded, or a heat armed or running
    VerificationStarted,
    Finished, // every car seen again: hand the transponders to the heat
    Stopped, // "Scan" pressed again: the transponders found so far stay
};

class TransponderScan {
public:
    TransponderScan(const Clock& clock, HeatDecoder& decoder, SoundPlayer& sounds);

    // "Scan": starts a scan of the loaded heat's slots, or stops the active one.
    ScanEvent press(const RunEntryTable& loaded, bool heatLoaded, bool runActive);
    // One timer tick while active: reads the decoder once.
    ScanEvent tick();
    // Passings read elsewhere (during a decoder reconnection).
    ScanEvent handlePassings(const std::vector<Passing>& passings);

    bool active() const { return phase_ != ScanPhase::None; }
    ScanPhase phase() const { return phase_; }
    // The push-like check box follows the scan.
    bool checked() const { return active(); }
    bool canClose() const { return !active(); }
    const std::string& status() const { return status_; } // UTF-8, "" before any scan
    // The heat as the scan sees it: transponders found, verification laps.
    const RunEntryTable& entries() const { return table_; }
    const Standings& standings() const { return standings_; }
    int scannedCount() const;
    // True when the last verification saw the cars in slot order.
    bool lastVerificationInOrder() const { return inOrder_; }
    // Moves whenever something the board shows has changed.
    std::uint64_t changeCount() const { return changes_; }

    // The transponders found, slot by slot, into the heat's own slots; names
    // and any stored result of `slots` stay as they are.
    void copyTransponders(RunEntryTable& slots) const;

private:
    ScanEvent scanTick(const std::vector<Passing>& passings);
    ScanEvent verifyTick(const std::vector<Passing>& passings);
    void beginVerification();
    void refresh();

    const Clock& clock_;
    HeatDecoder& decoder_;
    SoundPlayer& sounds_;
    ScanPhase phase_ = ScanPhase::None;
    std::string status_;
    RunEntryTable table_;
    Standings standings_;
    std::int64_t startCounter_ = 0;
    bool inOrder_ = false;
    std::uint64_t changes_ = 0;
};

} // namespace ksy
