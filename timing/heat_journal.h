#pragma once
// The passing journal: while a heat is armed or running, every action and
// every passing as read (before the lap rules) is written to
// "Private/JournalPassages.txt" in the replay format, so that a heat lost to
// a crash or a power cut can be rebuilt with `kestrametrix-cli replay` or by
// the recovery at the next start. The journal is started anew when a heat is
// armed and kept after the heat ends, until the next one is armed.
//
// Records go through a JournalWriter: the tick never waits for the disk.
// Times are host milliseconds counted from the tick grid just before
// "Départ"; a passing is dated by its arrival. The "depart" line is the end
// of the alert (where the countdown begins), "start" the start moment.
// Passings that came before the start or whose decoder time cannot be true
// are kept as comment lines: a trace for the official, nothing for a replay.
#include "services/translate.h"
#include "storage/work_folder.h"
#include "timing/heat_decoder.h"
#include "timing/heat_run.h"
#include "timing/journal_writer.h"

#include <functional>
#include <string>
#include <string_view>

namespace ksy {

inline constexpr std::string_view kHeatJournalFile = "Private/JournalPassages.txt";
// Comment lines that the recovery reads: the race tree code of the heat, the
// mark of a heat whose results the official erased, and the mark of a
// journal already taken back (or declined) by a recovery.
inline constexpr std::string_view kJournalHeatLine = "# heat\t";
inline constexpr std::string_view kJournalErasedLine = "# erased with \"Effacer\"";
inline constexpr std::string_view kJournalRecoveredLine = "# recovered";
inline constexpr const char* kJournalWriteError =
    KSY_TRANSLATE_NOOP("Prompts", "Erreur: impossible d'écrire le journal des passages (Private/JournalPassages.txt). "
    "La série continue, mais ses passages ne pourront pas être récupérés après un arrêt "
    "brutal.");
inline constexpr const char* kJournalWriteResumed =
    KSY_TRANSLATE_NOOP("Prompts", "Le journal des passages (Private/JournalPassages.txt) s'écrit de nouveau : les passages "
    "qui attendaient y sont.");

class HeatJournal : public HeatListener {
public:
    HeatJournal(WorkFolder folder, const HeatRun& run, const HeatDecoder& decoder,
                JournalWriter& writer);

    // Wraps the heat run's local time source so that the date of the heat
    // title goes into the journal too (once per heat):
    //   run.setLocalTime(journal.recordingLocalTime(systemLocalTime));
    std::function<LocalDateTime()> recordingLocalTime(std::function<LocalDateTime()> inner);

    // The race tree code of the heat about to be armed, written at the head
    // of its journal so that a recovery finds the heat again.
    void setHeatCode(int code) { heatCode_ = code; }

    void heatAction(std::int64_t nowMs, HeatAction action, int slot) override;
    void passingRead(std::int64_t nowMs, const Passing& passing, PassingFate fate) override;
    void decoderClockLost(std::int64_t nowMs, std::int64_t heatMs) override;
    void heatStopped(std::int64_t nowMs) override;

    // True once a write failed (the disk is full or the file went away).
    bool failed() const { return failed_ || writer_.failed(); }
    // The French message about a journal that cannot be written, once each
    // time the disk starts refusing it, and the one about a journal written
    // again once it takes the records that waited; empty otherwise.
    std::string takeNotice();

private:
    void begin(std::int64_t nowMs);
    void write(std::string text);
    std::int64_t since(std::int64_t nowMs) const { return nowMs - originMs_; }

    WorkFolder folder_;
    const HeatRun& run_;
    const HeatDecoder& decoder_;
    JournalWriter& writer_;
    bool open_ = false;
    std::int64_t originMs_ = 0;
    bool failed_ = false;
    bool told_ = false;
    std::string lastDate_;
    int heatCode_ = 0;
};

} // namespace ksy
