#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace ksy {

// A millisecond count split into its parts by integer division.
struct TimeParts {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    int milliseconds = 0;
};
TimeParts splitTime(std::int64_t ms);

// Lap times, best laps, gaps, records: the shortest form, "1:02:03.004",
// "1:23.456" or "3.456". Negative times read as "-" and the magnitude.
std::string formatShortTime(int hours, int minutes, int seconds, int milliseconds);
std::string formatShortTime(std::int64_t ms);

// Total times always show the minutes: "1:02:03.004" or "0:03.456".
std::string formatTotalTime(int hours, int minutes, int seconds, int milliseconds);
std::string formatTotalTime(std::int64_t ms);

// Board clocks: "%d:%02d:%02d" and "%d:%02d:00".
std::string formatClock(int hours, int minutes, int seconds);
std::string formatClock(std::int64_t ms);
std::string formatClockMinutes(int hours, int minutes);

// The text of a board total that has been reset.
inline constexpr std::string_view kResetTotalTime = "00:00.000";

} // namespace ksy
