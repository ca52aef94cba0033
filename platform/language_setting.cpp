#include "platform/language_setting.h"

#include "storage/durable_io.h"

#include <algorithm>
#include <fstream>

namespace ksy {

std::optional<InterfaceLanguage> readLanguageSetting(const WorkFolder& folder)
{
    std::ifstream in(folder.file(kLanguageSettingsFile), std::ios::binary);
    if (!in)
        return std::nullopt;
    // One short line: read no more than that, whatever the file holds.
    constexpr std::streamsize kMost = 64;
    char buffer[kMost + 1] = {};
    in.read(buffer, kMost + 1);
    std::string line(buffer, static_cast<std::size_t>(in.gcount()));
    const auto end = line.find('\n');
    if (end == std::string::npos && line.size() > static_cast<std::size_t>(kMost))
        return std::nullopt;
    line.resize(std::min(end, line.size()));
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
