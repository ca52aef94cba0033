#include "results/shown_heading.h"
#include "services/translate.h"

#include <gtest/gtest.h>
#include <string_view>

namespace ksy {
namespace {

std::string fakeEnglish(const char* context, const char* french)
{
    const std::string_view text(french);
    if (std::string_view(context) != "Reports")
        return french;
    if (text == "Manche%1 - S\xC3\xA9rie%2")
        return "Round %1 - Heat %2";
    if (text == "CATEGORIE : %1")
        return "CATEGORY: %1";
    if (text == "Course : %1")
        return "Race: %1";
    return french;
}

// The heat's headings are stored in French (Windows-1252): shown in French
// they are the same words in UTF-8; in another language only the program's
// own words change, never the names inside.
TEST(ShownHeading, TranslatesTheProgramsWordsAndKeepsTheNames)
{
    EXPECT_EQ(shownHeading("CATEGORIE : Cadets \xE9t\xE9"), "CATEGORIE : Cadets \xC3\xA9t\xC3\xA9");
    EXPECT_EQ(shownHeading(" Classe 5 - Manche1 - S\xE9rie12  : Jean"),
        " Classe 5 - Manche1 - S\xC3\xA9rie12  : Jean");
    EXPECT_EQ(shownHeading("Manche %1"), "Manche %1");

    installTextTranslator(&fakeEnglish);
    EXPECT_EQ(shownHeading("CATEGORIE : Cadets \xE9t\xE9"), "CATEGORY: Cadets \xC3\xA9t\xC3\xA9");
    EXPECT_EQ(shownHeading("Course : Grand Prix - Plage"), "Race: Grand Prix - Plage");
    EXPECT_EQ(shownHeading("Manche2 - S\xE9rie3"), "Round 2 - Heat 3");
    EXPECT_EQ(shownHeading(" Manche %2 - Manche1 - S\xE9rie12  : %1"),
        " Manche %2 - Round 1 - Heat 12  : %1");
    EXPECT_EQ(shownHeading(" Classe 5 - Manche1 - S\xE9rie12  : Manche2 - S\xE9rie3"),
        " Classe 5 - Round 1 - Heat 12  : Manche2 - S\xC3\xA9rie3");
    installTextTranslator(nullptr);
}

} // namespace
} // namespace ksy
