#pragma once
// Which help guide "Aide" opens: the one in the interface's language when the
// working folder has it, the French one otherwise.
#include "platform/interface_language.h"
#include "storage/work_folder.h"

#include <filesystem>

namespace ksy {

std::filesystem::path helpGuideFile(const WorkFolder& folder, InterfaceLanguage language);

} // namespace ksy
