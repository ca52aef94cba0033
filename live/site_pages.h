#pragma once
// The pages and JSON documents of the stored results: the categories with
// their rounds and heats, and each stored heat.
#include "live/race_site.h"
#include "live/site_links.h"

#include <string>

namespace ksy {

std::string resultsPage(const RaceSite& site, const SiteLinks& links);
std::string categoryPage(const SiteCategory& category, const SiteLinks& links);
std::string heatResultPage(
    const SiteCategory& category, const StoredHeat& heat, const SiteLinks& links);

std::string rankingPage(
    const SiteCategory& category, const StoredRanking& ranking, const SiteLinks& links);

// "Manche 2 - Série 3".
std::string heatHeading(int round, int heat);

std::string raceJson(const RaceSite& site);
std::string heatResultJson(const SiteCategory& category, const StoredHeat& heat);
std::string rankingJson(const SiteCategory& category, const StoredRanking& ranking);

} // namespace ksy
