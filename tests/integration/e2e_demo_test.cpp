// "kestrametrix --demo": the demo race and the simulated decoder, whose
// passings reach the first heat once "Depart" is pressed.
#include "e2e_support.h"
#include "storage/race_file.h"
#include "support/fakes.h"
#include "timing/heat_journal.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace ksy {
namespace {

TEST(Demo, StartsWithTheDemoRaceAndFeedsPassingsToAHeat)
{
    test::TempDir dir;
    const WorkFolder work(dir.path() / "demo");
    const auto script = dir.path() / "script.txt";
    test::writeFile(
        script, "select 13101\nwait 200\ncommand 2001\nwait 11000\ncommand 2002\nwait 200\nquit\n");
    QProcess app;
    auto env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    app.setProcessEnvironment(env);
    app.start(KSY_APP_PATH,
        {"--demo", "--workdir", QString::fromStdString(work.root().string()), "--unattended",
            "--script", QString::fromStdString(script.string())});
    ASSERT_TRUE(app.waitForFinished(60000));
    const std::string errors = app.readAllStandardError().toStdString();
    EXPECT_NE(errors.find("Interface Kestrametrix RC2 connect"), std::string::npos) << errors;

    Race race;
    ASSERT_TRUE(loadRace(workingRaceFile(work), race));
    ASSERT_EQ(race.categoryCount(), 2);
    EXPECT_EQ(race.category(1).participants + race.category(2).participants, 24);
    EXPECT_EQ(race.category(1).rounds, 2);
    const std::string journal = test::readFile(work.file(kHeatJournalFile));
    EXPECT_NE(journal.find("\tpassing\t20101\t"), std::string::npos) << journal;
    HeatFlags flags;
    ASSERT_TRUE(readHeatFlags(workingRaceFile(work), flags));
    EXPECT_EQ(flags.get(1, 1, 1), 1);
}

} // namespace
} // namespace ksy
