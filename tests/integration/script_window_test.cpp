// A script drives the real program only through what its window offers: it
// lists the commands as shown, refuses what is not offered and takes a
// picture of the window.
#include "e2e_support.h"
#include "support/fakes.h"

#include <QImage>
#include <gtest/gtest.h>

namespace ksy {
namespace {

TEST(ScriptWindow, ListsWhatIsOfferedRefusesTheRestAndTakesAPicture)
{
    test::TempDir dir;
    const WorkFolder work(dir.path() / "w");
    const auto shot = dir.path() / "fenetre.png";
    const test::ScriptedRun run = test::runScripted(work,
        {"menus", "command 1054", "select 11000", "menus", "command 1001", "wait 300",
            "shot " + shot.string(), "quit"},
        nullptr, 30000);
    ASSERT_TRUE(run.finished) << run.errors;
    const std::string& e = run.errors;

    // From the first frame: the settings dialogs and the category's menu.
    const auto first = e.find("script: menu 1013 1 Sons\n");
    EXPECT_NE(first, std::string::npos) << e;
    EXPECT_NE(e.find("script: menu 1014 1 Affichage\n"), std::string::npos) << e;
    EXPECT_NE(e.find("script: menu 1003 0 Enregistrer\n"), std::string::npos) << e;
    EXPECT_NE(e.find("script: menu 1051 1 Nouvelle catégorie\n"), std::string::npos) << e;
    // No heat is loaded yet: "Depart" has nothing to start.
    EXPECT_NE(e.find("script: menu 2001 0 Depart\n"), std::string::npos) << e;
    EXPECT_NE(e.find("script: menu 2105 0 Scan\n"), std::string::npos) << e;
    // "Liste participants" only once its item is selected.
    const auto refused = e.find("script: refused 1054\n");
    const auto listed = e.find("script: menu 1054 1 Liste participants\n");
    ASSERT_NE(refused, std::string::npos) << e;
    ASSERT_NE(listed, std::string::npos) << e;
    EXPECT_LT(refused, listed);
    EXPECT_EQ(e.find("script: refused 1001"), std::string::npos) << e;

    QImage picture(QString::fromStdString(shot.string()));
    ASSERT_FALSE(picture.isNull());
    EXPECT_GT(picture.width(), 400);
}

} // namespace
} // namespace ksy
