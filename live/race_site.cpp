#include "live/race_site.h"

#include "race/race_options.h"
#include "results/heat_result_section.h"
#include "storage/encoding.h"
#include "storage/race_file.h"
#include "storage/section_file.h"
#include "storage/section_titles.h"
#include "timing/lap_recording.h"
#include "timing/standings.h"

#include <algorithm>

namespace ksy {

SectionIndex::SectionIndex(std::string_view bytes)
    : bytes_(bytes)
{
    static const std::string prefix = cp1252("Catégorie");
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos)
            end = bytes.size();
        const std::string_view line = bytes.substr(start, end - start);
        const std::string_view first = line.substr(0, line.find('\t'));
        if (first.substr(0, prefix.size()) == prefix) {
            const std::string_view key = first.substr(0, kMaxTitleLength);
            if (std::none_of(
                    titles_.begin(), titles_.end(), [&](const auto& t) { return t.first == key; }))
                titles_.emplace_back(key, std::min(end + 1, bytes.size()));
        }
        start = end + 1;
    }
    std::sort(titles_.begin(), titles_.end());
}

bool SectionIndex::body(std::string_view title, std::string_view& out) const
{
    const std::string_view key = title.substr(0, kMaxTitleLength);
    const auto it = std::lower_bound(titles_.begin(), titles_.end(), key,
        [](const auto& t, std::string_view k) { return t.first < k; });
    if (it == titles_.end() || it->first != key)
        return false;
    out = bytes_.substr(it->second);
    return true;
}

const StoredHeat* SiteCategory::heat(int round, int h) const
{
    for (const StoredHeat& s : heats)
        if (s.round == round && s.heat == h)
            return &s;
    return nullptr;
}

const SiteCategory* RaceSite::category(int c) const
{
    for (const SiteCategory& s : categories)
        if (s.number == c)
            return &s;
    return nullptr;
}

namespace {

// A heat body holds 20 lines of at most 151 lap totals: far less than this.
constexpr std::size_t kHeatBodyBound = 100000;

RaceOptions raceOptions(const SectionIndex& index, int category)
{
    RaceOptions options;
    std::string_view body;
    if (index.body(raceOptionsTitle(category), body))
        parseRaceOptionsLine(body.substr(0, body.find('\n')), options);
    return options;
}

StoredHeat readStoredHeat(
    const SectionIndex& index, int c, int r, int h, const RaceOptions& options)
{
    StoredHeat heat;
    heat.round = r;
    heat.heat = h;
    std::string_view body;
    if (!index.body(heatResultTitle(c, r, h), body))
        return heat;
    RunEntryTable table;
    clearToEmptySlots(table);
    HeatResultTexts texts;
    StringSource in(body.substr(0, kHeatBodyBound));
    readHeatResultFields(in, table, texts);
    heat.description = cp1252ToUtf8(texts.description);
    heat.comment = cp1252ToUtf8(texts.comment);
    heat.condition = cp1252ToUtf8(texts.condition);
    // The rows and order of the board and of the printed sheet: the heat is
    // taken as the board takes it when its tree item is selected.
    prepareLoadedHeat(table, options.start);
    Standings standings;
    computeStandings(table, options.ranking, standings);
    for (int i = 0; i < standings.count; ++i) {
        const BoardRow& b = standings.board[static_cast<std::size_t>(i)];
        heat.lines.push_back({b.place, b.slotNumber, cp1252ToUtf8(b.name), b.passingCount,
            b.totalTime, b.lastLap, b.bestLap});
    }
    heat.stored = !heat.lines.empty();
    return heat;
}

} // namespace

RaceSite readRaceSite(std::string_view raceBytes)
{
    RaceSite site;
    StringSource headerSource(raceBytes.substr(0, raceBytes.find('\n')));
    RaceHeader header;
    readRaceHeader(headerSource, header);
    const SectionIndex index(raceBytes);
    const int count = std::clamp(header.categories.count, 0, kMaxCategories);
    for (int c = 1; c <= count; ++c) {
        const CategoryRecord& record = header.categories.category(c);
        SiteCategory category;
        category.number = c;
        category.name = cp1252ToUtf8(record.name);
        category.participants = std::clamp(record.participants, 0, kMaxParticipants);
        category.rounds = std::clamp(record.rounds, 0, kMaxRounds);
        category.heatsPerRound = std::clamp(record.heatsPerRound, 0, kMaxHeatsPerRound);
        const RaceOptions options = raceOptions(index, c);
        for (int r = 1; r <= category.rounds; ++r)
            for (int h = 1; h <= category.heatsPerRound; ++h)
                category.heats.push_back(readStoredHeat(index, c, r, h, options));
        site.categories.push_back(std::move(category));
    }
    std::vector<std::string> descriptions;
    for (const SiteCategory& c : site.categories)
        for (const StoredHeat& h : c.heats)
            descriptions.push_back(h.description);
    site.heading = readRaceHeading(raceBytes, descriptions);
    return site;
}

} // namespace ksy
