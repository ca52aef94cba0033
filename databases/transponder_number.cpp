#include "databases/transponder_number.h"

#include "services/translate.h"

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
    return fillText(translate("Databases",
                        "Erreur: transpondeur « %1 » refusé. Un numéro de transpondeur s'écrit "
                        "avec 1 à 6 chiffres."),
        {typedUtf8});
}

std::string sharedTransponderWarning(std::string_view transponder, std::string_view otherName)
{
    return fillText(translate("Databases",
                        "Attention : le transpondeur %1 est déjà celui de %2 dans cette "
                        "catégorie."),
        {transponder, otherName});
}

} // namespace ksy
