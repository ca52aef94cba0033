#pragma once
// The command line reads exchange files that anything may have written: it
// refuses, in one French line, what the program itself never writes (an
// empty or binary file, counts out of 0..150, lap totals that are not times
// of a heat or that go back), where the window's lenient readers would show
// zeros or negative laps.
#include <optional>
#include <string>
#include <string_view>

namespace ksycli {

// "DetailResultats.res": the reason it is refused, or nothing.
std::optional<std::string> badHeatDetail(std::string_view bytes);
// "ResultatsPilote.res" (one pilot's run).
std::optional<std::string> badPilotResult(std::string_view bytes);

} // namespace ksycli
