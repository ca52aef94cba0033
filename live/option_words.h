#pragma once
// The heat's title says its start and end rules with the keywords of the race
// file ("DEPARTSignalSonore"); a spectator reads them as the race options
// dialog says them ("simultané au signal sonore").
#include <string>
#include <string_view>

namespace ksy {

// The text with every " - "-separated part that is an option keyword
// replaced by the dialog's words, and the duration and start of the run in
// the official's language; any other part is kept as it is.
std::string optionsInWords(std::string_view utf8);

} // namespace ksy
