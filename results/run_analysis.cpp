#include "results/run_analysis.h"

#include "services/translate.h"
#include "timing/time_format.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace ksy {
namespace {

constexpr std::int32_t kNoBestYet = 1500000000;
constexpr std::array<std::int32_t, RunSummary::kClasses> kClassOffsets = {
    0, 100, 200, 500, 1000, 1500, 2000, 3000, 4000, 5000};

bool validRange(const PilotResult& run, int first, int last)
{
    return run.passingCount > 0 && first >= 1 && last <= run.passingCount && first <= last;
}

// The laps first..last that have a recorded time, with their times. A lap
// counted by hand beyond the passings read has none and enters no figure.
struct TimedLaps {
    std::vector<int> laps;
    std::vector<std::int32_t> times;
    long long sum = 0;

    int count() const { return static_cast<int>(laps.size()); }
    // The integer mean; with every lap timed it is (total[L] - total[F-1]) / count.
    std::int32_t mean() const
    {
        return laps.empty() ? 0 : static_cast<std::int32_t>(sum / count());
    }
};

TimedLaps timedLaps(const PilotResult& run, int first, int last)
{
    TimedLaps t;
    if (!validRange(run, first, last))
        return t;
    for (int lap = first; lap <= last; ++lap)
        if (const std::optional<std::int32_t> time = lapTime(run, lap)) {
            t.laps.push_back(lap);
            t.times.push_back(*time);
            t.sum += *time;
        }
    return t;
}

// Best and worst (first occurrences) of the timed laps.
struct Extremes {
    std::int32_t best = kNoBestYet;
    std::int32_t worst = 0;
    int bestLap = 0;
    int worstLap = 0;
};

Extremes extremes(const TimedLaps& t)
{
    Extremes e;
    for (std::size_t i = 0; i < t.laps.size(); ++i) {
        if (t.times[i] < e.best) {
            e.best = t.times[i];
            e.bestLap = t.laps[i];
        }
        if (t.times[i] > e.worst) {
            e.worst = t.times[i];
            e.worstLap = t.laps[i];
        }
    }
    return e;
}

int parseUnsigned(std::string_view text)
{
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

std::optional<std::int32_t> lapTime(const PilotResult& run, int lap)
{
    if (lap < 1 || lap > run.passingCount)
        return std::nullopt;
    return lapDuration(run.lapTotals, lap);
}

RunSummary runSummary(const PilotResult& run, int first, int last)
{
    RunSummary s;
    const TimedLaps t = timedLaps(run, first, last);
    if (t.count() == 0)
        return s;
    s.count = t.count();
    const Extremes e = extremes(t);
    s.best = e.best;
    s.worst = e.worst;
    s.bestLap = e.bestLap;
    s.worstLap = e.worstLap;
    s.mean = t.mean();

    long double sum = 0;
    for (const std::int32_t time : t.times) {
        const long double d = static_cast<long double>(time) - s.mean;
        sum += d * d / s.count;
    }
    s.deviation = static_cast<std::int32_t>(std::llround(std::sqrt(sum)));

    const std::int32_t base = s.best / 100 * 100;
    for (int k = 0; k < RunSummary::kClasses; ++k)
        s.edges[static_cast<std::size_t>(k)] = base + kClassOffsets[static_cast<std::size_t>(k)];
    for (const std::int32_t time : t.times) {
        // A lap on an edge belongs to the class above it.
        for (int k = RunSummary::kClasses - 1; k >= 0; --k)
            if (time >= s.edges[static_cast<std::size_t>(k)]) {
                ++s.counts[static_cast<std::size_t>(k)];
                break;
            }
    }
    for (int k = 0; k < RunSummary::kClasses; ++k)
        s.shares[static_cast<std::size_t>(k)] =
            s.counts[static_cast<std::size_t>(k)] * 1000 / s.count;
    return s;
}

int histogramScale(int largestCount)
{
    if (largestCount >= 11 && largestCount <= 99)
        return (largestCount / 10 + 1) * 10;
    if (largestCount > 100)
        return (largestCount / 100 + 1) * 100;
    return largestCount;
}

LapHistogram lapHistogram(const PilotResult& run, int first, int last)
{
    LapHistogram h;
    const TimedLaps t = timedLaps(run, first, last);
    if (t.count() == 0)
        return h;
    const Extremes e = extremes(t);
    h.count = t.count();
    h.best = e.best;
    h.mean = t.mean();
    h.base = e.best / 1000 * 1000;
    for (const std::int32_t time : t.times) {
        const std::int32_t k = (time - h.base) / LapHistogram::kClassWidth;
        ++h.counts[static_cast<std::size_t>(
            std::clamp<std::int32_t>(k, 0, LapHistogram::kClasses - 1))];
    }
    h.scale = histogramScale(*std::max_element(h.counts.begin(), h.counts.end()));
    return h;
}

CurveRange curveRange(const PilotResult& run, int first, int last)
{
    CurveRange c;
    if (!validRange(run, first, last))
        return c;
    const int shortened = std::min(last, first + CurveRange::kMaxLaps - 1);
    const TimedLaps t = timedLaps(run, first, shortened);
    if (t.count() == 0)
        return c;
    c.first = first;
    c.last = shortened;
    c.count = t.count();
    const Extremes e = extremes(t);
    c.best = e.best;
    c.worst = e.worst;
    c.bestLap = e.bestLap;
    c.mean = t.mean();
    c.low = e.best / 1000 * 1000;
    c.high = (e.worst / 1000 + 1) * 1000;
    c.steps = (c.high - c.low) / CurveRange::kStep + 1;
    return c;
}

RunAnalysisForm::RunAnalysisForm(PilotResult run, AnalysisView view)
    : run_(std::move(run))
    , first_(1)
    , last_(run_.passingCount)
    , view_(view)
    , strip_(ScrollRange::of(run_.passingCount, kStripLaps, kStripLaps - 1))
{
}

std::optional<std::string> RunAnalysisForm::edit(std::string_view text, int& value, bool isFirst)
{
    std::optional<std::string> rewrite;
    if (text.size() > static_cast<std::size_t>(kMaxDigits)) {
        text = text.substr(0, kMaxDigits);
        rewrite = std::string(text);
    }
    value = parseUnsigned(text);
    if (value > run_.passingCount) {
        value = run_.passingCount;
        rewrite = std::to_string(value);
    }
    if (isFirst && value == 0 && run_.passingCount > 0)
        value = 1;
    return rewrite;
}

std::optional<std::string> RunAnalysisForm::editFirst(std::string_view text)
{
    return edit(text, first_, true);
}

std::optional<std::string> RunAnalysisForm::editLast(std::string_view text)
{
    return edit(text, last_, false);
}

std::string RunAnalysisForm::titleLine() const
{
    return run_.heading + " : " + run_.name;
}

std::string RunAnalysisForm::trackLine() const
{
    // The line is in the file's encoding: its translations keep to ASCII.
    return fillText(
        translate("RunAnalysis", " Piste : %1   (%2) "), {run_.courseName, run_.description});
}

std::optional<std::pair<int, int>> parseLapRange(std::string_view text)
{
    const std::size_t dash = text.find('-');
    if (dash == std::string_view::npos)
        return std::nullopt;
    const auto number = [](std::string_view digits) -> std::optional<int> {
        if (digits.empty() || digits.size() > 9)
            return std::nullopt;
        for (char c : digits)
            if (c < '0' || c > '9')
                return std::nullopt;
        return parseUnsigned(digits);
    };
    const auto first = number(text.substr(0, dash));
    const auto last = number(text.substr(dash + 1));
    if (!first || !last)
        return std::nullopt;
    return std::pair {*first, *last};
}

std::pair<int, int> clampLapRange(int first, int last, int passingCount)
{
    first = std::min(first, passingCount);
    last = std::min(last, passingCount);
    if (first == 0 && passingCount > 0)
        first = 1;
    return {first, last};
}

std::string runAnalysisText(const PilotResult& run, int first, int last)
{
    const RunSummary s = runSummary(run, first, last);
    const LapHistogram h = lapHistogram(run, first, last);
    const CurveRange c = curveRange(run, first, last);
    std::string out;
    out += "best\t" + formatShortTime(s.best) + "\t" + std::to_string(s.bestLap) + "\n";
    out += "worst\t" + formatShortTime(s.worst) + "\t" + std::to_string(s.worstLap) + "\n";
    out += "mean\t" + formatShortTime(s.mean) + "\n";
    out += "deviation\t" + formatShortTime(s.deviation) + "\n";
    for (int k = 0; k < RunSummary::kClasses; ++k) {
        const auto i = static_cast<std::size_t>(k);
        out += "class\t" + formatShortTime(s.edges[i]) + "\t";
        if (k + 1 < RunSummary::kClasses)
            out += formatShortTime(s.edges[i + 1]);
        out += "\t" + std::to_string(s.counts[i]) + "\t" + std::to_string(s.shares[i] / 10) + "." +
            std::to_string(s.shares[i] % 10) + "\n";
    }
    out += "histogram\t" + std::to_string(h.scale) + "\t";
    for (int k = 0; k < LapHistogram::kClasses; ++k)
        out += (k ? "," : "") + std::to_string(h.counts[static_cast<std::size_t>(k)]);
    out += "\ncurve\t" + std::to_string(c.low) + "\t" + std::to_string(c.high) + "\t" +
        std::to_string(c.steps) + "\n";
    return out;
}

} // namespace ksy
