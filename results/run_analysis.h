#pragma once
// The pilot run analysis: the laps of one pilot between two laps F..L, summed
// up (best, worst, integer mean, deviation, ten classes), spread over a
// histogram of 200 ms classes, and drawn as a curve over at most 101 laps.
#include "results/pilot_result_file.h"
#include "results/scroll_range.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ksy {

// Lap i (1..n) of the run: lapTotals[i] - lapTotals[i - 1]; nothing when
// either passing has no recorded time (laps counted by hand beyond the
// passings read). Such laps enter no figure below: the count, best, worst,
// mean, deviation, classes, histogram and curve are those of the timed laps.
std::optional<std::int32_t> lapTime(const PilotResult& run, int lap);

struct RunSummary {
    static constexpr int kClasses = 10;
    int count = 0;
    std::int32_t best = 0;
    std::int32_t worst = 0;
    std::int32_t mean = 0;
    std::int32_t deviation = 0;
    int bestLap = 0; // lap numbers, first occurrence
    int worstLap = 0;
    std::array<std::int32_t, kClasses> edges {};
    std::array<int, kClasses> counts {};
    std::array<int, kClasses> shares {}; // per mille
};

struct LapHistogram {
    static constexpr int kClasses = 40;
    static constexpr std::int32_t kClassWidth = 200;
    int count = 0;
    std::int32_t best = 0;
    std::int32_t mean = 0;
    std::int32_t base = 0;
    std::array<int, kClasses> counts {};
    int scale = 0; // the vertical scale

    std::int32_t edge(int k) const { return base + k * kClassWidth; }
};

struct CurveRange {
    static constexpr int kMaxLaps = 101;
    static constexpr std::int32_t kStep = 500;
    int first = 0;
    int last = 0; // min(L, F + 100)
    int count = 0; // the timed laps of first..last
    std::int32_t best = 0;
    std::int32_t worst = 0;
    std::int32_t mean = 0;
    int bestLap = 0;
    std::int32_t low = 0;
    std::int32_t high = 0;
    int steps = 0;
};

// Every figure is 0 for an empty range (F > L, no lap, or outside 1..n).
RunSummary runSummary(const PilotResult& run, int first, int last);
LapHistogram lapHistogram(const PilotResult& run, int first, int last);
CurveRange curveRange(const PilotResult& run, int first, int last);

// The largest class count rounded up to the vertical scale.
int histogramScale(int largestCount);

enum class AnalysisView { Data, Histogram, Curve };

// The dialog's state: the run, the lap range of the two edits, the view and
// the lap-by-lap strip's scroll bar.
class RunAnalysisForm {
public:
    static constexpr int kMaxDigits = 3;
    static constexpr int kStripLaps = 7;

    RunAnalysisForm(PilotResult run, AnalysisView view);

    const PilotResult& run() const { return run_; }
    int first() const { return first_; }
    int last() const { return last_; }
    AnalysisView view() const { return view_; }
    void setView(AnalysisView view) { view_ = view; }
    ScrollRange& strip() { return strip_; }
    const ScrollRange& strip() const { return strip_; }

    // A change of the edits. Nothing when the edit keeps its text; else the
    // text it must show (digits beyond three cut, a value above n written as n).
    std::optional<std::string> editFirst(std::string_view text);
    std::optional<std::string> editLast(std::string_view text);

    // Heading lines: "<heading> : <name>" and " Piste : <course>   (<description>) "
    // (Windows-1252).
    std::string titleLine() const;
    std::string trackLine() const;

private:
    std::optional<std::string> edit(std::string_view text, int& value, bool isFirst);

    PilotResult run_;
    int first_ = 1;
    int last_ = 0;
    AnalysisView view_ = AnalysisView::Data;
    ScrollRange strip_;
};

// "F-L": two unsigned numbers; nothing when malformed.
std::optional<std::pair<int, int>> parseLapRange(std::string_view text);
// The range clamped as the edits clamp it.
std::pair<int, int> clampLapRange(int first, int last, int passingCount);

// The command-line form of the analysis: best, worst, mean, deviation, the
// ten classes, the histogram and the curve, one record a line.
std::string runAnalysisText(const PilotResult& run, int first, int last);

} // namespace ksy
