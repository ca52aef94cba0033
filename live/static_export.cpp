#include "live/static_export.h"

#include "live/page_shell.h"
#include "live/site_pages.h"
#include "services/translate.h"

#include <fstream>

namespace ksy {

std::vector<ExportedPage> staticPages(const RaceSite& site)
{
    const SiteLinks links = SiteLinks::files();
    std::vector<ExportedPage> pages;
    pages.push_back({"style.css", siteStylesheet()});
    pages.push_back({links.results(), resultsPage(site, links)});
    for (const SiteCategory& c : site.categories) {
        pages.push_back({links.category(c.number), categoryPage(c, links)});
        if (c.globalRanking)
            pages.push_back(
                {links.globalRanking(c.number), rankingPage(c, *c.globalRanking, links)});
        for (const StoredRanking& r : c.roundRankings)
            pages.push_back({links.roundRanking(c.number, r.round), rankingPage(c, r, links)});
        for (const StoredHeat& h : c.heats)
            if (h.stored)
                pages.push_back(
                    {links.heat(c.number, h.round, h.heat), heatResultPage(c, h, links)});
    }
    return pages;
}

bool writeStaticPages(
    const std::vector<ExportedPage>& pages, const std::filesystem::path& folder, std::string& error)
{
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        error = fillText(
            translate("StaticExport", "impossible de créer le dossier %1"), {folder.string()});
        return false;
    }
    for (const ExportedPage& page : pages) {
        const auto path = folder / page.fileName;
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(page.content.data(), static_cast<std::streamsize>(page.content.size()));
        out.close();
        if (!out) {
            error = fillText(
                translate("StaticExport", "impossible d'écrire le fichier %1"), {path.string()});
            return false;
        }
    }
    return true;
}

} // namespace ksy
