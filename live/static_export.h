#pragma once
// The stored results as static pages with one stylesheet, for clubs that
// have no Wi-Fi on the beach and upload the pages to their own site.
#include "live/race_site.h"

#include <filesystem>
#include <string>
#include <vector>

namespace ksy {

struct ExportedPage {
    std::string fileName;
    std::string content;
};

// Every page of the site: "index.html", "style.css", one page per category
// and per stored heat.
std::vector<ExportedPage> staticPages(const RaceSite& site);

// Writes the pages into `folder` (created when missing). On failure, the
// reason in `error`.
bool writeStaticPages(const std::vector<ExportedPage>& pages, const std::filesystem::path& folder,
    std::string& error);

} // namespace ksy
