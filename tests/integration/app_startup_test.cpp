// The real program, started headless and unattended on a temporary working
// folder, ended by its own --quit-after close request.
#include "storage/race_file.h"
#include "support/fakes.h"

#include <QDir>
#include <QProcess>
#include <QStringList>
#include <gtest/gtest.h>

namespace ksy {
namespace {

using test::readFile;
using test::TempDir;

struct ProgramRun {
    int exitCode = -1;
    QStringList boxes; // stderr lines written for message boxes and questions
};

// Lines of the program's own boxes; Qt's diagnostics are left out.
bool isBoxLine(const QString& line)
{
    for (const char* title :
        {"Message Important: ", "Attention: ", "Erreur: ", "Message: ", "Kestrametrix: "})
        if (line.startsWith(QString::fromUtf8(title)))
            return true;
    return false;
}

ProgramRun runProgram(const std::filesystem::path& workDir, int quitAfterMs = 600,
    const std::filesystem::path& runtimeParent = {})
{
    const auto runtime =
        (runtimeParent.empty() ? workDir.parent_path() : runtimeParent) / "runtime";
    std::filesystem::create_directories(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    QProcess p;
    auto env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime.string()));
    p.setProcessEnvironment(env);
    p.start(KSY_APP_PATH,
        {"--workdir", QString::fromStdString(workDir.string()), "--unattended", "--quit-after",
            QString::number(quitAfterMs)});
    ProgramRun run;
    if (!p.waitForFinished(30000)) {
        p.kill();
        p.waitForFinished();
        ADD_FAILURE() << "the program did not end by itself";
        return run;
    }
    run.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    for (const QString& line : QString::fromUtf8(p.readAllStandardError()).split('\n'))
        if (isBoxLine(line))
            run.boxes << line;
    return run;
}

const char* const kNoDecoder = "Message: Echec à l'ouverture du port COM";

TEST(AppStartup, AFreshFolderIsSeededAndGetsANewRaceWithOnlyTheNotice)
{
    TempDir dir;
    const auto work = dir.path() / "Kestrametrix Sand Yachting";
    const ProgramRun run = runProgram(work);
    EXPECT_EQ(run.exitCode, 0);

    // Without a decoder, the port box: nothing else (a new race never changed
    // is not offered to be saved; the Windows 11 printing notice is for
    // Windows only).
    QStringList expected;
    QStringList boxes = run.boxes;
    boxes.removeIf([](const QString& b) { return b.startsWith(QString::fromUtf8(kNoDecoder)); });
    EXPECT_EQ(boxes, expected) << boxes.join('\n').toStdString();

    const std::string race = readFile(work / "Private" / "Course.race");
    EXPECT_EQ(race.substr(0, 32), "10000\t1\tCATEGORIE 1\t0\t0\t0\t0\t0\t0\t");
    EXPECT_EQ(race, newRaceFileBytes());
    EXPECT_FALSE(std::filesystem::exists(work / "PcCrashRace.race"));
    EXPECT_TRUE(std::filesystem::exists(work / "Private" / "R\xC3\xA9glagesAffichage.rgsc"));
    EXPECT_TRUE(std::filesystem::exists(work / "images" / "res_19_tree_course.png"));

    std::string emptySlots;
    for (int i = 0; i < 20; ++i)
        emptySlots += "(NA)\t0\t\n";
    const std::string detail = readFile(work / "DetailResultats.res");
    EXPECT_EQ(detail.substr(detail.find('\n') + 1), emptySlots);
}

TEST(AppStartup, ACrashedRaceSurvivesASecondStart)
{
    TempDir dir;
    const auto work = dir.path() / "w";
    ASSERT_EQ(runProgram(work).exitCode, 0);

    // The program died with a race in its working file.
    Race crashed;
    const auto working = work / "Private" / "Course.race";
    ASSERT_TRUE(createNewRaceFile(working, crashed));
    crashed.addCategory();
    crashed.renameCategory(2, "Seniors");
    ASSERT_TRUE(writeRaceHeader(working, crashed.header));
    const std::string crashedBytes = readFile(working);

    ASSERT_EQ(runProgram(work).exitCode, 0);
    EXPECT_EQ(readFile(work / "PcCrashRace.race"), crashedBytes);
    EXPECT_EQ(readFile(working), newRaceFileBytes());

    // Started again before anyone loaded it: the untouched new working race
    // must not replace the crashed one.
    ASSERT_EQ(runProgram(work).exitCode, 0);
    EXPECT_EQ(readFile(work / "PcCrashRace.race"), crashedBytes);
}

TEST(AppStartup, AnUnusableFolderOrSettingsFileIsSaidOnce)
{
    TempDir dir;
    // A working folder below a plain file can be made by nobody, root included.
    test::writeFile(dir.path() / "plain", "x");
    const ProgramRun blocked = runProgram(dir.path() / "plain" / "w", 600, dir.path());
    EXPECT_EQ(blocked.exitCode, 1);
    ASSERT_EQ(blocked.boxes.size(), 1) << blocked.boxes.join('\n').toStdString();
    EXPECT_TRUE(blocked.boxes[0].startsWith("Erreur: Erreur: le dossier de travail"));

    // Interface settings that cannot be read: one box, not one per reading.
    const auto work = dir.path() / "w";
    ASSERT_EQ(runProgram(work).exitCode, 0);
    const auto settings = work / "R\xC3\xA9glagesInterface2.rg";
    std::filesystem::remove(settings);
    std::filesystem::create_directory(settings);
    const ProgramRun run = runProgram(work);
    EXPECT_EQ(run.boxes.filter("Interface Port COM").size(), 1)
        << run.boxes.join('\n').toStdString();
}

} // namespace
} // namespace ksy
