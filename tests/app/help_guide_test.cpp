// "Aide" opens the guide in the interface's language, and the French one
// when the working folder has no other (a folder seeded by an older version).
#include "app/help_guide.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

namespace ksy {
namespace {

TEST(HelpGuide, FollowsTheLanguageAndFallsBackOnFrench)
{
    test::TempDir dir;
    const WorkFolder folder(dir.path());
    std::filesystem::create_directories(folder.file("Guides"));
    const auto french = folder.file("Guides/HelpSandYachtingFR.pdf");
    const auto english = folder.file("Guides/HelpSandYachtingEN.pdf");
    test::writeFile(french, "%PDF");
    EXPECT_EQ(helpGuideFile(folder, InterfaceLanguage::English), french);
    test::writeFile(english, "%PDF");
    EXPECT_EQ(helpGuideFile(folder, InterfaceLanguage::English), english);
    EXPECT_EQ(helpGuideFile(folder, InterfaceLanguage::French), french);
}

} // namespace
} // namespace ksy
