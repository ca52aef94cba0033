#pragma once
// The rewrite shared by the per-category sections of the race file (heat
// plan, participant list).
#include "services/prompts.h"
#include "storage/section_file.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace ksy {

// Rewrites the section called title with body in its fixed slot area. Unless
// createIfAbsent, only a section that is already in the file is rewritten: a
// missing one is reported with notFoundMessage (when prompts are given) and
// the file is left as it was.
RewriteResult rewriteCategorySection(const std::filesystem::path& raceFile,
    const std::string& title, int reserve, std::string_view body, bool createIfAbsent,
    const std::string& notFoundMessage, Prompts* prompts);

} // namespace ksy
