#include "platform/language_setting.h"

#include "storage/durable_io.h"

#include <fstream>

namespace ksy {

std::optional<InterfaceLanguage> readLanguageSetting(const WorkFolder& folder)
{
    std::ifstream in(folder.file(kLanguageSettingsFile), std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string line;
    std::getline(in, line);
    // Written by hand perhaps: blanks and a Windows line end are forgiven.
    const auto first = line.find_first_not_of(" \t");
    const auto last = line.find_last_not_of(" \t\r");
    if (first == std::string::npos)
        return std::nullopt;
    return interfaceLanguageFromCode(line.substr(first, last - first + 1));
}

bool writeLanguageSetting(const WorkFolder& folder, InterfaceLanguage language)
{
    return writeFileAtomically(
        folder.file(kLanguageSettingsFile), std::string(interfaceLanguageCode(language)) + "\n");
}

InterfaceLanguage startLanguage(
    const std::optional<std::string>& langOption, const WorkFolder& folder)
{
    if (langOption)
        if (const auto asked = interfaceLanguageFromCode(*langOption))
            return *asked;
    return readLanguageSetting(folder).value_or(InterfaceLanguage::French);
}

} // namespace ksy
