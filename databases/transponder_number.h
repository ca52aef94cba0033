#pragma once
// A transponder number as the official types it and as every file holds it:
// 1 to 6 digits, stored with leading zeros in the six-digit form that the
// decoder's passings are matched against ("1201" is "001201").
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ksy {

inline constexpr std::size_t kTransponderDigits = 6;

// The stored form of a typed number: "" for an empty text (no transponder),
// the six-digit form for 1 to 6 digits, nothing for anything else.
std::optional<std::string> transponderNumber(std::string_view typed);

// The refusal of a typed text that is not a transponder number (UTF-8).
std::string transponderRefusal(std::string_view typedUtf8);

// The warning when `transponder` is already carried by `otherName` (UTF-8).
std::string sharedTransponderWarning(std::string_view transponder, std::string_view otherName);

} // namespace ksy
