#include "timing/standings.h"

#include <climits>

namespace ksy {
namespace {

// Sort keys that keep cars without a real value behind those with one.
constexpr std::int32_t kOneCrossing = 1390000000;
constexpr std::int32_t kNoPassing = 1400000000;
constexpr std::int32_t kTaken = 1600000000;

struct Key {
    std::int32_t passingCount;
    std::int32_t time; // total time or best lap, by mode
    std::int32_t lastLap;
};

std::int32_t cell(const LapTable& t, std::int32_t laps)
{
    return laps >= 0 && laps < kLapCells ? t[static_cast<std::size_t>(laps)] : 0;
}

void fillRow(const RunEntry& e, StandingRow& r)
{
    r.pilotName = e.pilotName;
    r.transponder = e.transponder;
    r.number = e.number;
    r.passingCount = e.passingCount;
    r.totalTime = e.totalTime;
    r.bestLap = e.bestLap;
    r.laps = e.laps;
    r.totalAtLastLap = cell(e.lapTotals, e.laps);
    r.recomputedBestLap = e.recomputedBestLap;
    r.lastLap = cell(e.lapTimes, e.laps);
    r.lapsBehindLeader = r.gapToLeader = r.lapsBehindPrevious = r.gapToPrevious = 0;
    r.finished = e.finished;
    r.changed = e.changed;
    r.newPersonalBest = e.newPersonalBest;
    r.holdsHeatBest = e.holdsHeatBest;
}

// Laps and total time: most passings, then the smallest total, then the
// smallest last lap; a full tie goes to the later slot.
bool beatsByLapsAndTime(const Key& k, const Key& best)
{
    if (k.passingCount != best.passingCount)
        return k.passingCount > best.passingCount;
    if (k.time != best.time)
        return k.time < best.time;
    return k.lastLap <= best.lastLap;
}

bool beatsByBestLap(const Key& k, const Key& best)
{
    if (k.time != best.time)
        return k.time < best.time;
    return k.lastLap <= best.lastLap;
}

// The board is rebuilt after every passing, so its texts are written by hand
// rather than through snprintf: same output as timing/time_format.h.
char* digits(char* p, std::int64_t v, int width)
{
    char tmp[20];
    int n = 0;
    do {
        tmp[n++] = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v > 0);
    while (n < width)
        tmp[n++] = '0';
    while (n > 0)
        *p++ = tmp[--n];
    return p;
}

void putTime(std::string& out, std::int64_t ms, bool alwaysMinutes)
{
    char buf[32];
    char* p = buf;
    if (ms < 0) {
        *p++ = '-';
        ms = -ms;
    }
    const std::int64_t h = ms / 3600000, m = ms % 3600000 / 60000;
    const std::int64_t s = ms % 60000 / 1000, milli = ms % 1000;
    if (h != 0) {
        p = digits(p, h, 1);
        *p++ = ':';
        p = digits(p, m, 2);
        *p++ = ':';
        p = digits(p, s, 2);
    } else if (m != 0 || alwaysMinutes) {
        p = digits(p, m, 1);
        *p++ = ':';
        p = digits(p, s, 2);
    } else {
        p = digits(p, s, 1);
    }
    *p++ = '.';
    p = digits(p, milli, 3);
    out.assign(buf, static_cast<std::size_t>(p - buf));
}

void putInt(std::string& out, std::int64_t v, const char* before = "", const char* after = "")
{
    char buf[32];
    char* p = buf;
    while (*before)
        *p++ = *before++;
    if (v < 0) {
        *p++ = '-';
        v = -v;
    }
    p = digits(p, v, 1);
    while (*after)
        *p++ = *after++;
    out.assign(buf, static_cast<std::size_t>(p - buf));
}

void putGap(std::string& out, std::int32_t lapsBehind, std::int32_t gap)
{
    if (lapsBehind > 0)
        putInt(out, lapsBehind, "", "t");
    else
        putTime(out, gap, false);
}

} // namespace

void orderStandings(RunEntryTable& table, RankingMode mode, Standings& out)
{
    const bool byBestLap = mode == RankingMode::BestLap;
    std::array<Key, kSlotCount> keys {};
    for (int i = 0; i < kSlotCount; ++i) {
        const RunEntry& e = table.slots[static_cast<std::size_t>(i)];
        Key& k = keys[static_cast<std::size_t>(i)];
        k.passingCount = e.passingCount;
        k.time = byBestLap ? e.bestLap : e.totalTime;
        k.lastLap = cell(e.lapTimes, e.laps);
        if (e.passingCount == 0) {
            if (k.time == 0)
                k.time = kNoPassing;
            if (k.lastLap == 0)
                k.lastLap = kNoPassing;
        } else if (byBestLap && e.passingCount == 1 && k.time == 0) {
            k.time = kOneCrossing;
        }
    }

    out.count = table.pilotCount();
    for (int p = 0; p < out.count; ++p) {
        Key best {0, kNoPilotTime, INT_MAX};
        int pick = -1;
        for (int i = 0; i < kSlotCount; ++i) {
            const Key& k = keys[static_cast<std::size_t>(i)];
            if (byBestLap ? beatsByBestLap(k, best) : beatsByLapsAndTime(k, best)) {
                best = k;
                pick = i;
            }
        }
        if (pick < 0) { // cannot happen with the sort keys above; keep the rows sane
            out.count = p;
            break;
        }
        RunEntry& e = table.slots[static_cast<std::size_t>(pick)];
        StandingRow& row = out.rows[static_cast<std::size_t>(p)];
        fillRow(e, row);
        auto unplace = [](std::int32_t v) { return v == kNoPassing || v == kOneCrossing ? 0 : v; };
        if (byBestLap)
            row.bestLap = unplace(best.time);
        else
            row.totalTime = unplace(best.time);
        row.lastLap = unplace(best.lastLap);
        if (e.changed && e.laps >= 0 && e.laps < kLapCells)
            e.lapPositions[static_cast<std::size_t>(e.laps)] = p + 1;
        keys[static_cast<std::size_t>(pick)] = Key {0, kTaken, kTaken};
    }

    // Gaps against the leader and the row above.
    const StandingRow& lead = out.rows[0];
    for (int p = 1; p < out.count; ++p) {
        StandingRow& r = out.rows[static_cast<std::size_t>(p)];
        const StandingRow& prev = out.rows[static_cast<std::size_t>(p - 1)];
        if (byBestLap) {
            if (r.bestLap != 0) {
                r.gapToLeader = r.bestLap - lead.bestLap;
                r.gapToPrevious = r.bestLap - prev.bestLap;
            }
            continue;
        }
        const bool hasSomething = r.passingCount != 0 || r.totalTime != 0;
        r.lapsBehindLeader = lead.passingCount - r.passingCount;
        r.gapToLeader = r.lapsBehindLeader == 0 && hasSomething ? r.totalTime - lead.totalTime : 0;
        r.lapsBehindPrevious = prev.passingCount - r.passingCount;
        r.gapToPrevious =
            r.lapsBehindPrevious == 0 && hasSomething ? r.totalTime - prev.totalTime : 0;
    }
}

void formatBoard(Standings& out)
{
    for (int p = 0; p < out.count; ++p) {
        const StandingRow& r = out.rows[static_cast<std::size_t>(p)];
        BoardRow& b = out.board[static_cast<std::size_t>(p)];
        b.name = r.pilotName;
        b.transponder = r.transponder;
        putInt(b.place, p + 1);
        putInt(b.slotNumber, r.number, " ", " ");
        putInt(b.passingCount, r.passingCount);
        putTime(b.totalTime, r.totalTime, true);
        putTime(b.lastLap, r.lastLap, false);
        putTime(b.bestLap, r.bestLap, false);
        putGap(b.gapToLeader, r.lapsBehindLeader, r.gapToLeader);
        putGap(b.gapToPrevious, r.lapsBehindPrevious, r.gapToPrevious);
        putInt(b.laps, r.laps);
        putTime(b.totalAtLastLap, r.totalAtLastLap, true);
        putTime(b.recomputedBestLap, r.recomputedBestLap, false);
        b.finished = r.finished;
        b.changed = r.changed;
        b.newPersonalBest = r.newPersonalBest;
        b.holdsHeatBest = r.holdsHeatBest;
    }
}

void computeStandings(RunEntryTable& table, RankingMode mode, Standings& out)
{
    orderStandings(table, mode, out);
    formatBoard(out);
}

void markAllFinished(Standings& standings)
{
    for (auto& r : standings.rows)
        r.finished = true;
    for (auto& b : standings.board)
        b.finished = true;
}

} // namespace ksy
