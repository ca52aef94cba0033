#pragma once
// The official's choice of interface language, kept in a small settings file
// of its own beside the others ("RéglagesLangue.rg", one line: "fr" or "en"),
// so that no existing settings file changes and older versions ignore it.
// It takes effect at the next start; "--lang fr|en" overrides it for one run.
#include "platform/interface_language.h"
#include "storage/work_folder.h"

#include <optional>
#include <string>

namespace ksy {

inline constexpr const char* kLanguageSettingsFile = "RéglagesLangue.rg";

// The language kept in the working folder; nothing when the file is missing
// or does not hold a known code.
std::optional<InterfaceLanguage> readLanguageSetting(const WorkFolder& folder);

bool writeLanguageSetting(const WorkFolder& folder, InterfaceLanguage language);

// The language of this run: the "--lang" value when given, else the setting,
// else French.
InterfaceLanguage startLanguage(
    const std::optional<std::string>& langOption, const WorkFolder& folder);

} // namespace ksy
