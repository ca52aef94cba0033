#pragma once
// What the pilot run analysis paints: the three views of "Synthèse du run"
// (figures and classes, histogram, curve) in a box of 660 x 258 units, the
// lap-by-lap strip, and the one-page print that holds all three views. The
// screen and the print share the same drawings.
#include "display/primitives.h"
#include "reports/report_frame.h"
#include "results/run_analysis.h"

namespace ksy {

inline constexpr int kSynthesisWidth = 660;
inline constexpr int kSynthesisHeight = 258;
inline constexpr int kLapStripWidth = 660;
inline constexpr int kLapStripHeight = 52;

// Each view with its top-left corner at (x, y).
void drawRunData(Drawing& d, const RunSummary& s, int x, int y);
void drawRunHistogram(Drawing& d, const LapHistogram& h, int first, int last, int x, int y);
void drawRunCurve(Drawing& d, const PilotResult& run, const CurveRange& c, int x, int y);

// The view the form shows, at (0, 0).
Drawing runSynthesisDrawing(const RunAnalysisForm& form);
// Seven laps from the strip's scroll position: "T%d" and the lap time.
Drawing lapStripDrawing(const RunAnalysisForm& form);

// The print: one portrait page of 630 x 1120 units.
ReportDocument runAnalysisReport(const PilotResult& run, int first, int last);

} // namespace ksy
