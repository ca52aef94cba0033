#pragma once
// A heat section edited by hand, cut or overwritten with binary bytes must
// not be read as a heat: a lap count of -7 would show a pilot with his laps
// at 0 and the next store would write them away, 9999 would invent laps.
// The numbers of each slot line are checked before the heat is shown.
#include <optional>
#include <string>
#include <string_view>

namespace ksy {

// The slot lines of a heat's section body, as written by the store: name,
// passing count, laps, total time, last lap, best lap, then the count + 1
// lap totals. The French reason the first faulty line is refused for
// ("ligne 3 de la section : nombre de passages -7"), or nothing.
std::optional<std::string> heatResultFault(std::string_view body);

} // namespace ksy
