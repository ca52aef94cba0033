#include "timing/lap_recording.h"

#include "timing/time_format.h"

#include <algorithm>

namespace ksy {
namespace {

std::size_t at(std::int32_t n)
{
    return static_cast<std::size_t>(n);
}

} // namespace

bool passesLapProtection(const RunEntry& entry, std::int32_t protectionMs)
{
    return entry.sinceLastPassing > protectionMs || (entry.laps == 0 && entry.ownStart == 0);
}

void recordLap(RunEntry& e, StartType start)
{
    e.laps += 1;
    e.passingCount += 1;
    const bool staggered = start == StartType::Staggered;
    if (staggered && e.ownStart == 0) {
        e.laps -= 1;
        e.passingCount -= 1;
        e.ownStart = static_cast<std::int32_t>(e.passingTime);
    }
    e.totalTime = static_cast<std::int32_t>(e.passingTime - e.ownStart);
    e.lapTotals[at(e.laps)] = e.totalTime;
    e.lapTimes[at(e.laps)] = e.sinceLastPassing;
    e.changed = true;

    const std::int32_t n = e.laps;
    const std::int32_t t = e.sinceLastPassing;
    // The launch lap of a simultaneous start never counts as a best lap.
    const std::int32_t firstTimedLap = staggered ? 1 : 2;
    if (n == firstTimedLap) {
        e.bestLap = t;
        e.newPersonalBest = false;
    } else if (n > firstTimedLap) {
        e.newPersonalBest = false;
        if (t < e.bestLap) {
            e.bestLap = t;
            e.newPersonalBest = true;
        }
    }
}

void updateHeatBest(RunEntryTable& table, int slot, std::int32_t& heatBestLap)
{
    RunEntry& e = table.slot(slot);
    if (e.bestLap == 0 || e.bestLap >= heatBestLap)
        return;
    for (auto& other : table.slots)
        other.holdsHeatBest = false;
    heatBestLap = e.bestLap;
    e.holdsHeatBest = true;
}

void restoreStoredMarks(RunEntryTable& table, StartType start)
{
    const int firstTimedLap = start == StartType::Staggered ? 1 : 2;
    int holder = 0;
    std::int32_t heatBest = 0;
    std::int32_t heatBestAt = 0;
    for (int k = 1; k <= kSlotCount; ++k) {
        RunEntry& e = table.slot(k);
        e.finished = true;
        e.holdsHeatBest = false;
        e.newPersonalBest = false;
        if (e.isEmptySlot())
            continue;
        const int n = std::clamp(e.passingCount, 0, static_cast<int>(e.lapTotals.size()) - 1);
        std::int32_t ownBest = 0;
        std::int32_t ownBestAt = 0;
        for (int lap = firstTimedLap; lap <= n; ++lap) {
            // Laps counted by hand beyond the passings read have no time.
            const std::optional<std::int32_t> t = lapDuration(e.lapTotals, lap);
            if (!t)
                continue;
            e.newPersonalBest = ownBestAt != 0 && *t < ownBest;
            if (ownBestAt == 0 || *t < ownBest) {
                ownBest = *t;
                ownBestAt = e.lapTotals[at(lap)];
            }
        }
        if (e.bestLap > 0 &&
            (holder == 0 || e.bestLap < heatBest ||
                (e.bestLap == heatBest && ownBestAt < heatBestAt))) {
            holder = k;
            heatBest = e.bestLap;
            heatBestAt = ownBestAt;
        }
    }
    if (holder != 0)
        table.slot(holder).holdsHeatBest = true;
}

void prepareLoadedHeat(RunEntryTable& table, StartType start)
{
    if (!table.hasResults()) {
        resetRunData(table);
        return;
    }
    for (int k = 1; k <= kSlotCount; ++k) {
        RunEntry& e = table.slot(k);
        e.number = k;
        if (e.isEmptySlot()) {
            e.finished = true;
            e.totalTime = e.bestLap = kNoPilotTime;
            e.lapTotals.fill(kNoPilotTime);
        }
    }
    restoreStoredMarks(table, start);
}

void updateTrackRecord(const RunEntry& e, TrackRecord& track)
{
    if (!track.inDatabase || e.bestLap == 0)
        return;
    if (track.recordMs != 0 && track.recordMs <= e.bestLap)
        return;
    track.recordMs = e.bestLap;
    track.holder = e.pilotName;
    track.recordText = formatShortTime(e.bestLap);
    track.improved = true;
}

FinishOutcome applyFinishingRules(
    RunEntryTable& table, int slot, const RaceOptions& options, Standings& standings)
{
    RunEntry& e = table.slot(slot);
    const bool wasFinished = e.finished;
    const bool timed = options.durationMode == DurationMode::Time;
    const std::int32_t duration = options.durationMs();
    bool byLapLimit = false;

    if (timed && options.timedEnd == TimedEnd::FinishLap && e.totalTime >= duration)
        e.finished = true;
    if (timed && options.timedEnd == TimedEnd::SandYacht && standings.count > 0 &&
        standings.leader().finished)
        e.finished = true;
    if (!timed && options.lapsEnd == LapsEnd::FinishLap) {
        if (e.laps == options.laps) {
            e.finished = true;
            byLapLimit = true;
        } else {
            for (int k = 1; k <= kSlotCount; ++k) {
                const RunEntry& o = table.slot(k);
                if (k != slot && !o.isEmptySlot() && o.finished)
                    e.finished = true;
            }
        }
    }
    if (!timed && options.lapsEnd == LapsEnd::AllLaps && e.laps == options.laps) {
        e.finished = true;
        byLapLimit = true;
    }

    orderStandings(table, options.ranking, standings);
    if (timed && options.timedEnd == TimedEnd::SandYacht && standings.count > 0) {
        StandingRow& lead = standings.rows[0];
        if (lead.totalTime >= duration && !lead.finished) {
            table.slot(lead.number).finished = true;
            lead.finished = true;
        }
    }

    FinishOutcome out;
    if (timed && e.laps >= kMaxLaps) {
        out.stopHeat = true;
        byLapLimit = true;
    }
    if (!timed && options.lapsEnd == LapsEnd::SoundSignal && e.laps == options.laps) {
        out.stopHeat = true;
        byLapLimit = true;
    }
    if (byLapLimit)
        out.cause = FinishCause::LapLimit;
    else if (e.finished && !wasFinished)
        out.cause = FinishCause::Rule;
    return out;
}

} // namespace ksy
