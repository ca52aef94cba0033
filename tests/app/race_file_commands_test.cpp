#include "app/race_file_commands.h"
#include "storage/durable_io.h"
#include "storage/file_stream.h"
#include "storage/race_file.h"
#include "storage/redo_log.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

namespace ksy {
namespace {

using test::FakeFileChooser;
using test::FakePrompts;
using test::readFile;
using test::TempDir;
using test::writeFile;

struct RecordingView : RaceFileView {
    void showTitle(const std::string& t) override { title = t; }
    void setSaveEnabled(bool e) override { saveEnabled = e; }
    void resetBoard() override { ++boardResets; }
    void rebuildTree() override { ++treeBuilds; }
    bool storeShownHeat() override
    {
        ++heatStores;
        return heatStored;
    }
    std::string title = "Kestrametrix";
    bool saveEnabled = false;
    bool heatStored = true;
    int boardResets = 0, treeBuilds = 0, heatStores = 0;
};

std::string utf8(const std::filesystem::path& p)
{
    const auto u = p.u8string();
    return std::string(u.begin(), u.end());
}

class RaceFileCommandsTest : public ::testing::Test {
protected:
    RaceFileCommandsTest()
        : folder(dir.path())
        , commands(folder, race, prompts, files, view)
    {
        std::filesystem::create_directories(dir.path() / "Private");
        EXPECT_TRUE(createNewRaceFile(working(), race));
    }
    std::filesystem::path working() const { return workingRaceFile(folder); }
    // Makes the working race differ from a new one.
    void touchWorkingRace(const std::string& name)
    {
        race.renameCategory(1, name);
        ASSERT_TRUE(writeRaceHeader(working(), race.header));
    }

    TempDir dir;
    WorkFolder folder;
    Race race;
    FakePrompts prompts;
    FakeFileChooser files;
    RecordingView view;
    RaceFileCommands commands;
};

TEST_F(RaceFileCommandsTest, SaveAsAppendsTheExtensionNamesTheWindowAndEnablesSave)
{
    touchWorkingRace("Seniors");
    const std::string preset = utf8(dir.path() / "*.race");

    // Cancelled, or confirmed with the preset unchanged: nothing happens.
    files.choices = {std::nullopt, preset};
    commands.saveAs();
    commands.saveAs();
    EXPECT_EQ(files.saved, (std::vector<std::string> {preset, preset}));
    EXPECT_EQ(files.lastFilter.pattern, "*.race");
    EXPECT_EQ(files.lastFilter.description, "Fichier course (.race)");
    EXPECT_FALSE(commands.named());
    EXPECT_FALSE(view.saveEnabled);

    const std::string chosen = utf8(dir.path() / "Plage d'été");
    files.choices = {chosen};
    commands.saveAs();
    EXPECT_EQ(commands.fileName(), chosen + ".race");
    EXPECT_EQ(view.title, "Kestrametrix:   " + chosen + ".race");
    EXPECT_TRUE(view.saveEnabled);
    EXPECT_EQ(readFile(dir.path() / "Plage d'été.race"), readFile(working()));
    EXPECT_EQ(view.heatStores, 1);

    // ".race" anywhere in the name: nothing appended.
    const std::string inside = utf8(dir.path() / "x.race.bak");
    files.choices = {inside};
    commands.saveAs();
    EXPECT_EQ(commands.fileName(), inside);
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "x.race.bak"));
    EXPECT_TRUE(prompts.boxes.empty());
}

TEST_F(RaceFileCommandsTest, SaveWritesBackToTheNamedFileOnly)
{
    commands.save(); // unnamed: nothing, not even a dialog
    EXPECT_TRUE(files.saved.empty());
    EXPECT_EQ(view.heatStores, 0);

    const std::string loaded = utf8(dir.path() / "loaded.race");
    touchWorkingRace("Loaded");
    writeFile(dir.path() / "loaded.race", readFile(working()));
    files.choices = {loaded};
    prompts.answers = {Answer::No};
    commands.loadRace();
    ASSERT_EQ(commands.fileName(), loaded);

    touchWorkingRace("Changed after loading");
    commands.save();
    EXPECT_EQ(readFile(dir.path() / "loaded.race"), readFile(working()));
    EXPECT_NE(
        readFile(dir.path() / "loaded.race").find("Changed after loading"), std::string::npos);
}

