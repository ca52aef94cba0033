#include "planning/race_options.h"

#include "storage/encoding.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <limits>
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

// Reads the data line with the file's field conventions: a text field ends at
// TAB, LF or the end; an integer is read like "%d\t" (white space skipped on
// both sides, across line ends). A malformed integer consumes nothing.
class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text) {}

    std::string_view text()
    {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] != '\t' && text_[pos_] != '\n')
            ++pos_;
        const std::string_view field = text_.substr(start, pos_ - start);
        if (pos_ < text_.size())
            ++pos_; // the terminator is consumed
        return field;
    }

    std::optional<int> integer()
    {
        skipSpace();
        std::size_t end = pos_;
        if (end < text_.size() && (text_[end] == '-' || text_[end] == '+'))
            ++end;
        const std::size_t digits = end;
        while (end < text_.size() && text_[end] >= '0' && text_[end] <= '9')
            ++end;
        if (end == digits)
            return std::nullopt;
        std::int64_t value = 0;
        const char* first = text_.data() + pos_ + (text_[pos_] == '+' ? 1 : 0);
        const auto [ptr, ec] = std::from_chars(first, text_.data() + end, value);
        pos_ = end;
        skipSpace();
        if (ec != std::errc() || value < std::numeric_limits<int>::min() ||
            value > std::numeric_limits<int>::max())
            return std::nullopt;
        return static_cast<int>(value);
    }

private:
    void skipSpace()
    {
        while (pos_ < text_.size() &&
               (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\n' ||
                text_[pos_] == '\r' || text_[pos_] == '\v' || text_[pos_] == '\f'))
            ++pos_;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

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

RaceOptions RaceOptions::heatRunFallback()
{
    RaceOptions o;
    o.timedEnd = TimedEnd::FinishLap;
    return o;
}

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

std::string raceOptionsTitle(int category)
{
    return cp1252("Catégorie") + std::to_string(category) + cp1252("QualifsParamètres");
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

void parseRaceOptionsLine(std::string_view body, RaceOptions& o)
{
    LineReader in(body);
    assign(o.ranking, rankingModeFromKeyword(in.text()));
    assign(o.durationMode, durationModeFromKeyword(in.text()));
    assignInt(o.minutes, in.integer(), kMinHeatMinutes, kMaxHeatMinutes);
    assignInt(o.laps, in.integer(), kMinHeatLaps, kMaxHeatLaps);
    assignInt(o.countdownSeconds, in.integer(), 0, kMaxCountdownSeconds);
    assignInt(o.restMinutes, in.integer(), 0, kMaxRestMinutes);
    assign(o.start, startTypeFromKeyword(in.text()));
    assign(o.order, startOrderFromKeyword(in.text()));
    assign(o.timedEnd, timedEndFromKeyword(in.text()));
    assign(o.lapsEnd, lapsEndFromKeyword(in.text()));
}

std::string raceOptionsIoMessage(RaceOptionsIo result)
{
    switch (result) {
    case RaceOptionsIo::Ok:
        return {};
    case RaceOptionsIo::CannotOpen:
        return "Erreur: impossible d'ouvrir le fichier Course";
    case RaceOptionsIo::TitleNotFound:
        return "Erreur: Intitulé Paramètres des qualifs non trouvé";
    }
    return {};
}

} // namespace ksy
