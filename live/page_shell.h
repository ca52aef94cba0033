#pragma once
// The frame every page of the site shares: a phone-sized layout in the
// official's language, one stylesheet, no inline script (the live page loads
// its script as a file, so that the pages can forbid inline scripts altogether).
#include "live/site_links.h"

#include <string>
#include <string_view>

namespace ksy {

// bodyHtml is already escaped. `script`: the path of a script to load, or "".
std::string pageShell(std::string_view titleUtf8, std::string_view bodyHtml, const SiteLinks& links,
    std::string_view script = {});

// The navigation line at the top of each page.
std::string pageNavigation(const SiteLinks& links);

std::string siteStylesheet();
// The live page's script: server-sent events, polling when they fail.
std::string liveScript();

} // namespace ksy