TEST_F(RaceFileCommandsTest, AFailedSaveIsReportedAndDoesNotNameTheRace)
{
    // A "folder" that is a plain file can be written by nobody, root included.
    writeFile(dir.path() / "plain", "x");
    files.choices = {utf8(dir.path() / "plain" / "race.race")};
    commands.saveAs();
    ASSERT_EQ(prompts.boxes.size(), 1u);
    EXPECT_EQ(prompts.boxes[0].title, "Erreur");
    EXPECT_EQ(prompts.boxes[0].text,
        "Erreur: la sauvegarde a échoué\nFichier : " + utf8(dir.path() / "plain" / "race.race"));
    EXPECT_FALSE(commands.named());
    EXPECT_EQ(view.title, "Kestrametrix");

    // At quit the failure is told to the window, which then stays open.
    files.choices = {utf8(dir.path() / "plain" / "race.race")};
    EXPECT_FALSE(commands.saveBeforeQuit());
    EXPECT_TRUE(commands.saveBeforeQuit()); // a cancelled dialog is the person's choice
}

TEST_F(RaceFileCommandsTest, ARaceLackingAHeatItCouldNotStoreIsNotSaved)
{
    const auto target = dir.path() / "race.race";
    writeFile(target, "the race as saved before");
    files.choices = {utf8(target)};
    ASSERT_TRUE(commands.saveAs());
    ASSERT_EQ(readFile(target), readFile(working()));
    touchWorkingRace("Without its heat");

    view.heatStored = false;
    commands.save();
    EXPECT_EQ(readFile(target).find("Without its heat"), std::string::npos);
    ASSERT_EQ(prompts.boxes.size(), 1u);
    EXPECT_EQ(prompts.boxes[0].text.rfind(kSaveLacksHeat, 0), 0u);
    // At quit the window stays open.
    EXPECT_FALSE(commands.saveBeforeQuit());
    EXPECT_EQ(prompts.boxes.size(), 2u);

    // The disk took the heat at last: the save goes through, silently.
    view.heatStored = true;
    commands.save();
    EXPECT_NE(readFile(target).find("Without its heat"), std::string::npos);
    EXPECT_EQ(prompts.boxes.size(), 2u);
}

TEST_F(RaceFileCommandsTest, NewRaceFollowsTheAnswerToItsQuestion)
{
    touchWorkingRace("Old");
    const std::string before = readFile(working());

    prompts.answers = {Answer::Cancel};
    commands.newRace();
    EXPECT_EQ(readFile(working()), before);
    ASSERT_EQ(prompts.boxes.size(), 1u);
    EXPECT_EQ(prompts.boxes[0].title, "Attention");
    EXPECT_EQ(prompts.boxes[0].text,
        "Vous voulez commencer une nouvelle course!\n"
        "Souhaitez-vous sauvegarder la course en cours?");

    // Yes on an unnamed race whose save dialog is cancelled still starts anew.
    prompts.answers = {Answer::Yes};
    commands.newRace();
    EXPECT_EQ(files.saved.size(), 1u);
    EXPECT_EQ(readFile(working()), newRaceFileBytes());
    EXPECT_EQ(race.category(1).name, "CATEGORIE 1");
    EXPECT_EQ(view.title, "Kestrametrix");
    EXPECT_FALSE(view.saveEnabled);
    EXPECT_EQ(view.treeBuilds, 1);
    EXPECT_EQ(view.boardResets, 1);
}

TEST_F(RaceFileCommandsTest, NewRaceAnsweredYesSavesTheNamedRaceFirst)
{
    files.choices = {utf8(dir.path() / "first")};
    commands.saveAs();
    touchWorkingRace("Unsaved change");
    const std::string changed = readFile(working());

    prompts.answers = {Answer::Yes};
    commands.newRace();
    EXPECT_EQ(readFile(dir.path() / "first.race"), changed);
    EXPECT_FALSE(commands.named());
    EXPECT_EQ(readFile(working()), newRaceFileBytes());
}

TEST_F(RaceFileCommandsTest, ARaceWhoseSaveFailedIsNotReplaced)
{
    writeFile(dir.path() / "plain", "x");
    touchWorkingRace("Precious");
    const std::string precious = readFile(working());

    files.choices = {utf8(dir.path() / "plain" / "a")};
    prompts.answers = {Answer::Yes};
    commands.newRace();
    EXPECT_EQ(readFile(working()), precious);
    EXPECT_EQ(prompts.texts().back(),
        "Erreur: la sauvegarde a échoué\nFichier : " + utf8(dir.path() / "plain" / "a.race"));
    EXPECT_EQ(view.treeBuilds, 0);
}

