#pragma once
// A race file cut short or edited by hand may lack heat sections that its
// heat flags say were run, or hold them damaged. Such a file loads (every
// other heat is sound), but the official is told at once which heats are
// missing: they show empty and are left as they are in the file until he
// runs or changes them.
#include "storage/race_model.h"

#include <filesystem>
#include <optional>
#include <string>

namespace ksy {

// The French warning (UTF-8) naming every heat flagged as run whose section
// is absent or damaged; nothing when each one is there and sound, or when
// the file cannot be opened (that failure is said by its own reader).
std::optional<std::string> missingHeatsText(const std::filesystem::path& file, const Race& race);

// Said when such a heat is selected: it has no section in the file.
std::string heatMissingText(std::string_view sectionTitle);

} // namespace ksy
