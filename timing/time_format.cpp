#include "timing/time_format.h"

#include <cstdio>

namespace ksy {
namespace {

constexpr std::int64_t kHour = 3600000;
constexpr std::int64_t kMinute = 60000;

std::string print(const char* format, int a, int b, int c, int d = 0)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, a, b, c, d);
    return buffer;
}

std::int64_t totalOf(int hours, int minutes, int seconds, int milliseconds)
{
    return hours * kHour + minutes * kMinute + seconds * std::int64_t {1000} + milliseconds;
}

bool anyNegative(int a, int b, int c, int d)
{
    return a < 0 || b < 0 || c < 0 || d < 0;
}

// Negative times are shown as a minus sign and the magnitude, whatever the
// signs of the parts the caller split them into.
template <typename Format> std::string signedTime(std::int64_t ms, Format format)
{
    const bool negative = ms < 0;
    const TimeParts p = splitTime(negative ? -ms : ms);
    const std::string text = format(p.hours, p.minutes, p.seconds, p.milliseconds);
    return negative ? "-" + text : text;
}

std::string shortTime(int h, int m, int s, int ms)
{
    if (h != 0)
        return print("%d:%02d:%02d.%03d", h, m, s, ms);
    if (m != 0)
        return print("%d:%02d.%03d", m, s, ms, 0);
    return print("%d.%03d", s, ms, 0);
}

std::string totalTime(int h, int m, int s, int ms)
{
    if (h != 0)
        return print("%d:%02d:%02d.%03d", h, m, s, ms);
    return print("%d:%02d.%03d", m, s, ms, 0);
}

} // namespace

TimeParts splitTime(std::int64_t ms)
{
    TimeParts p;
    p.hours = static_cast<int>(ms / kHour);
    ms %= kHour;
    p.minutes = static_cast<int>(ms / kMinute);
    ms %= kMinute;
    p.seconds = static_cast<int>(ms / 1000);
    p.milliseconds = static_cast<int>(ms % 1000);
    return p;
}

std::string formatShortTime(int hours, int minutes, int seconds, int milliseconds)
{
    if (anyNegative(hours, minutes, seconds, milliseconds))
        return formatShortTime(totalOf(hours, minutes, seconds, milliseconds));
    return shortTime(hours, minutes, seconds, milliseconds);
}

std::string formatShortTime(std::int64_t ms)
{
    return signedTime(ms, shortTime);
}

std::string formatTotalTime(int hours, int minutes, int seconds, int milliseconds)
{
    if (anyNegative(hours, minutes, seconds, milliseconds))
        return formatTotalTime(totalOf(hours, minutes, seconds, milliseconds));
    return totalTime(hours, minutes, seconds, milliseconds);
}

std::string formatTotalTime(std::int64_t ms)
{
    return signedTime(ms, totalTime);
}

std::string formatClock(int hours, int minutes, int seconds)
{
    if (anyNegative(hours, minutes, seconds, 0))
        return formatClock(totalOf(hours, minutes, seconds, 0));
    return print("%d:%02d:%02d", hours, minutes, seconds);
}

std::string formatClock(std::int64_t ms)
{
    return signedTime(ms, [](int h, int m, int s, int) { return print("%d:%02d:%02d", h, m, s); });
}

std::string formatClockMinutes(int hours, int minutes)
{
    if (anyNegative(hours, minutes, 0, 0))
        return "-" +
            formatClockMinutes(hours < 0 ? -hours : hours, minutes < 0 ? -minutes : minutes);
    return print("%d:%02d:00", hours, minutes, 0);
}

} // namespace ksy