TEST_F(RaceFileCommandsTest, LoadCopiesTheChosenFileAndLoadsItsRace)
{
    // A race with two categories, as another installation saved it.
    Race other;
    const auto otherFile = dir.path() / "other.race";
    ASSERT_TRUE(createNewRaceFile(otherFile, other));
    other.addCategory();
    other.renameCategory(2, "Mini");
    ASSERT_TRUE(writeRaceHeader(otherFile, other.header));

    files.choices = {std::nullopt};
    commands.loadRace(); // cancelled: no question either
    EXPECT_TRUE(prompts.boxes.empty());
    EXPECT_EQ(files.opened, std::vector<std::string> {utf8(dir.path())});

    // A file that is not a race is named and replaces nothing.
    touchWorkingRace("Kept");
    const std::string before = readFile(working());
    writeFile(dir.path() / "notes.race", "");
    files.choices = {utf8(dir.path() / "notes.race")};
    commands.loadRace();
    ASSERT_EQ(prompts.boxes.size(), 1u);
    EXPECT_EQ(prompts.boxes[0].text,
        "Erreur: le fichier " + utf8(dir.path() / "notes.race") +
            " n'est pas une course valide (la première ligne ne commence pas par un nombre); "
            "la course en cours est conservée");
    EXPECT_EQ(readFile(working()), before);

    files.choices = {utf8(otherFile)};
    prompts.answers = {Answer::No};
    commands.loadRace();
    ASSERT_EQ(prompts.boxes.size(), 2u);
    EXPECT_EQ(prompts.boxes[1].text, "Souhaitez-vous sauvegarder la course en cours?");
    EXPECT_EQ(readFile(working()), readFile(otherFile));
    EXPECT_EQ(race.categoryCount(), 2);
    EXPECT_EQ(race.category(2).name, "Mini");
    EXPECT_EQ(view.title, "Kestrametrix:   " + utf8(otherFile));
    EXPECT_TRUE(view.saveEnabled);
    EXPECT_EQ(view.treeBuilds, 1);

    // An untouched new race is not worth a question.
    commands.newRace();
    const std::size_t boxes = prompts.boxes.size();
    files.choices = {utf8(otherFile)};
    commands.loadRace();
    EXPECT_EQ(prompts.boxes.size(), boxes);
    EXPECT_EQ(race.category(2).name, "Mini");
}

TEST_F(RaceFileCommandsTest, QuittingSavesANamedRaceWithoutADialog)
{
    commands.saveBeforeQuit(); // unnamed: the save-as dialog
    EXPECT_EQ(files.saved.size(), 1u);

    files.choices = {utf8(dir.path() / "q.race")};
    commands.saveAs();
    touchWorkingRace("Last change");
    commands.saveBeforeQuit();
    EXPECT_EQ(files.saved.size(), 2u);
    EXPECT_EQ(readFile(dir.path() / "q.race"), readFile(working()));
}

} // namespace
TEST_F(RaceFileCommandsTest, ALogLeftBesideTheReplacedRaceIsSaidOnceAndNeverReachesTheLoadedOne)
{
    const std::string other = readFile(working());
    const auto chosen = dir.path() / "jour2.race";
    touchWorkingRace("Jour 2");
    std::filesystem::copy_file(working(), chosen);
    const std::string loaded = readFile(chosen);
    writeFile(working(), other);
    {
        const auto scratch = dir.path() / "autre" / "Course.race";
        std::filesystem::create_directories(scratch.parent_path());
        writeFile(scratch, std::string(4000, 'x'));
        auto f = FileStream::open(scratch, OpenMode::Update);
        ASSERT_TRUE(f);
        // Left in the log by a flush that fails, then moved beside the
        // working race.
        struct FlushFails : DurableIo {
            bool syncFile(const std::filesystem::path& p) override
            {
                return p.extension() == ".redo";
            }
            bool syncFolder(const std::filesystem::path&) override { return true; }
        } io;
        installDurableIo(&io);
        f->seek(100);
        ASSERT_TRUE(f->write("yyyy"));
        ASSERT_TRUE(f->close());
        installDurableIo(nullptr);
        writeFile(redoLogPath(working()), readFile(redoLogPath(scratch)));
        forgetRedoLog(scratch);
    }
    ASSERT_GT(std::filesystem::file_size(redoLogPath(working())), 8u);

    commands.loadRaceFile(utf8(chosen));
    int said = 0;
    for (const auto& box : prompts.boxes)
        said += box.text.find("le journal des écritures inachevées") != std::string::npos;
    EXPECT_EQ(said, 1);
    EXPECT_TRUE(readFile(working()) == loaded);
    EXPECT_EQ(std::filesystem::file_size(redoLogPath(working())), 0u);
}

} // namespace ksy
