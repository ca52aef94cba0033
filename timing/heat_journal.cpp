#include "timing/heat_journal.h"

#include "storage/encoding.h"
#include "timing/heat_journal_scenario.h"

#include <filesystem>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace ksy {

HeatJournal::HeatJournal(WorkFolder folder, const HeatRun& run, const HeatDecoder& decoder)
    : folder_(std::move(folder)), run_(run), decoder_(decoder)
{
}

std::function<LocalDateTime()>
HeatJournal::recordingLocalTime(std::function<LocalDateTime()> inner)
{
    return [this, inner = std::move(inner)] {
        const LocalDateTime now = inner();
        if (file_)
            write(formatScenarioDate(now));
        return now;
    };
}

void HeatJournal::begin(std::int64_t nowMs)
{
    file_.reset();
    const auto path = folder_.file(kHeatJournalFile);
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    file_.reset(std::fopen(path.string().c_str(), "wb"));
    if (!file_) {
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
    write("# Kestrametrix passing journal: kestrametrix-cli replay <this file>\n" +
          formatScenarioSetUp(s));
}

void HeatJournal::heatAction(std::int64_t nowMs, HeatAction action, int slot)
{
    if (action == HeatAction::Depart)
        begin(nowMs);
    // "Effacer" comes after the heat: the journal of that heat is complete.
    if (!file_ || action == HeatAction::EraseYes || action == HeatAction::EraseNo)
        return;
    ScenarioEvent e;
    e.atMs = since(nowMs);
    switch (action) {
    case HeatAction::Depart: e.kind = ScenarioEvent::Kind::Depart; break;
    case HeatAction::Arret: e.kind = ScenarioEvent::Kind::Arret; break;
    case HeatAction::Button:
        e.kind = ScenarioEvent::Kind::Button;
        e.value = slot;
        break;
    default: return;
    }
    write(formatScenarioEvent(e));
}

void HeatJournal::passingRead(std::int64_t nowMs, const Passing& passing)
{
    if (!file_ || passing.transponder < 0 || passing.transponder > 65535)
        return;
    ScenarioEvent e;
    e.atMs = since(nowMs);
    e.kind = ScenarioEvent::Kind::Passing;
    e.value = passing.transponder;
    if (decoder_.isRc2())
        e.decoderMs = passing.timeMs;
    write(formatScenarioEvent(e));
}

void HeatJournal::heatStopped(std::int64_t nowMs)
{
    if (!file_)
        return;
    write("end\t" + std::to_string(since(nowMs)) + "\n");
    file_.reset(); // kept on disk until the next heat is armed
}

void HeatJournal::write(const std::string& text)
{
    std::FILE* f = file_.get();
    // Flushed to the disk at each write: the journal exists for the moment
    // the program or the machine goes down.
    bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size() && std::fflush(f) == 0;
#ifdef _WIN32
    ok = ok && _commit(_fileno(f)) == 0;
#else
    ok = ok && fsync(fileno(f)) == 0;
#endif
    if (!ok)
        failed_ = true;
}

} // namespace ksy
