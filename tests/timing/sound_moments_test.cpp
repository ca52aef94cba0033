#include "timing/sound_moments.h"

#include <gtest/gtest.h>

namespace ksy {
namespace {

TEST(SoundMoments, VoicesInBothLanguagesAndNoneForAnUnknownOne)
{
    const auto fr = VoiceLanguage::French;
    const auto en = VoiceLanguage::English;
    // One of each spelling: minutes, the singular minute, seconds, a digit word.
    EXPECT_EQ(countdownVoice(1800, en), "sons/30minutesGB.wav");
    EXPECT_EQ(countdownVoice(60, en), "sons/1minuteGB.wav");
    EXPECT_EQ(countdownVoice(30, fr), "sons/30secondes.wav");
    EXPECT_EQ(countdownVoice(4, fr), "sons/quatre.wav");
    EXPECT_EQ(countdownVoice(6, fr), "");
    EXPECT_EQ(countdownVoice(0, fr), "");
    EXPECT_EQ(halfRaceVoice(en), "sons/miCourseGB.wav");
    // The race clock's five minutes differ from the countdown's in English only.
    EXPECT_EQ(fiveMinutesLeftVoice(fr), "sons/5minutes.wav");
    EXPECT_EQ(fiveMinutesLeftVoice(en), "sons/5minutesRaceGB.wav");
    EXPECT_EQ(carFinishVoice(20, fr), "sons/FinCourseVoiture20.wav");
    EXPECT_EQ(carFinishVoice(7, en), "sons/FinCourseVoiture7GB.wav");
    EXPECT_EQ(carFinishVoice(7, VoiceLanguage::Unknown), "");
    EXPECT_EQ(countdownVoice(5, VoiceLanguage::Unknown), "");
}

TEST(SoundMoments, SwitchesAreOnOnlyForTheExactOuiKeyword)
{
    const SoundChoices c = SoundChoices::fromKeywords("SONLANGUEAnglais", "SONDECOMPTEoui",
        "SONDEPARTnon", "SONPASSAGEOUI", "SONMEILLEURTOURoui", "SONHORLOGEnon", "SONFINCOURSEoui",
        "SONFINVOITUREoui ");
    EXPECT_EQ(c.language, VoiceLanguage::English);
    EXPECT_TRUE(c.countdownVoice);
    EXPECT_FALSE(c.startSignal);
    EXPECT_FALSE(c.passingBeep);
    EXPECT_TRUE(c.bestLapCheer);
    EXPECT_FALSE(c.clockVoice);
    EXPECT_TRUE(c.heatEndSignal);
    EXPECT_FALSE(c.carFinishVoice);
    EXPECT_EQ(SoundChoices::fromKeywords("", "", "", "", "", "", "", "").language,
        VoiceLanguage::Unknown);
}

} // namespace
} // namespace ksy
