#include "databases/french_collation.h"

namespace ksy {

namespace {

// The base letters of the Windows-1252 bytes 0x80 to 0xFF that carry one;
// nullptr where the byte sorts as itself.
const char* baseLetters(unsigned char c)
{
    static const char* const upper[] = {// 0xC0 .. 0xDF
        "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i", "d", "n",
        "o", "o", "o", "o", "o", nullptr, "o", "u", "u", "u", "u", "y", "th", "ss"};
    if (c >= 0xC0 && c <= 0xDF)
        return upper[c - 0xC0];
    if (c >= 0xE0 && c != 0xF7)
        return upper[c - 0xE0] ? (c == 0xFF ? "y" : upper[c - 0xE0]) : nullptr;
    switch (c) {
    case 0x8A:
    case 0x9A:
        return "s"; // Š š
    case 0x8C:
    case 0x9C:
        return "oe"; // Œ œ
    case 0x8E:
    case 0x9E:
        return "z"; // Ž ž
    case 0x9F:
        return "y"; // Ÿ
    default:
        return nullptr;
    }
}

} // namespace

std::string frenchSortKey(std::string_view cp1252)
{
    std::string key;
    key.reserve(cp1252.size());
    for (const char ch : cp1252) {
        const auto c = static_cast<unsigned char>(ch);
        if (c >= 'A' && c <= 'Z')
            key.push_back(static_cast<char>(c - 'A' + 'a'));
        else if (const char* base = c >= 0x80 ? baseLetters(c) : nullptr)
            key += base;
        else
            key.push_back(ch);
    }
    return key;
}

bool frenchLess(std::string_view a, std::string_view b)
{
    const std::string ka = frenchSortKey(a);
    const std::string kb = frenchSortKey(b);
    if (ka != kb)
        return ka < kb;
    return a < b;
}

} // namespace ksy
