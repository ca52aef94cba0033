#include "app/help_guide.h"

namespace ksy {

std::filesystem::path helpGuideFile(const WorkFolder& folder, InterfaceLanguage language)
{
    const auto french = folder.file("Guides/HelpSandYachtingFR.pdf");
    if (language == InterfaceLanguage::French)
        return french;
    // A working folder seeded before the English guide existed has only the
    // French one: better that than nothing.
    const auto english = folder.file("Guides/HelpSandYachtingEN.pdf");
    std::error_code ec;
    return std::filesystem::is_regular_file(english, ec) ? english : french;
}

} // namespace ksy
