#pragma once
// Headings the heat composes in French and keeps in its files
// ("CATEGORIE : Classe 5", "Manche1 - Série1", "Course : Nom - Plage"),
// shown on screen and on paper in the official's words. The files keep
// the French bytes; only what is shown changes.
#include <string>

namespace ksy {

// The heading (Windows-1252, as stored) in UTF-8, its own words translated;
// names inside it are left as they are.
std::string shownHeading(const std::string& cp1252Heading);

} // namespace ksy
