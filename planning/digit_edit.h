#pragma once
// The numeric edits of the planning forms: what is typed is kept as digits
// only, and read as an unsigned number.
#include <string>
#include <string_view>

namespace ksy {

// The digits of text, at most limit of them; everything else is dropped.
std::string digitsOnly(std::string_view text, int limit);

// The value of a digits-only text; an empty edit reads 0. The edits are at
// most 4 digits long, so this cannot overflow.
int digitsValue(std::string_view digits);

} // namespace ksy
