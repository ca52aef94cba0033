#include "race/race_options.h"

#include "services/translate.h"
#include "storage/char_source.h"
#include "storage/field_reader.h"

#include <algorithm>
#include <array>
#include <utility>

namespace ksy {
namespace {

template <typename E, std::size_t N>
std::optional<E> lookup(const std::array<std::pair<E, std::string_view>, N>& table,
                        std::string_view text)
{
    for (const auto& [value, word] : table)
        if (word == text)
            return value;
    return std::nullopt;
}

template <typename E, std::size_t N>
std::string_view wordOf(const std::array<std::pair<E, std::string_view>, N>& table, E value)
{
    for (const auto& [v, word] : table)
        if (v == value)
            return word;
    return {};
}

constexpr std::array<std::pair<RankingMode, std::string_view>, 2> kRanking = {{
    {RankingMode::LapsThenTime, "CLASSEMENTToursTemps"},
    {RankingMode::BestLap, "CLASSEMENTMeilleurTour"},
}};
constexpr std::array<std::pair<DurationMode, std::string_view>, 2> kDuration = {{
    {DurationMode::Time, "DUREESERIETemps"},
    {DurationMode::Laps, "DUREESERIETours"},
}};
constexpr std::array<std::pair<StartType, std::string_view>, 3> kStart = {{
    {StartType::SoundSignal, "DEPARTSignalSonore"},
    {StartType::FirstCar, "DEPARTPremiereVoiture"},
    {StartType::Staggered, "DEPARTDecale"},
}};
constexpr std::array<std::pair<StartOrder, std::string_view>, 2> kOrder = {{
    {StartOrder::Fixed, "ORDREDEPARTFixe"},
    {StartOrder::Editable, "ORDREDEPARTModifiable"},
}};
constexpr std::array<std::pair<TimedEnd, std::string_view>, 3> kTimedEnd = {{
    {TimedEnd::SoundSignal, "FINTEMPSSignalSonore"},
    {TimedEnd::FinishLap, "FINTEMPSFinirTour"},
    {TimedEnd::SandYacht, "FINTEMPSCharsVoile"},
}};
constexpr std::array<std::pair<LapsEnd, std::string_view>, 3> kLapsEnd = {{
    {LapsEnd::SoundSignal, "FINTOURSignalSonore"},
    {LapsEnd::FinishLap, "FINTOURFinirTour"},
    {LapsEnd::AllLaps, "FINTOURFaireTousLesTours"},
}};

template <typename E>
void assign(E& field, std::optional<E> value)
{
    if (value)
        field = *value;
}

void assignInt(int& field, std::optional<int> value, int low, int high)
{
    if (value)
        field = std::clamp(*value, low, high);
}

} // namespace

std::string_view keyword(RankingMode v) { return wordOf(kRanking, v); }
std::string_view keyword(DurationMode v) { return wordOf(kDuration, v); }
std::string_view keyword(StartType v) { return wordOf(kStart, v); }
std::string_view keyword(StartOrder v) { return wordOf(kOrder, v); }
std::string_view keyword(TimedEnd v) { return wordOf(kTimedEnd, v); }
std::string_view keyword(LapsEnd v) { return wordOf(kLapsEnd, v); }

std::optional<RankingMode> rankingModeFromKeyword(std::string_view t) { return lookup(kRanking, t); }
std::optional<DurationMode> durationModeFromKeyword(std::string_view t)
{
    return lookup(kDuration, t);
}
std::optional<StartType> startTypeFromKeyword(std::string_view t) { return lookup(kStart, t); }
std::optional<StartOrder> startOrderFromKeyword(std::string_view t) { return lookup(kOrder, t); }
std::optional<TimedEnd> timedEndFromKeyword(std::string_view t) { return lookup(kTimedEnd, t); }
std::optional<LapsEnd> lapsEndFromKeyword(std::string_view t) { return lookup(kLapsEnd, t); }

std::string_view activeEndKeyword(const RaceOptions& o)
{
    return o.durationMode == DurationMode::Time ? keyword(o.timedEnd) : keyword(o.lapsEnd);
}

std::string formatRaceOptionsLine(const RaceOptions& o)
{
    std::string line;
    auto field = [&line](std::string_view text) {
        line += text;
        line += '\t';
    };
    field(keyword(o.ranking));
    field(keyword(o.durationMode));
    field(std::to_string(o.minutes));
    field(std::to_string(o.laps));
    field(std::to_string(o.countdownSeconds));
    field(std::to_string(o.restMinutes));
    field(keyword(o.start));
    field(keyword(o.order));
    field(keyword(o.timedEnd));
    field(keyword(o.lapsEnd));
    line += '\n';
    return line;
}

void readRaceOptionsFields(FieldReader& in, RaceOptions& o)
{
    // Widths of the record's keyword arrays, terminator included.
    assign(o.ranking, rankingModeFromKeyword(in.readText(24)));
    assign(o.durationMode, durationModeFromKeyword(in.readText(17)));
    int value = 0;
    auto number = [&in, &value]() -> std::optional<int> {
        if (in.readInt(value))
            return value;
        return std::nullopt;
    };
    assignInt(o.minutes, number(), kMinHeatMinutes, kMaxHeatMinutes);
    assignInt(o.laps, number(), kMinHeatLaps, kMaxHeatLaps);
    assignInt(o.countdownSeconds, number(), 0, kMaxCountdownSeconds);
    assignInt(o.restMinutes, number(), 0, kMaxRestMinutes);
    assign(o.start, startTypeFromKeyword(in.readText(23)));
    assign(o.order, startOrderFromKeyword(in.readText(23)));
    assign(o.timedEnd, timedEndFromKeyword(in.readText(22)));
    assign(o.lapsEnd, lapsEndFromKeyword(in.readText(26)));
}

void parseRaceOptionsLine(std::string_view body, RaceOptions& o)
{
    StringSource source(body);
    FieldReader in(source);
    readRaceOptionsFields(in, o);
}

std::string raceOptionsIoMessage(RaceOptionsIo result)
{
    switch (result) {
    case RaceOptionsIo::Ok:
        return {};
    case RaceOptionsIo::CannotOpen:
        return KSY_TRANSLATE_NOOP("Prompts", "Erreur: impossible d'ouvrir le fichier Course");
    case RaceOptionsIo::TitleNotFound:
        return KSY_TRANSLATE_NOOP(
            "Prompts", "Erreur: Intitulé Paramètres des qualifs non trouvé");
    }
    return {};
}

} // namespace ksy
