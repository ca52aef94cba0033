#pragma once
// The order a French reader expects in a drop-down: letters compared without
// their accents and case ("Bénin" before "Burundi", "États-Unis" among the
// E), œ and æ read as two letters. Texts are Windows-1252 bytes. Only what is
// shown is ordered this way: the files keep their own order.
#include <string>
#include <string_view>

namespace ksy {

// The text as it sorts first: lower-case letters without accents.
std::string frenchSortKey(std::string_view cp1252);

// Strict weak order: by sort key, then byte by byte so that "Eric" and "Éric"
// keep one fixed order.
bool frenchLess(std::string_view a, std::string_view b);

} // namespace ksy
