#pragma once
// How the slots of a heat get their transponders: each pilot's own from the
// participant list ("Puces perso"), the transponders of a club pack handed
// out row by row ("Puces club" with "PackPuces" and the "PucesClubs" list),
// or club transponders identified by a scan ("Mixte (scan)", see
// timing/transponder_modes_scan.h). Also the radio-frequency conflict of a
// heat. Pure rules: the main window shows, hides and enables its controls
// from the state kept here.
#include "services/translate.h"
#include "databases/records.h"
#include "race/participants.h"
#include "race/run_entry.h"
#include "timing/standings.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ksy {

enum class TransponderMode { Personal, Club, Mixed };

// Control ids of the transponder strip of the main window.
namespace transpondercontrol {
inline constexpr int Personal = 2101; // "Puces perso"
inline constexpr int Club = 2102; // "Puces club"
inline constexpr int Mixed = 2103; // "Mixte (scan)"
inline constexpr int Pack = 2104; // "PackPuces"
inline constexpr int Scan = 2105; // "Scan"
inline constexpr int Status = 2106; // read-only status edit
inline constexpr int ClubList = 2107; // "PucesClubs", opened over a board row
} // namespace transpondercontrol

// Which of the mode's own controls are shown.
struct TransponderControls {
    bool packShown = false; // "PackPuces"
    bool scanShown = false; // "Scan"
    bool statusShown = false; // the status edit
    bool operator==(const TransponderControls&) const = default;
};
TransponderControls transponderControls(TransponderMode mode);

// The radio buttons, the chosen pack and the club transponder choice of the
// board rows. Every change is refused (false) while `locked`: a heat armed or
// running, or a scan active.
class TransponderModes {
public:
    TransponderMode mode() const { return mode_; }
    TransponderControls controls() const { return transponderControls(mode_); }

    // A radio button. "Puces club" also switches the club transponder choice
    // on; the two others switch it off.
    bool choose(TransponderMode mode, bool locked);
    // A pack chosen in "PackPuces" (0..19): the mode becomes club.
    bool selectPack(int pack, bool locked);
    std::optional<int> pack() const { return pack_; }

    // Whether a click on a row's "Transp." cell opens "PucesClubs".
    bool clubChoiceActive() const { return clubChoice_; }
    // Result editing ("Modifier résultats série") and command 1055 end it.
    void endClubChoice() { clubChoice_ = false; }

private:
    TransponderMode mode_ = TransponderMode::Personal;
    std::optional<int> pack_;
    bool clubChoice_ = false;
};

// The participant of that exact name; the last one when the list holds it
// twice, as the transponder lookup always took the last.
const Participant* lastParticipantNamed(const ParticipantList& list, std::string_view name);

// Personal mode: each slot gets the transponder of its pilot in the
// participant list ("" when the pilot is not in it). The other modes leave
// the slots as they are (club transponders are chosen row by row, mixed ones
// found by the scan).
void assignTransponders(RunEntryTable& slots, TransponderMode mode, const ParticipantList& list);

inline constexpr std::string_view kSharedBandFrequency = "2.4Ghz";
inline constexpr std::string_view kRadioConflictText = KSY_TRANSLATE_NOOP("MainWindow", " Conflit Radio ");

// True when two different slots whose pilots are in the list share a radio
// frequency (any of their five), empty and "2.4Ghz" excepted.
bool hasRadioConflict(const RunEntryTable& slots, const ParticipantList& list);

// The "PucesClubs" drop-down list over a row's "Transp." cell: the 20
// transponders of the pack, the row's own one selected when the list holds
// exactly that text.
struct ClubTransponderList {
    std::vector<std::string> entries;
    std::optional<int> selected;
};
ClubTransponderList clubTransponderList(const TransponderPack& pack, std::string_view current);

// Choosing an entry: the text becomes the transponder of standings row `row`
// (from 0) and of every slot and board row of the same pilot. False when the
// row does not exist.
bool chooseClubTransponder(
    RunEntryTable& slots, Standings& standings, int row, const std::string& transponder);

} // namespace ksy
