#include "databases/editors/list_editor.h"

#include "databases/french_collation.h"

namespace ksy {

std::optional<std::string> storableField(std::string_view utf8, std::size_t maxLength)
{
    if (!isStorableText(utf8)) return std::nullopt;
    auto bytes = utf8ToCp1252(utf8);
    // One character is one byte in the file: cutting a path or a name short
    // would store something the user never typed.
    if (!bytes || bytes->size() > maxLength) return std::nullopt;
    return bytes;
}

bool isAllDigits(std::string_view text)
{
    return std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

std::vector<std::string> sortedChoices(const std::vector<std::string>& names)
{
    std::vector<std::string> sorted;
    for (const auto& n : names)
        if (!n.empty()) sorted.push_back(n);
    std::ranges::stable_sort(sorted, frenchLess);
    std::vector<std::string> out;
    for (const auto& n : sorted)
        out.push_back(cp1252ToUtf8(n));
    return out;
}

} // namespace ksy
