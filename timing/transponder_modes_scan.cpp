#include "timing/transponder_modes_scan.h"

#include "timing/decoder_protocol.h"

#include <algorithm>

namespace ksy {
namespace {

constexpr const char* kSignalSound = "sons/nokia-sms.wav";
constexpr const char* kSeenSound = "sons/beep1.wav";
constexpr const char* kOutOfOrderSound = "sons/buzz.wav";

std::size_t cell(int k)
{
    return static_cast<std::size_t>(k);
}

} // namespace

TransponderScan::TransponderScan(const Clock& clock, HeatDecoder& decoder, SoundPlayer& sounds)
    : clock_(clock)
    , decoder_(decoder)
    , sounds_(sounds)
{
    clearToEmptySlots(table_);
    resetRunData(table_);
    computeStandings(table_, RankingMode::LapsThenTime, standings_);
}

ScanEvent TransponderScan::press(const RunEntryTable& loaded, bool heatLoaded, bool runActive)
{
    if (active()) {
        phase_ = ScanPhase::None;
        sounds_.playAsync(kSignalSound);
        ++changes_;
        return ScanEvent::Stopped;
    }
    if (!heatLoaded || runActive)
        return ScanEvent::Refused;
    decoder_.discardReceived();
    // The verification counts laps from nothing, whatever the heat holds.
    table_ = loaded;
    resetRunData(table_);
    for (RunEntry& e : table_.slots) {
        e.scanned = e.isEmptySlot();
        if (!e.isEmptySlot())
            e.transponder.clear();
    }
    refresh();
    // The signal plays while the scan already listens: a car crossing
    // during it is identified, not lost.
    sounds_.playAsync(kSignalSound);
    phase_ = ScanPhase::Scanning;
    status_ = translate("MainWindow", kScanRunningText.data());
    startCounter_ = clock_.counter();
    return ScanEvent::Started;
}

ScanEvent TransponderScan::tick()
{
    return handlePassings(decoder_.readPassings());
}

ScanEvent TransponderScan::handlePassings(const std::vector<Passing>& passings)
{
    switch (phase_) {
    case ScanPhase::Scanning:
        return scanTick(passings);
    case ScanPhase::Verifying:
        return verifyTick(passings);
    case ScanPhase::None:
        break;
    }
    return ScanEvent::None;
}

int TransponderScan::scannedCount() const
{
    int n = 0;
    for (const RunEntry& e : table_.slots)
        n += e.scanned ? 1 : 0;
    return n;
}

void TransponderScan::copyTransponders(RunEntryTable& slots) const
{
    for (int k = 1; k <= kSlotCount; ++k)
        if (!table_.slot(k).isEmptySlot())
            slots.slot(k).transponder = table_.slot(k).transponder;
}

ScanEvent TransponderScan::scanTick(const std::vector<Passing>& passings)
{
    bool seen = false;
    for (const Passing& p : passings) {
        if (p.transponder == kNoTransponder)
            continue; // not a transponder: it can identify no car
        for (RunEntry& e : table_.slots) {
            if (e.scanned && e.transponder != p.transponderText)
                continue;
            // A car crossing twice finds its own slot and keeps it.
            if (!e.scanned) {
                e.transponder = p.transponderText;
                e.scanned = true;
                sounds_.playAsync(kSeenSound);
                seen = true;
            }
            break;
        }
    }
    if (seen)
        refresh();
    if (scannedCount() < kSlotCount)
        return ScanEvent::None;
    beginVerification();
    return ScanEvent::VerificationStarted;
}

void TransponderScan::beginVerification()
{
    phase_ = ScanPhase::Verifying;
    sounds_.playAsync(kSignalSound);
    startCounter_ = clock_.counter();
    decoder_.discardReceived();
    for (RunEntry& e : table_.slots)
        e.scanned = e.isEmptySlot();
    status_ = translate("MainWindow", kVerifyRunningText.data());
    ++changes_;
}

ScanEvent TransponderScan::verifyTick(const std::vector<Passing>& passings)
{
    if (!passings.empty()) {
        for (const Passing& p : passings) {
            // Stamped on arrival, as a heat's passings are.
            const std::int64_t now = std::max<std::int64_t>(0,
                (p.arrivalCounter - startCounter_) * 1000 / clock_.counterFrequency());
            for (RunEntry& e : table_.slots) {
                if (e.isEmptySlot() || e.transponder != p.transponderText)
                    continue;
                const std::int64_t since = now - e.lapTotals[cell(e.laps)];
                if ((e.laps > 0 && since <= kVerifyProtectionMs) || e.laps >= kMaxLaps)
                    continue;
                ++e.laps;
                ++e.passingCount;
                e.totalTime = static_cast<std::int32_t>(now);
                e.lapTotals[cell(e.laps)] = e.totalTime;
                e.lapTimes[cell(e.laps)] = static_cast<std::int32_t>(since);
                e.changed = true;
                e.scanned = true;
                refresh();
                sounds_.playAsync(kSeenSound);
            }
        }
    }
    if (scannedCount() < kSlotCount)
        return ScanEvent::None;
    phase_ = ScanPhase::None;
    status_ = translate("MainWindow", kVerifyDoneText.data());
    inOrder_ = true;
    for (int i = 1; i < standings_.count; ++i)
        if (standings_.rows[cell(i)].number <= standings_.rows[cell(i - 1)].number)
            inOrder_ = false;
    sounds_.playAsync(inOrder_ ? kSignalSound : kOutOfOrderSound);
    ++changes_;
    return ScanEvent::Finished;
}

void TransponderScan::refresh()
{
    computeStandings(table_, RankingMode::LapsThenTime, standings_);
    ++changes_;
}

} // namespace ksy
