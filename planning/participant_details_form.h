#pragma once
// The rules of the details dialog of one participant (the one selected in the
// race tree): its personal transponder, typed (1 to 6 digits, kept in the
// six-digit form) or read from the decoder by the "Scan", and its five radio
// frequencies.
// "OK" rewrites the category's list, which must already exist.
#include "race/participants.h"
#include "services/canvas.h"
#include "services/clock.h"
#include "services/prompts.h"
#include "services/serial_link.h"
#include "storage/work_folder.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ksy {

class ParticipantDetailsForm {
public:
    static constexpr int kTransponderDigits = 6; // characters "N°Puce" accepts
    // Where the scan indicator is drawn in the dialog.
    static constexpr Rect kIndicatorRect {305, 125, 350, 160};

    // Opening: reads the decoder identity, the frequency database and the
    // participant named by the race file's selection. Each failure shows its
    // "Erreur" box; the form goes on with what it has.
    ParticipantDetailsForm(
        WorkFolder folder, SerialLink& port, const Clock& clock, Prompts& prompts);

    // Whether the selection names a participant of an existing list.
    bool hasParticipant() const { return participant_ != nullptr; }
    // Windows-1252; empty without a participant.
    std::string name() const;
    std::string transponder() const;
    std::string frequency(int i) const; // i from 0 to 4
    // The entries of the five frequency lists, sorted.
    const std::vector<std::string>& frequencyChoices() const { return choices_; }

    // "N°Puce" changed: 1 to 6 digits are taken in the six-digit form, an
    // empty text clears it; false (nothing taken) for anything else.
    bool transponderEdited(std::string_view text);
    // The name (Windows-1252) of another participant of the category with the
    // same transponder, "" when there is none.
    std::string sharedTransponder() const;
    // "Freq1".."Freq5" (i from 0) changed to that entry.
    void frequencyChosen(int i, std::string_view value);

    // "Scan" checked or unchecked.
    void setScanning(bool on);
    bool scanning() const { return scanning_; }
    // What the read-only edit beside "Scan" shows.
    std::string_view scanText() const { return scanning_ ? "On" : "Off"; }
    // 0 (nothing drawn) or 1..4, the bitmap shown.
    int indicatorState() const { return indicator_; }
    // "images/voyantScanPuce%d.bmp" for states 1 to 4, empty for 0.
    static std::string indicatorImage(int state);

    // The dialog's 10 ms tick: one read of the port. While scanning, the
    // last transponder found becomes the participant's and its "%06d" text
    // is returned for "N°Puce"; otherwise the bytes are dropped.
    std::optional<std::string> tick();

    // "OK": rewrites the list (never creates it). False when nothing was
    // written; the box is shown.
    bool save();
    // Every way out stops the scan.
    void close() { setScanning(false); }

private:
    void advanceIndicator();

    WorkFolder folder_;
    SerialLink& port_;
    const Clock& clock_;
    Prompts& prompts_;
    std::string identity_;
    std::vector<std::string> choices_;
    int category_ = 0;
    ParticipantList list_;
    Participant* participant_ = nullptr;
    bool scanning_ = false;
    int indicator_ = 0;
    std::int64_t cycleStart_ = 0; // clock counter at the start of the indicator cycle
};

} // namespace ksy
