#pragma once
// The running heat as the board shows it: its JSON document (for the page's
// script and for clubs' own sites) and its page, rendered with the rows of the
// moment so that it reads even without scripts.
#include "display/board_inputs.h"
#include "live/site_links.h"

#include <cstdint>
#include <string>

namespace ksy {

std::string liveHeatJson(const BoardInputs& heat, std::uint64_t version);
// The title a spectator reads: the options in the dialog's words.
std::string liveHeatTitle(const BoardInputs& heat);
std::string liveHeatPage(const BoardInputs& heat, std::uint64_t version, const SiteLinks& links);

} // namespace ksy
