#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace ksy {

// Files hold Windows-1252 bytes; the screen and the code's literals are UTF-8.
// These two functions are the only crossing between them.

// Windows-1252 bytes to UTF-8. The five bytes that Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same
// value, so that no byte read from a file is ever lost.
std::string cp1252ToUtf8(std::string_view bytes);

// UTF-8 to Windows-1252 bytes; nothing when a character has no Windows-1252
// byte or the UTF-8 is malformed.
std::optional<std::string> utf8ToCp1252(std::string_view utf8);

// For the program's own literals (section titles, keywords): they are known to
// fit, so a failure is a programming error and gives '?' for the character.
std::string cp1252(std::string_view utf8Literal);

// Whether a text typed by the user may go into a file field: every character
// is representable in Windows-1252 and none is a TAB, CR or line feed.
bool isStorableText(std::string_view utf8);

} // namespace ksy
