// The real program, headless, against the simulated decoder: start-up
// identification, the settings file and the keep-alive seen on the wire.
#include "decoder_sim_process.h"
#include "support/fakes.h"
#include "timing/interface_settings.h"

#include <QElapsedTimer>
#include <QProcess>
#include <gtest/gtest.h>

namespace ksy {
namespace {

TEST(DecoderInTheProgram, StartsOnAnRc2AndKeepsItsLinkAlive)
{
    test::TempDir dir;
    const WorkFolder folder(dir.path() / "work");
    const std::string link = (dir.path() / "decoder").string();
    test::SimProcess sim({"--model", "rc2", "--link", QString::fromStdString(link)});
    ASSERT_TRUE(sim.started());
    test::writeFile(folder.file(kInterfaceSettingsFile), link + "\t0\tKestrametrix\n");

    QProcess app;
    app.start(KSY_APP_PATH, {"--workdir", QString::fromStdString(folder.root().string()),
                             "--unattended", "--quit-after", "1500"});
    ASSERT_TRUE(app.waitForStarted(5000));
    QElapsedTimer t;
    t.start();
    while (app.state() != QProcess::NotRunning && t.elapsed() < 30000) {
        app.waitForFinished(10);
        sim.pump(10);
    }
    ASSERT_EQ(app.state(), QProcess::NotRunning);
    sim.pump(50);
    const std::string errors = app.readAllStandardError().toStdString();

    EXPECT_EQ(test::readFile(folder.file(kInterfaceSettingsFile)),
              link + "\t1\tKestrametrixRC2\n");
    EXPECT_NE(errors.find("Message: Interface Kestrametrix RC2 connectée"), std::string::npos)
        << errors;
    EXPECT_EQ(sim.count("recv IdentifyRequest"), 1);
    EXPECT_GE(sim.count("recv KeepAlive"), 2);
}

TEST(DecoderInTheProgram, StartsWithoutADecoderAfterOneBox)
{
    test::TempDir dir;
    const WorkFolder folder(dir.path() / "work");
    test::writeFile(folder.file(kInterfaceSettingsFile),
                    (dir.path() / "nothing-here").string() + "\t1\tKestrametrixRC2\n");
    QProcess app;
    app.start(KSY_APP_PATH, {"--workdir", QString::fromStdString(folder.root().string()),
                             "--unattended", "--quit-after", "300"});
    ASSERT_TRUE(app.waitForFinished(30000));
    const std::string errors = app.readAllStandardError().toStdString();
    EXPECT_NE(errors.find("Message: Echec à l'ouverture du port COM"), std::string::npos) << errors;
    EXPECT_EQ(test::readFile(folder.file(kInterfaceSettingsFile)),
              (dir.path() / "nothing-here").string() + "\t0\tKestrametrix\n");
}

} // namespace
} // namespace ksy
