#include "app/app_options.h"
#include "platform/storable_text_validator.h"
#include "platform/unattended.h"

#include <QLineEdit>
#include <gtest/gtest.h>
#include <sstream>

namespace ksy {
namespace {

TEST(StartOptions, WorkFolderUnattendedAndQuitAfterAreReadOthersLeftToQt)
{
    const AppOptions o = parseAppOptions(
        {"-platform", "offscreen", "--workdir", "/tmp/Été", "--unattended", "--quit-after", "250"});
    EXPECT_EQ(o.workDir, "/tmp/Été");
    EXPECT_TRUE(o.unattended);
    EXPECT_EQ(o.quitAfterMs, 250);
    EXPECT_TRUE(o.errors.empty());

    const AppOptions none = parseAppOptions({});
    EXPECT_FALSE(none.workDir);
    EXPECT_FALSE(none.unattended);
    EXPECT_FALSE(none.quitAfterMs);

    // A missing or malformed value is an error, never a silent default.
    EXPECT_EQ(parseAppOptions({"--workdir"}).errors.size(), 1u);
    EXPECT_EQ(parseAppOptions({"--quit-after", "12x"}).errors.size(), 1u);
    EXPECT_EQ(parseAppOptions({"--quit-after", "-5"}).errors.size(), 1u);
    EXPECT_EQ(parseAppOptions({"--quit-after"}).errors.size(), 1u);
}

TEST(Unattended, BoxesBecomeOneLineAndQuestionsTakeYes)
{
    std::ostringstream out;
    UnattendedPrompts prompts(out);
    prompts.error("Erreur: impossible d'ouvrir le fichier Course");
    prompts.message("Kestrametrix", "Un run!\r\nVous ne pouvez pas", PromptIcon::Stop);
    EXPECT_EQ(prompts.askYesNoCancel("Attention", "Quitter?\nSûr?"), Answer::Yes);
    EXPECT_EQ(prompts.askYesNo("Attention", "Sauver?"), Answer::Yes);
    EXPECT_EQ(out.str(),
        "Erreur: Erreur: impossible d'ouvrir le fichier Course\n"
        "Kestrametrix: Un run!\\r\\nVous ne pouvez pas\n"
        "Attention: Quitter?\\nSûr? -> Oui\n"
        "Attention: Sauver? -> Oui\n");

    UnattendedFileChooser files;
    EXPECT_FALSE(files.openFile("/tmp", {"Fichier course (.race)", "*.race"}));
    EXPECT_FALSE(files.saveFile("/tmp/*.race", {"Fichier course (.race)", "*.race"}));
}

TEST(StorableText, TheEditRefusesWhatAFileFieldCannotHold)
{
    QLineEdit edit;
    limitToStorableText(&edit, 10);
    EXPECT_EQ(edit.maxLength(), 10);
    auto check = [&](const QString& text) {
        QString t = text;
        int pos = 0;
        return edit.validator()->validate(t, pos);
    };
    EXPECT_EQ(check("Léo Œuf €"), QValidator::Acceptable);
    EXPECT_EQ(check(""), QValidator::Acceptable);
    EXPECT_EQ(check("a\tb"), QValidator::Invalid);
    EXPECT_EQ(check("a\nb"), QValidator::Invalid);
    EXPECT_EQ(check("a\rb"), QValidator::Invalid);
    EXPECT_EQ(check("Łódź"), QValidator::Invalid);
    EXPECT_EQ(check("😀"), QValidator::Invalid);

    // Typing goes through the validator: the refused character never lands.
    edit.insert("Pil");
    edit.insert("\t");
    edit.insert("Ω");
    edit.insert("ote");
    EXPECT_EQ(edit.text(), "Pilote");
}

} // namespace
} // namespace ksy
