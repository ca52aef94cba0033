#include "planning/digit_edit.h"

namespace ksy {

std::string digitsOnly(std::string_view text, int limit)
{
    std::string out;
    for (const char c : text)
        if (c >= '0' && c <= '9' && static_cast<int>(out.size()) < limit)
            out += c;
    return out;
}

int digitsValue(std::string_view digits)
{
    int v = 0;
    for (const char c : digits)
        v = v * 10 + (c - '0');
    return v;
}

} // namespace ksy
