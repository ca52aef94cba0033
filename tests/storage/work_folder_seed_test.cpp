#include "storage/work_folder_seed.h"
#include "support/fakes.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace ksy;
using ksy::test::readFile;
using ksy::test::TempDir;
using ksy::test::writeFile;

namespace {

// A small stand-in for the shipped data folder.
void makeData(const WorkFolder& data)
{
    writeFile(data.file("BaseDonnéesPays.bd"), "France\n");
    writeFile(data.file("Private/RéglagesAffichage.rgsc"), "1\t\n");
    writeFile(data.file("sons/un.wav"), "RIFF-un");
    writeFile(data.file("images/logo.bmp"), "BM-logo");
    writeFile(data.file("images/README.md"), "# images\n");
    writeFile(data.file("Guides/HelpSandYachtingFR.md"), "# Guide\n");
    writeFile(data.file("Guides/HelpSandYachtingFR.pdf"), "%PDF");
    writeFile(data.file(".gitattributes"), "* -text\n");
}

bool contains(const std::vector<std::string>& names, const std::string& name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace

TEST(WorkFolderSeed, CopiesNestedFoldersIntoAFreshFolderButNotTheSources)
{
    TempDir tmp;
    const WorkFolder data(tmp.path() / "data");
    const WorkFolder work(tmp.path() / "work" / "Kestrametrix Sand Yachting");
    makeData(data);

    const SeedResult result = seedWorkFolder(data.root(), work);

    EXPECT_TRUE(result.ok);
    EXPECT_TRUE(result.failed.empty());
    EXPECT_EQ(result.copied.size(), 5u);
    EXPECT_TRUE(contains(result.copied, "Private/RéglagesAffichage.rgsc"));
    EXPECT_EQ(readFile(work.file("Private/RéglagesAffichage.rgsc")), "1\t\n");
    EXPECT_EQ(readFile(work.file("BaseDonnéesPays.bd")), "France\n");
    EXPECT_EQ(readFile(work.file("sons/un.wav")), "RIFF-un");
    EXPECT_EQ(readFile(work.file("images/logo.bmp")), "BM-logo");
    EXPECT_EQ(readFile(work.file("Guides/HelpSandYachtingFR.pdf")), "%PDF");
    EXPECT_FALSE(std::filesystem::exists(work.file("images/README.md")));
    EXPECT_FALSE(std::filesystem::exists(work.file("Guides/HelpSandYachtingFR.md")));
    EXPECT_FALSE(std::filesystem::exists(work.file(".gitattributes")));
    EXPECT_FALSE(std::filesystem::exists(work.file("sons/un.wav.seeding")));
}

TEST(WorkFolderSeed, NeverOverwritesWhatTheOfficialAlreadyHas)
{
    TempDir tmp;
    const WorkFolder data(tmp.path() / "data");
    const WorkFolder work(tmp.path() / "work");
    makeData(data);
    writeFile(work.file("Private/RéglagesAffichage.rgsc"), "0\tmy theme\n");
    writeFile(work.file("sons/un.wav"), "my own voice");

    const SeedResult first = seedWorkFolder(data.root(), work);
    EXPECT_TRUE(first.ok);
    EXPECT_EQ(first.copied.size(), 3u);
    EXPECT_FALSE(contains(first.copied, "sons/un.wav"));
    EXPECT_EQ(readFile(work.file("Private/RéglagesAffichage.rgsc")), "0\tmy theme\n");
    EXPECT_EQ(readFile(work.file("sons/un.wav")), "my own voice");
    EXPECT_EQ(readFile(work.file("images/logo.bmp")), "BM-logo");

    // A later start finds everything in place and copies nothing, even a file
    // the official emptied on purpose.
    writeFile(work.file("BaseDonnéesPays.bd"), "");
    const SeedResult second = seedWorkFolder(data.root(), work);
    EXPECT_TRUE(second.ok);
    EXPECT_TRUE(second.copied.empty());
    EXPECT_EQ(readFile(work.file("BaseDonnéesPays.bd")), "");
}

TEST(WorkFolderSeed, ReportsWhatCouldNotBeSeededAndSeedsTheRest)
{
    TempDir tmp;
    const WorkFolder data(tmp.path() / "data");
    const WorkFolder work(tmp.path() / "work");
    makeData(data);
    // A file where the sounds folder should be: nothing can go under it.
    writeFile(work.file("sons"), "not a folder");

    const SeedResult result = seedWorkFolder(data.root(), work);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(contains(result.failed, "sons"));
    EXPECT_TRUE(contains(result.failed, "sons/un.wav"));
    EXPECT_EQ(readFile(work.file("sons")), "not a folder");
    EXPECT_EQ(readFile(work.file("images/logo.bmp")), "BM-logo");
    EXPECT_EQ(readFile(work.file("Private/RéglagesAffichage.rgsc")), "1\t\n");

    const SeedResult noData = seedWorkFolder(tmp.path() / "missing", work);
    EXPECT_FALSE(noData.ok);
    EXPECT_EQ(noData.failed.size(), 1u);
    EXPECT_TRUE(noData.copied.empty());
}
