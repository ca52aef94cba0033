#include "results/global_ranking.h"

#include <algorithm>
#include <cstddef>

namespace ksy {
namespace {

std::size_t at(int i)
{
    return static_cast<std::size_t>(i);
}

// The selection shared by every ranking of this file: the best remaining
// element, place after place; of equal elements the later one.
template <typename T, typename Better>
void selectionSort(T& items, std::size_t count, Better better)
{
    T sorted = items;
    std::vector<bool> taken(count, false);
    for (std::size_t place = 0; place < count; ++place) {
        std::size_t best = count;
        for (std::size_t i = 0; i < count; ++i)
            if (!taken[i] && (best == count || !better(items[best], items[i])))
                best = i;
        taken[best] = true;
        sorted[place] = items[best];
    }
    items = std::move(sorted);
}

int missingAsLate(int time)
{
    return time == 0 ? kMissingTime : time;
}

int runTime(const RoundRun& r)
{
    return r.laps == 0 && r.totalTime == 0 ? kMissingTime : r.totalTime;
}

// Whether a's best run is better than b's (0 when equal).
int compareRuns(const GlobalRankingEntry& a, const GlobalRankingEntry& b, RankingMode tie)
{
    const RoundRun& ra = a.runs[0];
    const RoundRun& rb = b.runs[0];
    const int la = missingAsLate(a.bestLaps[0].bestLap);
    const int lb = missingAsLate(b.bestLaps[0].bestLap);
    const auto byLaps = [&] {
        if (ra.laps != rb.laps)
            return ra.laps > rb.laps ? 1 : -1;
        if (runTime(ra) != runTime(rb))
            return runTime(ra) < runTime(rb) ? 1 : -1;
        return 0;
    };
    if (tie == RankingMode::BestLap) {
        if (la != lb)
            return la < lb ? 1 : -1;
        return byLaps();
    }
    if (const int c = byLaps())
        return c;
    if (la != lb)
        return la < lb ? 1 : -1;
    return 0;
}

} // namespace

bool GlobalRankingEntry::hasResult() const
{
    return runs[0].laps != 0 || runs[0].totalTime != 0 || bestLaps[0].bestLap != 0;
}

void addRoundRanking(GlobalRankingEntries& entries, int round, const RoundRankingRows& rows)
{
    if (round < 1 || round > kMaxRounds)
        return;
    const std::size_t slot = at(round - 1);
    std::vector<bool> served(entries.size(), false);
    for (const RoundRankingEntry& row : rows) {
        if (!row.hasPilot())
            continue;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            GlobalRankingEntry& e = entries[i];
            if (served[i] || e.name != row.name)
                continue;
            served[i] = true;
            e.points[slot] = {row.points, round};
            e.runs[slot] = {row.laps, row.totalTime, round};
            e.bestLaps[slot] = {row.bestLap, round};
            break;
        }
    }
}

void sortRoundLists(GlobalRankingEntry& entry)
{
    selectionSort(entry.points, entry.points.size(),
        [](const RoundPoints& a, const RoundPoints& b) { return a.points < b.points; });
    selectionSort(entry.runs, entry.runs.size(), [](const RoundRun& a, const RoundRun& b) {
        if (a.laps != b.laps)
            return a.laps > b.laps;
        return runTime(a) < runTime(b);
    });
    selectionSort(
        entry.bestLaps, entry.bestLaps.size(), [](const RoundBestLap& a, const RoundBestLap& b) {
            return missingAsLate(a.bestLap) < missingAsLate(b.bestLap);
        });
}

void computeSums(GlobalRankingEntries& entries, int bestRounds)
{
    const int n = std::clamp(bestRounds, 0, kMaxRounds);
    for (GlobalRankingEntry& e : entries) {
        e.sum = 0;
        for (int k = 0; k < n; ++k)
            if (e.points[at(k)].points != kNoPoints)
                e.sum += e.points[at(k)].points;
    }
}

void rankGlobal(GlobalRankingEntries& entries, int n, RankingMode tie)
{
    const std::size_t count = at(std::clamp(n, 0, static_cast<int>(entries.size())));
    selectionSort(entries, count, [tie](const GlobalRankingEntry& a, const GlobalRankingEntry& b) {
        // Never raced: a sum of 0 must not put him among the winners.
        if (a.hasPoints() != b.hasPoints())
            return a.hasPoints();
        if (a.sum != b.sum)
            return a.sum < b.sum;
        for (std::size_t k = 0; k < a.points.size(); ++k)
            if (a.points[k].points != b.points[k].points)
                return a.points[k].points < b.points[k].points;
        return compareRuns(a, b, tie) > 0;
    });
}

} // namespace ksy
