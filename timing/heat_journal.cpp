#include "timing/heat_journal.h"

#include "storage/encoding.h"
#include "timing/decoder_stream.h"
#include "timing/heat_journal_scenario.h"

namespace ksy {

HeatJournal::HeatJournal(WorkFolder folder, const HeatRun& run, const HeatDecoder& decoder,
                         JournalWriter& writer)
    : folder_(std::move(folder)), run_(run), decoder_(decoder), writer_(writer)
{
}

std::function<LocalDateTime()>
HeatJournal::recordingLocalTime(std::function<LocalDateTime()> inner)
{
    return [this, inner = std::move(inner)] {
        const LocalDateTime now = inner();
        std::string line = formatScenarioDate(now);
        if (open_ && line != lastDate_) {
            lastDate_ = line;
            write(std::move(line));
        }
        return now;
    };
}

void HeatJournal::begin(std::int64_t nowMs)
{
    if (open_)
        writer_.finish();
    failed_ = false;
    told_ = false;
    lastDate_.clear();
    open_ = writer_.begin(folder_.file(kHeatJournalFile));
    if (!open_) {
        failed_ = true;
        return;
    }
    // Keep the phase of the 10 ms tick so that a replay reads passings at
    // the same ticks.
    originMs_ = nowMs - ((nowMs % 10) + 10) % 10;

    HeatScenario s;
    s.options = run_.options();
    s.protectionSeconds = run_.lapProtectionSeconds();
    s.rc2 = decoder_.isRc2();
    s.sounds = run_.soundChoices();
    if (run_.track().inDatabase) {
        s.trackRecordMs = run_.track().recordMs;
        s.trackHolder = cp1252ToUtf8(run_.track().holder);
    }
    for (int k = 1; k <= kSlotCount; ++k) {
        const RunEntry& e = run_.entries().slot(k);
        s.slots[static_cast<std::size_t>(k - 1)] = {cp1252ToUtf8(e.pilotName),
                                                    cp1252ToUtf8(e.transponder)};
    }
    std::string head = "# Kestrametrix passing journal: kestrametrix-cli replay <this file>\n";
    if (heatCode_ > 0)
        head += std::string(kJournalHeatLine) + std::to_string(heatCode_) + "\n";
    write(head + formatScenarioSetUp(s));
}

void HeatJournal::heatAction(std::int64_t nowMs, HeatAction action, int slot)
{
    if (action == HeatAction::Depart) {
        begin(nowMs);
        return; // the "depart" line comes when the countdown begins
    }
    // The official erased the heat's results: its journal must not bring
    // them back after a crash.
    if (action == HeatAction::EraseYes && !open_) {
        if (writer_.begin(folder_.file(kHeatJournalFile), true)) {
            writer_.append(std::string(kJournalErasedLine) + "\n");
            writer_.finish();
        }
        return;
    }
    // "Effacer" comes after the heat: the journal of that heat is complete.
    if (!open_ || action == HeatAction::EraseYes || action == HeatAction::EraseNo)
        return;
    ScenarioEvent e;
    e.atMs = since(nowMs);
    switch (action) {
    case HeatAction::Countdown: e.kind = ScenarioEvent::Kind::Depart; break;
    case HeatAction::Start: e.kind = ScenarioEvent::Kind::Start; break;
    case HeatAction::Arret: e.kind = ScenarioEvent::Kind::Arret; break;
    case HeatAction::Button:
        e.kind = ScenarioEvent::Kind::Button;
        e.value = slot;
        break;
    default: return;
    }
    write(formatScenarioEvent(e));
    // Stopped before its start: no "heat stopped" follows, yet the journal
    // of this heat is complete.
    if (action == HeatAction::Arret && !run_.state().running)
        heatStopped(nowMs);
}

void HeatJournal::passingRead(std::int64_t, const Passing& passing, PassingFate fate)
{
    if (!open_ || passing.transponder < 0 || passing.transponder > 65535)
        return;
    ScenarioEvent e;
    e.atMs = since(counterToMs(passing.arrivalCounter, run_.clock().counterFrequency()));
    e.kind = ScenarioEvent::Kind::Passing;
    e.value = passing.transponder;
    if (decoder_.isRc2())
        e.decoderMs = passing.decoderMs;
    std::string line = formatScenarioEvent(e);
    if (fate == PassingFate::BeforeStart)
        line = "# before the start: " + line;
    else if (fate == PassingFate::Refused)
        line = "# refused, impossible decoder time: " + line;
    write(std::move(line));
}

void HeatJournal::decoderClockLost(std::int64_t nowMs, std::int64_t heatMs)
{
    if (open_)
        write("# decoder clock went back at heat time " + std::to_string(heatMs) + " (at " +
              std::to_string(since(nowMs)) + "): passings stamped by the host from here\n");
}

void HeatJournal::heatStopped(std::int64_t nowMs)
{
    if (!open_)
        return;
    write("end\t" + std::to_string(since(nowMs)) + "\n");
    writer_.finish(); // kept on disk until the next heat is armed
    open_ = false;
}

std::string HeatJournal::takeNotice()
{
    const bool failing = failed_ || writer_.failing();
    if (told_ == failing)
        return {};
    told_ = failing;
    return failing ? kJournalWriteError : kJournalWriteResumed;
}

void HeatJournal::write(std::string text)
{
    writer_.append(std::move(text));
}

} // namespace ksy
