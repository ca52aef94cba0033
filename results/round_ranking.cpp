#include "results/round_ranking.h"

#include <algorithm>
#include <cstddef>

namespace ksy {
namespace {

// Whether a is better than b; equal rows are neither.
bool better(const RoundRankingEntry& a, const RoundRankingEntry& b, RankingMode criterion)
{
    if (criterion == RankingMode::BestLap) {
        if (a.bestLap != b.bestLap)
            return a.bestLap < b.bestLap;
        if (a.laps != b.laps)
            return a.laps > b.laps;
        return a.totalTime < b.totalTime;
    }
    if (a.laps != b.laps)
        return a.laps > b.laps;
    if (a.totalTime != b.totalTime)
        return a.totalTime < b.totalTime;
    return a.bestLap < b.bestLap;
}

bool tiedForPoints(const RoundRankingEntry& a, const RoundRankingEntry& b, RankingMode criterion)
{
    if (criterion == RankingMode::BestLap)
        return a.bestLap == b.bestLap;
    return a.laps == b.laps && a.totalTime == b.totalTime;
}

} // namespace

bool RoundRankingEntry::hasResult() const
{
    const auto none = [](int t) { return t == 0 || t == kNoResultTime; };
    return laps != 0 || !none(totalTime) || !none(bestLap);
}

RoundRankingRows emptyRoundRankingRows()
{
    return RoundRankingRows(kRoundRankingRows);
}

void sortRoundRanking(RoundRankingRows& rows, RankingMode criterion)
{
    RoundRankingRows keys = rows;
    for (RoundRankingEntry& r : keys) {
        if (r.laps == 0 && r.totalTime == 0)
            r.totalTime = kMissingTime;
        if (r.bestLap == 0)
            r.bestLap = kMissingTime;
    }
    std::vector<bool> taken(keys.size(), false);
    RoundRankingRows sorted;
    sorted.reserve(keys.size());
    for (std::size_t place = 0; place < keys.size(); ++place) {
        std::size_t best = keys.size();
        for (std::size_t i = 0; i < keys.size(); ++i) {
            // ">=": of rows equal on every key the later one wins.
            if (!taken[i] && (best == keys.size() || !better(keys[best], keys[i], criterion)))
                best = i;
        }
        taken[best] = true;
        RoundRankingEntry r = keys[best];
        if (r.laps == 0 && r.totalTime == kMissingTime)
            r.totalTime = 0;
        if (r.bestLap == kMissingTime)
            r.bestLap = 0;
        sorted.push_back(std::move(r));
    }
    rows = std::move(sorted);
}

void computeRoundPoints(
    RoundRankingRows& rows, int places, RankingMode criterion, const PointsScale& scale)
{
    const int n = std::clamp(places, 0, static_cast<int>(rows.size()));
    if (n == 0)
        return;
    const auto at = [&rows](int place) -> RoundRankingEntry& {
        return rows[static_cast<std::size_t>(place - 1)];
    };
    for (int place = 1; place <= n; ++place) {
        const int gap = scale.values[static_cast<std::size_t>(std::min(place, 6) - 1)];
        at(place).points = place == 1 ? scale.values[0] : at(place - 1).points + gap;
    }
    for (int place = 2; place <= n; ++place)
        if (tiedForPoints(at(place), at(place - 1), criterion))
            at(place).points = at(place - 1).points;
    bool anyResult = false;
    for (int place = 1; place <= n; ++place) {
        at(place).points = std::min(at(place).points, kMaxPoints);
        anyResult = anyResult || at(place).hasResult();
    }
    // A round that was not run scores the same for everybody.
    if (!anyResult)
        for (int place = 1; place <= n; ++place)
            at(place).points = kNoPoints;
}

} // namespace ksy
