// The real program against what an official meets: a second click on its
// icon, a logout, a crash copy that cannot be written, a damaged settings
// file. After each, the race that was there must still be whole and every
// failure said in French.
#include "display/display_settings.h"
#include "display/display_settings_check.h"
#include "platform/folder_lock.h"
#include "storage/race_file.h"
#include "support/fakes.h"

#include <QProcess>
#include <QStringList>
#include <gtest/gtest.h>
#include <unistd.h>

namespace ksy {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

// The program started on `work`, unattended and headless.
class Program {
public:
    explicit Program(const std::filesystem::path& work, int quitAfterMs = 60000)
    {
        const auto runtime = work.parent_path() / "runtime";
        std::filesystem::create_directories(runtime);
        std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
        auto env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime.string()));
        process_.setProcessEnvironment(env);
        process_.setReadChannel(QProcess::StandardError);
        process_.start(KSY_APP_PATH,
            {"--workdir", QString::fromStdString(work.string()), "--unattended", "--quit-after",
                QString::number(quitAfterMs)});
    }
    ~Program()
    {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished();
        }
    }

    // Waits until the window is up: without a decoder, the failed opening of
    // the port is the last box of the start.
    bool waitUntilUp()
    {
        while (!errors_.contains("Echec à l'ouverture du port COM")) {
            if (!process_.waitForReadyRead(30000))
                return false;
            errors_ += QString::fromUtf8(process_.readAllStandardError());
        }
        return true;
    }
    // Waits for the end; the exit code, or -1 for a crash or a hang.
    int finish()
    {
        if (!process_.waitForFinished(30000)) {
            ADD_FAILURE() << "the program did not end";
            return -1;
        }
        errors_ += QString::fromUtf8(process_.readAllStandardError());
        return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
    }
    void signal(int number) { ::kill(static_cast<pid_t>(process_.processId()), number); }
    qint64 pid() const { return process_.processId(); }
    // The program's box lines.
    QStringList boxes() const
    {
        QStringList lines;
        for (const QString& line : errors_.split('\n'))
            if (line.contains(": ") && !line.startsWith("QStandardPaths"))
                lines << line;
        return lines;
    }
    bool said(const std::string& utf8) const
    {
        return errors_.contains(QString::fromStdString(utf8));
    }

private:
    QProcess process_;
    QString errors_;
};

std::string previousRace(const std::filesystem::path& work)
{
    Race race;
    const auto working = work / "Private" / "Course.race";
    std::filesystem::create_directories(working.parent_path());
    EXPECT_TRUE(createNewRaceFile(working, race));
    race.addCategory();
    race.renameCategory(2, "Seniors");
    EXPECT_TRUE(writeRaceHeader(working, race.header));
    return readFile(working);
}

TEST(FolderLock, OneOwnerAtATimeAndAStaleFileIsTakenOver)
{
    TempDir dir;
    auto first = FolderLock::acquire(dir.path());
    ASSERT_EQ(first->status(), FolderLock::Status::Locked);
    EXPECT_EQ(readFile(first->file()), std::to_string(getpid()) + "\n");
    auto second = FolderLock::acquire(dir.path());
    EXPECT_EQ(second->status(), FolderLock::Status::HeldByOther);
    EXPECT_EQ(second->ownerPid(), getpid());
    second.reset();
    first.reset();
    EXPECT_FALSE(std::filesystem::exists(dir.path() / kFolderLockFile));

    // A crashed owner leaves its file, but no lock on it.
    writeFile(dir.path() / kFolderLockFile, "999999\n");
    EXPECT_EQ(FolderLock::acquire(dir.path())->status(), FolderLock::Status::Locked);

    // A folder in the way, a folder that is not there: refused, said in French.
    std::filesystem::create_directory(dir.path() / kFolderLockFile);
    auto blocked = FolderLock::acquire(dir.path());
    EXPECT_EQ(blocked->status(), FolderLock::Status::Failed);
    EXPECT_EQ(blocked->failure(), "un dossier porte le nom du fichier de verrou");
    EXPECT_EQ(FolderLock::acquire(dir.path() / "absent")->failure(),
        "le dossier de travail n'existe pas");
}

TEST(AppRobustness, ASecondInstanceTouchesNothingAndTheFirstEndsCleanlyOnSigterm)
{
    TempDir dir;
    const auto work = dir.path() / "w";
    const std::string previous = previousRace(work);
    Program first(work);
    ASSERT_TRUE(first.waitUntilUp());
    const std::string working = readFile(work / "Private" / "Course.race");
    const std::string crashCopy = readFile(work / "PcCrashRace.race");
    EXPECT_EQ(crashCopy, previous);

    Program second(work);
    EXPECT_EQ(second.finish(), 1);
    EXPECT_EQ(second.boxes(),
        QStringList {QString::fromStdString(
            "Kestrametrix: Kestrametrix est déjà lancé sur le dossier de travail\\n" +
            work.string() + "\\n(processus " + std::to_string(first.pid()) +
            ").\\nUtilisez la fenêtre déjà ouverte.")});
    EXPECT_EQ(readFile(work / "Private" / "Course.race"), working);
    EXPECT_EQ(readFile(work / "PcCrashRace.race"), crashCopy);

    // A logout: the race kept as on "Quitter", without the question.
    first.signal(SIGTERM);
    EXPECT_EQ(first.finish(), 0);
    EXPECT_FALSE(first.said("Vous voulez quitter"));
    EXPECT_FALSE(std::filesystem::exists(work / kFolderLockFile));
    EXPECT_TRUE(std::filesystem::exists(work / "DetailResultats.res"));

    // So the next start is not taken for a crash; Ctrl-C ends it the same way.
    Program next(work);
    ASSERT_TRUE(next.waitUntilUp());
    next.signal(SIGINT);
    EXPECT_EQ(next.finish(), 0);
    EXPECT_FALSE(next.said("Récupération"));
}

TEST(AppRobustness, AFailedCrashCopyKeepsThePreviousRaceAsTheWorkingRace)
{
    TempDir dir;
    const auto work = dir.path() / "w";
    const std::string previous = previousRace(work);
    std::filesystem::create_directories(work / "PcCrashRace.race");
    Program run(work, 300);
    EXPECT_EQ(run.finish(), 0);
    EXPECT_EQ(run.boxes().filter("PcCrashRace.race").size(), 1);
    EXPECT_TRUE(run.said("Erreur: impossible de copier la course précédente dans "
                         "PcCrashRace.race.\\nLa course précédente reste la course en cours"));
    EXPECT_EQ(readFile(work / "Private" / "Course.race"), previous);
}

TEST(AppRobustness, ADamagedDisplaySettingsFileIsSaidAndReplacedByTheShippedTheme)
{
    TempDir dir;
    const auto work = dir.path() / "w";
    const auto file = work / "Private" / u8"RéglagesAffichage.rgsc";
    // A disk that filled up while the settings were written.
    const std::string shipped = formatDisplaySettings(shippedDisplaySettings());
    writeFile(file, shipped.substr(0, shipped.find("700\t")));
    Program run(work, 300);
    EXPECT_EQ(run.finish(), 0);
    const auto u8 = file.u8string();
    EXPECT_TRUE(
        run.said("Erreur: le fichier Réglage Affichage " + std::string(u8.begin(), u8.end()) +
            " est endommagé (le fichier s'arrête à la ligne 3 sur 11).\\nLe thème d'origine est "
            "utilisé."));
    EXPECT_EQ(readFile(file), shipped);
}

} // namespace
} // namespace ksy
