#pragma once
#include "storage/work_folder.h"

#include <filesystem>
#include <string>
#include <vector>

namespace ksy {

// What seeding the working folder did.
struct SeedResult {
    bool ok = true; // every missing file is now in place
    std::vector<std::string> copied; // relative names (UTF-8, '/' separated) that were added
    std::vector<std::string> failed; // relative names that could not be added, or the data folder
};

// Fills the working folder from the shipped data folder, as an installer would:
// every file of dataDir (sub-folders included) that is not yet in the working
// folder is copied there; what exists is never touched, so the official's
// settings and databases survive every start. The Markdown sources shipped
// beside the data (the README of the images, the source of the guide) are not
// copied. A file is copied under a temporary name first and renamed into place,
// so that an interrupted copy never leaves a truncated file that the next start
// would take for a good one.
SeedResult seedWorkFolder(const std::filesystem::path& dataDir, const WorkFolder& workFolder);

} // namespace ksy
