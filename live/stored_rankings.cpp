#include "live/race_site.h"
#include "results/ranking_open.h"
#include "results/ranking_sections.h"
#include "storage/encoding.h"
#include "timing/time_format.h"

#include <algorithm>

namespace ksy {

namespace {

// The site is read on the server's threads: nothing may open a box there.
class SilentPrompts : public Prompts {
public:
    void message(const std::string&, const std::string&, PromptIcon) override { }
    Answer askYesNoCancel(const std::string&, const std::string&) override { return Answer::No; }
    Answer askYesNo(const std::string&, const std::string&) override { return Answer::No; }
};

std::string timeText(int ms, bool total)
{
    if (ms <= 0 || ms >= kMissingTime)
        return "";
    return total ? formatTotalTime(ms) : formatShortTime(ms);
}

std::optional<StoredRanking> roundRanking(
    const std::filesystem::path& file, const SiteCategory& c, int round)
{
    StoredRoundRanking stored;
    if (readRoundRankingSection(file, c.number, round, c.participants, stored) !=
        StoredRankingRead::Ok)
        return std::nullopt;
    StoredRanking ranking;
    ranking.round = round;
    for (const RoundRankingEntry& e : stored.rows) {
        if (!e.hasPilot())
            continue;
        RankingLine line;
        line.place = std::to_string(ranking.lines.size() + 1);
        line.name = cp1252ToUtf8(e.name);
        line.laps = e.hasResult() ? std::to_string(e.laps) : "";
        line.totalTime = timeText(e.totalTime, true);
        line.bestLap = timeText(e.bestLap, false);
        line.points = e.points <= kMaxPoints ? std::to_string(e.points) : "";
        ranking.lines.push_back(std::move(line));
    }
    return ranking;
}

// The order the official validated, with each pilot's points as the global
// ranking dialog sums them from the stored round rankings.
std::optional<StoredRanking> globalRanking(const std::filesystem::path& file, const SiteCategory& c)
{
    StoredGlobalRanking stored;
    if (readGlobalRankingSection(file, c.number, c.participants, stored) != StoredRankingRead::Ok)
        return std::nullopt;
    SilentPrompts prompts;
    const OpenedGlobalRanking opened = openGlobalRanking(file, c.number, prompts);
    StoredRanking ranking;
    ranking.bestRounds = stored.bestRounds;
    std::vector<bool> used(opened.entries.size(), false);
    for (const std::string& name : stored.names) {
        if (name.empty())
            continue;
        RankingLine line;
        line.place = std::to_string(ranking.lines.size() + 1);
        line.name = cp1252ToUtf8(name);
        line.roundPoints.assign(static_cast<std::size_t>(c.rounds), "");
        for (std::size_t i = 0; i < opened.entries.size(); ++i) {
            const GlobalRankingEntry& e = opened.entries[i];
            if (used[i] || e.name != name)
                continue;
            used[i] = true;
            if (e.hasPoints())
                line.points = std::to_string(e.sum);
            for (const RoundPoints& p : e.points)
                if (p.round >= 1 && p.round <= c.rounds && p.points <= kMaxPoints)
                    line.roundPoints[static_cast<std::size_t>(p.round - 1)] =
                        std::to_string(p.points);
            break;
        }
        ranking.lines.push_back(std::move(line));
    }
    return ranking;
}

} // namespace

const StoredRanking* SiteCategory::roundRanking(int round) const
{
    for (const StoredRanking& r : roundRankings)
        if (r.round == round)
            return &r;
    return nullptr;
}

void readStoredRankings(const std::filesystem::path& raceFile, RaceSite& site)
{
    for (SiteCategory& c : site.categories) {
        for (int r = 1; r <= c.rounds; ++r)
            if (auto ranking = roundRanking(raceFile, c, r))
                c.roundRankings.push_back(std::move(*ranking));
        c.globalRanking = globalRanking(raceFile, c);
    }
}

} // namespace ksy
