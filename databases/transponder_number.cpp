#include "databases/transponder_number.h"

#include <algorithm>

namespace ksy {

std::optional<std::string> transponderNumber(std::string_view typed)
{
    if (typed.size() > kTransponderDigits ||
        !std::ranges::all_of(typed, [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    if (typed.empty())
        return std::string();
    return std::string(kTransponderDigits - typed.size(), '0') + std::string(typed);
}

std::string transponderRefusal(std::string_view typedUtf8)
{
    return "Erreur: transpondeur « " + std::string(typedUtf8) +
        " » refusé. Un numéro de transpondeur s'écrit avec 1 à 6 chiffres.";
}

std::string sharedTransponderWarning(std::string_view transponder, std::string_view otherName)
{
    return "Attention : le transpondeur " + std::string(transponder) + " est déjà celui de " +
        std::string(otherName) + " dans cette catégorie.";
}

} // namespace ksy
