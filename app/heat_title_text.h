#pragma once
// The run's title as the board shows it. The title is stored with the heat
// in French, with the keywords of the race options ("Durée 00:10 -
// DEPARTSignalSonore - FINTEMPSSignalSonore - Départ 14/06/2026 10:30"); in
// another language the board shows the same title in that language's words.
#include <string>

namespace ksy {

// `title`: UTF-8. Returned as it is when it is not a run's title or the
// language is French.
std::string shownHeatTitle(const std::string& title);

} // namespace ksy
