#include "reports/report_export.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

using namespace ksy;
using ksy::test::FakePrompts;
using ksy::test::readFile;
using ksy::test::TempDir;

namespace {

class ScriptedChooser : public FileChooser {
public:
    std::optional<std::string> answer;
    std::string preset;
    std::optional<std::string> openFile(const std::string&, const FileFilter&) override
    {
        return std::nullopt;
    }
    std::optional<std::string> saveFile(
        const std::string& presetName, const FileFilter& filter) override
    {
        preset = presetName;
        EXPECT_EQ(filter.description, "Fichier texte (.txt)");
        EXPECT_EQ(filter.pattern, "*.txt");
        return answer;
    }
};

} // namespace

TEST(ReportExport, NameRules)
{
    const std::string preset = exportPresetName("/home/u");
#ifndef _WIN32
    EXPECT_EQ(preset, "/home/u/KESTRAMETRIX/*.txt");
#endif
    EXPECT_EQ(exportFileName(std::nullopt, preset), std::nullopt);
    EXPECT_EQ(exportFileName(preset, preset), std::nullopt);
    EXPECT_EQ(exportFileName("/tmp/*.txt", preset), std::nullopt);
    EXPECT_EQ(exportFileName("/tmp/classement", preset), "/tmp/classement.txt");
    EXPECT_EQ(exportFileName("/tmp/classement.TXT", preset), "/tmp/classement.TXT.txt");
    EXPECT_EQ(exportFileName("/tmp/mytxtfile.csv", preset), "/tmp/mytxtfile.csv");
    EXPECT_EQ(exportFileName("/tmp/a.txt", preset), "/tmp/a.txt");
}

TEST(ReportExport, WritesTheLinesOrNothing)
{
    TempDir dir;
    FakePrompts prompts;
    ScriptedChooser chooser;
    const std::string preset = exportPresetName(dir.path().string());
    const std::string content = "CATEGORIE\tA\t\n1\tDurand\t\n";

    chooser.answer = preset; // left as "*.txt"
    EXPECT_FALSE(exportText(chooser, prompts, preset, content));
    EXPECT_EQ(chooser.preset, preset);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));

    chooser.answer = (dir.path() / "manche1").string();
    ASSERT_TRUE(exportText(chooser, prompts, preset, content));
    EXPECT_EQ(readFile(dir.path() / "manche1.txt"), content);
    // An existing file is truncated, not appended to.
    ASSERT_TRUE(exportText(chooser, prompts, preset, "x\n"));
    EXPECT_EQ(readFile(dir.path() / "manche1.txt"), "x\n");
    EXPECT_TRUE(prompts.boxes.empty());

    chooser.answer = (dir.path() / "missing" / "f.txt").string();
    EXPECT_FALSE(exportText(chooser, prompts, preset, content));
    ASSERT_EQ(prompts.boxes.size(), 1u);
    EXPECT_EQ(prompts.boxes[0].title, "Erreur");
    EXPECT_EQ(prompts.boxes[0].text,
        "Erreur: la sauvegarde a \xC3\xA9"
        "chou\xC3\xA9");
}
