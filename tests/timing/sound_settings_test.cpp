#include "support/fakes.h"
#include "timing/sound_settings.h"
#include "timing/sound_settings_form.h"

#include <gtest/gtest.h>

using namespace ksy;
using ksy::test::FakePrompts;
using ksy::test::readFile;
using ksy::test::TempDir;
using ksy::test::writeFile;

namespace {
const std::string kAllOnFrench = "SONLANGUEFrancais\nSONDECOMPTEoui\nSONDEPARToui\n"
                                 "SONPASSAGEoui\nSONMEILLEURTOURoui\nSONHORLOGEoui\n"
                                 "SONFINCOURSEoui\nSONFINVOITUREoui\n";
} // namespace

TEST(SoundSettingsFile, EightKeywordsOneALineBothWays)
{
    TempDir dir;
    const auto file = dir.path() / "s.rg";
    SoundSettings s;
    s.language = std::string(kEnglishVoiceKeyword);
    s.set(SoundSwitch::Countdown, true);
    s.set(SoundSwitch::Start, false);
    s.set(SoundSwitch::Passing, false);
    s.set(SoundSwitch::BestLap, true);
    s.set(SoundSwitch::RaceClock, true);
    s.set(SoundSwitch::HeatEnd, false);
    s.set(SoundSwitch::CarFinish, true);
    ASSERT_TRUE(writeSoundSettings(file, s));
    EXPECT_EQ(readFile(file),
        "SONLANGUEAnglais\nSONDECOMPTEoui\nSONDEPARTnon\nSONPASSAGEnon\n"
        "SONMEILLEURTOURoui\nSONHORLOGEoui\nSONFINCOURSEnon\n"
        "SONFINVOITUREoui\n");
    SoundSettings back;
    ASSERT_TRUE(readSoundSettings(file, back));
    EXPECT_EQ(back, s);

    const SoundChoices c = back.choices();
    EXPECT_EQ(c.language, VoiceLanguage::English);
    EXPECT_TRUE(c.countdownVoice && c.bestLapCheer && c.clockVoice && c.carFinishVoice);
    EXPECT_FALSE(c.startSignal || c.passingBeep || c.heatEndSignal);
}

TEST(SoundSettingsFile, OnlyTheExactOuiKeywordSwitchesOn)
{
    SoundSettings s;
    // Unknown language, a switch in lower case, a last line without its LF
    // and white space of every kind between the words.
    parseSoundSettings("SONLANGUEEspagnol\r\nsondecompteoui  SONDEPARToui\n\n\tSONPASSAGEoui\n"
                       "SONMEILLEURTOURnon\nSONHORLOGEoui\nSONFINCOURSEoui\nSONFINVOITUREoui",
        s);
    EXPECT_FALSE(s.french());
    EXPECT_FALSE(s.english());
    EXPECT_EQ(s.choices().language, VoiceLanguage::Unknown);
    EXPECT_FALSE(s.isOn(SoundSwitch::Countdown));
    EXPECT_TRUE(s.isOn(SoundSwitch::Start));
    EXPECT_TRUE(s.isOn(SoundSwitch::Passing));
    EXPECT_FALSE(s.isOn(SoundSwitch::BestLap));
    EXPECT_TRUE(s.isOn(SoundSwitch::CarFinish));

    // A short file changes only the lines it has; an overlong word is bounded.
    SoundSettings kept;
    parseSoundSettings(kAllOnFrench, kept);
    parseSoundSettings(std::string(100, 'X') + "\nSONDECOMPTEnon\n", kept);
    EXPECT_EQ(kept.language, std::string(63, 'X'));
    EXPECT_FALSE(kept.isOn(SoundSwitch::Countdown));
    EXPECT_TRUE(kept.isOn(SoundSwitch::CarFinish));

    // Texts that would not read back as one word each are written as defaults,
    // so that the lines after them keep their places.
    SoundSettings broken;
    broken.switches[1] = "SONDEPART oui";
    EXPECT_EQ(formatSoundSettings(broken),
        "SONLANGUEFrancais\nSONDECOMPTEnon\nSONDEPARTnon\nSONPASSAGEnon\n"
        "SONMEILLEURTOURnon\nSONHORLOGEnon\nSONFINCOURSEnon\nSONFINVOITUREnon\n");
}

TEST(SoundSettingsForm, ShowsTheFileAndWritesItOnlyOnOk)
{
    TempDir dir;
    WorkFolder folder(dir.path());
    FakePrompts prompts;
    const auto file = folder.file(kSoundSettingsFile);
    writeFile(file, kAllOnFrench);

    SoundSettingsForm form;
    form.open(folder, prompts);
    EXPECT_TRUE(prompts.boxes.empty());
    EXPECT_TRUE(form.isChecked(SoundSettingsForm::French));
    EXPECT_FALSE(form.isChecked(SoundSettingsForm::English));
    for (int id = 3703; id <= 3709; ++id)
        EXPECT_TRUE(form.isChecked(id)) << id;

    form.click(SoundSettingsForm::English);
    form.click(3705); // passing beep off
    form.click(3708); // heat end signal off
    form.click(3708); // and on again
    EXPECT_TRUE(form.isChecked(SoundSettingsForm::English));
    EXPECT_FALSE(form.isChecked(SoundSettingsForm::French));
    EXPECT_EQ(readFile(file), kAllOnFrench); // nothing written before "Ok"

    ASSERT_TRUE(form.confirm(folder, prompts));
    EXPECT_EQ(readFile(file),
        "SONLANGUEAnglais\nSONDECOMPTEoui\nSONDEPARToui\n"
        "SONPASSAGEnon\nSONMEILLEURTOURoui\nSONHORLOGEoui\n"
        "SONFINCOURSEoui\nSONFINVOITUREoui\n");
    EXPECT_EQ(SoundSettingsForm::textOf(3709), "Annonce vocale de fin de course pour chaque char");
}

TEST(SoundSettingsForm, MissingFileIsReportedAndStartsWithEverythingOff)
{
    TempDir dir;
    WorkFolder folder(dir.path() / "absent");
    FakePrompts prompts;
    SoundSettingsForm form;
    form.open(folder, prompts);
    ASSERT_EQ(prompts.texts(),
        std::vector<std::string> {"Erreur: impossible d'ouvrir le fichier réglages sons"});
    EXPECT_EQ(prompts.boxes[0].title, "Erreur");
    for (int id = 3701; id <= 3709; ++id)
        EXPECT_FALSE(form.isChecked(id)) << id;

    // "Ok" into a folder that does not exist is a failure, and says so.
    EXPECT_FALSE(form.confirm(folder, prompts));
    EXPECT_EQ(prompts.boxes.size(), 2u);

    // In a folder that exists, "Ok" with nothing chosen writes a readable file.
    WorkFolder good(dir.path());
    ASSERT_TRUE(form.confirm(good, prompts));
    EXPECT_EQ(readFile(good.file(kSoundSettingsFile)),
        "SONLANGUEFrancais\nSONDECOMPTEnon\nSONDEPARTnon\nSONPASSAGEnon\n"
        "SONMEILLEURTOURnon\nSONHORLOGEnon\nSONFINCOURSEnon\nSONFINVOITUREnon\n");
}
