#include "results/ranking_open.h"

#include "race/heat_plan.h"
#include "race/participants.h"
#include "results/heat_result_section.h"
#include "storage/race_file.h"
#include "storage/section_titles.h"

#include <algorithm>
#include <cstddef>

namespace ksy {
namespace {

// Header and track; false when the race file cannot be opened (its box shown).
bool readContext(
    const std::filesystem::path& raceFile, int category, RankingContext& c, Prompts& prompts)
{
    c.category = category;
    RaceHeader header;
    if (!readRaceHeader(raceFile, header) || !readRaceTrack(raceFile, c.track)) {
        prompts.error(translate("Storage", kCannotOpenRaceFile.data()));
        return false;
    }
    if (category >= 1 && category <= kMaxCategories) {
        const CategoryRecord& r = header.categories.category(category);
        c.categoryName = r.name;
        c.places = std::clamp(r.participants, 0, kMaxParticipants);
        c.resultsStored = r.resultsStored;
        c.rounds = std::clamp(r.rounds, 0, kMaxRounds);
        c.heatsPerRound = std::clamp(r.heatsPerRound, 0, kMaxHeatsPerRound);
    }
    return true;
}

// The first `pilots` slots of each stored heat of the round, heat after heat.
void gatherHeats(const std::filesystem::path& raceFile, const RankingContext& c, int round,
    int pilots, RoundRankingRows& rows)
{
    int filled = 0;
    for (int h = 1; h <= c.heatsPerRound; ++h) {
        RunEntryTable table;
        HeatResultTexts texts;
        if (loadHeatResult(raceFile, heatResultTitle(c.category, round, h), table, texts) !=
            HeatResultRead::Ok)
            continue;
        for (int k = 1; k <= pilots && filled < kRoundRankingRows; ++k, ++filled) {
            const RunEntry& slot = table.slot(k);
            RoundRankingEntry& row = rows[static_cast<std::size_t>(filled)];
            if (slot.isEmptySlot() || slot.pilotName.empty()) {
                // As a row without pilot is stored: after every pilot.
                row = RoundRankingEntry {};
                continue;
            }
            row.name = slot.pilotName;
            // The passing count is what "Tours" corrects by hand, and what the
            // board and the signed sheet show; the laps field keeps the laps
            // the transponder readings gave.
            row.laps = slot.passingCount;
            row.totalTime = slot.totalTime;
            row.bestLap = slot.bestLap;
        }
    }
}

} // namespace

OpenedRoundRanking openRoundRanking(
    const std::filesystem::path& raceFile, int category, int round, Prompts& prompts)
{
    OpenedRoundRanking o;
    o.round = round;
    o.rows = emptyRoundRankingRows();
    if (readContext(raceFile, category, o.context, prompts)) {
        HeatPlan plan;
        int pilots = 0;
        if (readHeatPlan(raceFile, category, plan) == HeatPlanRead::Ok)
            pilots = std::clamp(plan.pilotsPerHeat, 0, kSlotCount);
        else
            prompts.error(translate("Storage", kHeatPlanTitleNotFound.data()));
        readRoundRankingSettings(raceFile, category, round, o.criterion, o.scale);
        gatherHeats(raceFile, o.context, round, pilots, o.rows);
    }
    o.ranked = static_cast<int>(
        std::count_if(o.rows.begin(), o.rows.end(), [](const auto& r) { return r.hasPilot(); }));
    sortRoundRanking(o.rows, o.criterion);
    computeRoundPoints(o.rows, o.context.places, o.criterion, o.scale);
    return o;
}

OpenedGlobalRanking openGlobalRanking(
    const std::filesystem::path& raceFile, int category, Prompts& prompts)
{
    OpenedGlobalRanking o;
    o.entries.resize(kGlobalRankingEntries);
    if (readContext(raceFile, category, o.context, prompts)) {
        const int n = o.context.places;
        ParticipantList list;
        if (readParticipantList(raceFile, category, list) == ParticipantListRead::Ok)
            for (int i = 0; i < kMaxParticipants; ++i)
                o.entries[static_cast<std::size_t>(i)].name = list.at(i).name;
        StoredGlobalRanking stored;
        if (readGlobalRankingSection(raceFile, category, 0, stored) == StoredRankingRead::Ok) {
            o.tie = stored.tie;
            o.bestRounds = stored.bestRounds;
        }
        // Only the first n entries take part, as only they are ranked.
        GlobalRankingEntries ranked(o.entries.begin(), o.entries.begin() + n);
        for (int m = 1; m <= o.context.rounds; ++m) {
            StoredRoundRanking round;
            if (readRoundRankingSection(raceFile, category, m, n, round) == StoredRankingRead::Ok)
                addRoundRanking(ranked, m, round.rows);
        }
        std::copy(ranked.begin(), ranked.end(), o.entries.begin());
    }
    const int n = o.context.places;
    for (int i = 0; i < n; ++i)
        sortRoundLists(o.entries[static_cast<std::size_t>(i)]);
    o.withResults = static_cast<int>(std::count_if(o.entries.begin(), o.entries.begin() + n,
        [](const GlobalRankingEntry& e) { return e.hasResult(); }));
    computeSums(o.entries, o.bestRounds);
    rankGlobal(o.entries, n, o.tie);
    return o;
}

StoredGlobalRanking storedGlobalRanking(const OpenedGlobalRanking& ranking)
{
    StoredGlobalRanking s;
    s.tie = ranking.tie;
    s.bestRounds = ranking.bestRounds;
    for (int i = 0; i < ranking.context.places; ++i)
        s.names.push_back(ranking.entries[static_cast<std::size_t>(i)].name);
    return s;
}

} // namespace ksy
