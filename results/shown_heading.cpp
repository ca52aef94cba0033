#include "results/shown_heading.h"

#include "services/translate.h"
#include "storage/encoding.h"

#include <cstdio>
#include <string_view>

namespace ksy {

std::string shownHeading(const std::string& cp1252Heading)
{
    constexpr std::string_view category = "CATEGORIE : ";
    constexpr std::string_view course = "Course : ";
    const std::string text = cp1252ToUtf8(cp1252Heading);
    const std::string_view view(text);
    if (view.starts_with(category))
        return fillText(translate("Reports", "CATEGORIE : %1"), {view.substr(category.size())});
    if (view.starts_with(course))
        return fillText(translate("Reports", "Course : %1"), {view.substr(course.size())});
    // "Manche<r> - Série<h>", alone or inside " <category> - Manche1 - Série2 : <pilot>".
    for (std::size_t at = view.find("Manche"); at != std::string_view::npos;
         at = view.find("Manche", at + 1)) {
        int round = 0;
        int heat = 0;
        int used = 0;
        if (std::sscanf(text.c_str() + at, "Manche%d - S\xC3\xA9rie%d%n", &round, &heat, &used) ==
            2)
            return text.substr(0, at) +
                fillText(translate("Reports", "Manche%1 - Série%2"),
                    {std::to_string(round), std::to_string(heat)}) +
                text.substr(at + static_cast<std::size_t>(used));
    }
    return text;
}

} // namespace ksy
