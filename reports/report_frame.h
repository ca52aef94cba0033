#pragma once
// The frame shared by every printed report: its logical page, the isotropic
// mapping of that page onto the printer's printable area, the double border,
// the logo, the "Edité le" line, 40 table rows per page and the page number.
// A report is built as one drawing per page in logical units; the platform
// only replays the drawings on a printer or a PDF file.
#include "display/primitives.h"

#include <string>
#include <string_view>
#include <vector>

namespace ksy {

enum class ReportKind {
    ParticipantList,
    HeatComposition,
    RoundRanking,
    GlobalRanking,
    HeatResultSheet,
    PilotRunAnalysis,
};

struct ReportIdentity {
    std::string documentName; // handed to the print spooler
    bool landscape = false;
    int windowWidth = 900; // logical window, mapped isotropically
    int windowHeight = 1600;
};

const ReportIdentity& reportIdentity(ReportKind kind);

// The scale that maps the logical window onto the printable area with one
// factor for both axes, and the logical extent it makes visible (the full
// window along the constraining axis, more along the other).
struct IsotropicMapping {
    double scale = 1.0; // device pixels per logical unit
    int visibleWidth = 0; // logical units
    int visibleHeight = 0;
};
IsotropicMapping isotropicMapping(
    const ReportIdentity& identity, int printableWidth, int printableHeight);

// Table pagination: 40 rows per page.
inline constexpr int kReportRowsPerPage = 40;
// (rows - 1) / 40 + 1; 0 when there are no rows (nothing is printed).
int reportPageCount(int rows);
// The 0-based rows of page k (1-based): [first, end).
struct PageRows {
    int first = 0;
    int end = 0;
    int count() const { return end - first; }
};
PageRows reportPageRows(int page, int rows);

// The local time taken once when printing starts.
struct ReportDate {
    int day = 1;
    int month = 1; // 1..12
    int year = 2000;
    int hour = 0;
    int minute = 0;
};
// "Edité le %02u/%02u/%04u à %u:%02u" (UTF-8).
std::string editedOnText(const ReportDate& date);

// What the primitives of a report stand for, in the roles the drawings share
// with the live board.
namespace report_role {
inline constexpr Role kFrame = Role::Frame; // borders and table boxes
inline constexpr Role kLogo = Role::Logo;
inline constexpr Role kTitle = Role::HeatTitle; // title lines, "Edité le", page number
inline constexpr Role kHead = Role::Header; // column titles and the head row
inline constexpr Role kColumn = Role::Separator; // column separators
inline constexpr Role kRowLine = Role::RowLine; // thin lines between rows
inline constexpr Role kCell = Role::Cell; // row texts
} // namespace report_role

// Texts of every report are Arial; lines and borders black 1-unit pens.
inline constexpr Colour kReportInk = rgb(0, 0, 0);
FontSpec reportFont(int height);

// The printed width of a run of digits in Arial of this (cell) height, in
// logical units, rounded up: every digit of Arial has the same advance, so a
// name can be cut before a number whatever the number's value.
int reportDigitsWidth(int digits, int height);

// A page under construction: helpers that append primitives in logical units.
class ReportPage {
public:
    // Starts a page with the frame of the report: the double border and the
    // logo (the pilot run analysis has no border and a smaller logo).
    explicit ReportPage(ReportKind kind);

    void text(Role role, int x, int y, TextAlign align, std::string_view utf8, int height,
        Colour colour = kReportInk);
    // A left-aligned text that is cut with "…" when printed wider than `room`
    // (a name as long as the editors take must not run over the next column).
    void fittedText(Role role, int x, int y, int room, std::string_view utf8, int height);
    void line(Role role, int x1, int y1, int x2, int y2);
    // The outline of a rectangle, as four lines.
    void box(Role role, int left, int top, int right, int bottom);
    // "Page %d /%d", at (1000, 1550) on portrait pages.
    void pageNumber(int page, int pageCount, int x = 1000, int y = 1550);

    const Drawing& drawing() const { return drawing_; }
    Drawing take() { return std::move(drawing_); }

private:
    Drawing drawing_;
};

// A report ready to print: its identity and one drawing per page.
struct ReportDocument {
    ReportIdentity identity;
    std::vector<Drawing> pages;
};

} // namespace ksy
