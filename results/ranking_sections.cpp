#include "results/ranking_sections.h"

#include "results/text_fields.h"
#include "storage/field_writer.h"
#include "storage/file_stream.h"
#include "storage/section_titles.h"

#include <algorithm>
#include <cstddef>

namespace ksy {
namespace {

// The keyword buffer holds the longer keyword, "CLASSEMENTMeilleurTour".
constexpr std::size_t kKeywordWidth = 23;
constexpr std::size_t kNameWidth = 40;

std::string readLine(CharSource& in)
{
    std::string line;
    for (int c = in.get(); c != '\n' && c != CharSource::kEnd; c = in.get())
        line += static_cast<char>(c);
    return line;
}

RankingMode readKeyword(std::string_view& line)
{
    return rankingModeFromKeyword(boundedField(nextTabField(line), kKeywordWidth))
        .value_or(RankingMode::LapsThenTime);
}

int limitToDigits(int value, int digits)
{
    return std::clamp(value, 0, digits == 3 ? 999 : digits == 2 ? 99 : 9);
}

// Line 1 of a round ranking: the criterion and the six scale values.
void readSettingsLine(CharSource& in, RankingMode& criterion, PointsScale& scale)
{
    const std::string text = readLine(in);
    std::string_view line = text;
    criterion = readKeyword(line);
    for (int i = 0; i < PointsScale::kCount; ++i)
        scale.values[static_cast<std::size_t>(i)] =
            limitToDigits(fieldInt(nextTabField(line)), PointsScale::digits(i));
}

RoundRankingEntry parseRow(std::string_view line)
{
    RoundRankingEntry r;
    r.name = boundedField(nextTabField(line), kNameWidth);
    r.laps = fieldInt(nextTabField(line));
    r.totalTime = fieldInt(nextTabField(line));
    r.bestLap = fieldInt(nextTabField(line));
    r.points = fieldInt(nextTabField(line));
    return r;
}

template <typename Body>
StoredRankingRead readSection(
    const std::filesystem::path& raceFile, const std::string& title, Body body)
{
    auto file = FileStream::open(raceFile, OpenMode::Update);
    if (!file)
        return StoredRankingRead::CannotOpen;
    if (!findSectionBody(*file, title))
        return StoredRankingRead::Absent;
    body(*file);
    return StoredRankingRead::Ok;
}

} // namespace

std::string formatRoundRankingBody(
    RankingMode criterion, const PointsScale& scale, const RoundRankingRows& rows, int n)
{
    FieldWriter w;
    w.text(keyword(criterion));
    for (const int v : scale.values)
        w.integer(v);
    w.endLine();
    const int count = std::clamp(n, 0, static_cast<int>(rows.size()));
    for (int i = 0; i < count; ++i) {
        const RoundRankingEntry& r = rows[static_cast<std::size_t>(i)];
        w.text(r.name, kNameWidth).integer(r.laps).integer(r.totalTime).integer(r.bestLap);
        w.integer(r.points).endLine();
    }
    return w.take();
}

std::string formatGlobalRankingBody(const StoredGlobalRanking& ranking)
{
    FieldWriter w;
    w.text(keyword(ranking.tie)).integer(ranking.bestRounds).endLine();
    for (const std::string& name : ranking.names)
        w.text(name, kNameWidth).endLine();
    return w.take();
}

StoredRankingRead readRoundRankingSettings(const std::filesystem::path& raceFile, int category,
    int round, RankingMode& criterion, PointsScale& scale)
{
    return readSection(raceFile, roundRankingTitle(category, round),
        [&](CharSource& in) { readSettingsLine(in, criterion, scale); });
}

StoredRankingRead readRoundRankingSection(
    const std::filesystem::path& raceFile, int category, int round, int n, StoredRoundRanking& out)
{
    return readSection(raceFile, roundRankingTitle(category, round), [&](CharSource& in) {
        StoredRoundRanking s;
        readSettingsLine(in, s.criterion, s.scale);
        for (int i = 0; i < n; ++i)
            s.rows.push_back(parseRow(readLine(in)));
        out = std::move(s);
    });
}

StoredRankingRead readGlobalRankingSection(
    const std::filesystem::path& raceFile, int category, int n, StoredGlobalRanking& out)
{
    return readSection(raceFile, globalRankingTitle(category), [&](CharSource& in) {
        StoredGlobalRanking s;
        const std::string first = readLine(in);
        std::string_view line = first;
        s.tie = readKeyword(line);
        s.bestRounds = limitToDigits(fieldInt(nextTabField(line)), 1);
        for (int i = 0; i < n; ++i) {
            const std::string text = readLine(in);
            std::string_view name = text;
            s.names.push_back(boundedField(nextTabField(name), kNameWidth));
        }
        out = std::move(s);
    });
}

RewriteResult storeRoundRanking(const std::filesystem::path& raceFile, int category, int round,
    RankingMode criterion, const PointsScale& scale, const RoundRankingRows& rows, int n,
    Prompts* prompts)
{
    const int count = std::clamp(n, 0, static_cast<int>(rows.size()));
    return fixedSlotRewrite(
        raceFile, roundRankingTitle(category, round), roundRankingReserve(count),
        [&](FieldWriter& w) { w.raw(formatRoundRankingBody(criterion, scale, rows, count)); },
        prompts);
}

RewriteResult storeGlobalRanking(const std::filesystem::path& raceFile, int category,
    const StoredGlobalRanking& ranking, int n, Prompts* prompts)
{
    return fixedSlotRewrite(
        raceFile, globalRankingTitle(category), globalRankingReserve(std::max(n, 0)),
        [&](FieldWriter& w) { w.raw(formatGlobalRankingBody(ranking)); }, prompts);
}

} // namespace ksy
