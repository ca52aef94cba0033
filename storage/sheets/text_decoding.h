#pragma once
// The text of a file whose encoding nobody stated: a byte order mark says it
// (UTF-8, UTF-16), else bytes that are valid UTF-8 are UTF-8, else they are
// Windows-1252, which every byte is.
#include <optional>
#include <string>
#include <string_view>

namespace ksy {

bool isValidUtf8(std::string_view bytes);

// UTF-8 without byte order mark; nothing for UTF-16 that does not decode.
std::optional<std::string> decodeText(std::string_view bytes);

// Appends the UTF-8 form of a code point (U+FFFD for one that has none).
void appendUtf8(std::string& out, char32_t code);

} // namespace ksy
