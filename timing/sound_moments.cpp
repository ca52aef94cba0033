#include "timing/sound_moments.h"

#include <array>
#include <utility>

namespace ksy {
namespace {

std::string voice(std::string_view stem, VoiceLanguage language, std::string_view englishStem = {})
{
    switch (language) {
    case VoiceLanguage::French:
        return "sons/" + std::string(stem) + ".wav";
    case VoiceLanguage::English:
        return "sons/" + std::string(englishStem.empty() ? stem : englishStem) + "GB.wav";
    case VoiceLanguage::Unknown:
        break;
    }
    return {};
}

constexpr std::array<std::pair<int, std::string_view>, 13> kCountdownStems = {{
    {3600, "60minutes"},
    {1800, "30minutes"},
    {900, "15minutes"},
    {300, "5minutes"},
    {120, "2minutes"},
    {60, "1minute"},
    {30, "30secondes"},
    {10, "10secondes"},
    {5, "cinq"},
    {4, "quatre"},
    {3, "trois"},
    {2, "deux"},
    {1, "un"},
}};

} // namespace

SoundChoices SoundChoices::fromKeywords(std::string_view language, std::string_view countdown,
    std::string_view start, std::string_view passing, std::string_view bestLap,
    std::string_view clock, std::string_view heatEnd, std::string_view carFinish)
{
    SoundChoices c;
    c.language = language == "SONLANGUEFrancais" ? VoiceLanguage::French
        : language == "SONLANGUEAnglais"         ? VoiceLanguage::English
                                                 : VoiceLanguage::Unknown;
    c.countdownVoice = countdown == "SONDECOMPTEoui";
    c.startSignal = start == "SONDEPARToui";
    c.passingBeep = passing == "SONPASSAGEoui";
    c.bestLapCheer = bestLap == "SONMEILLEURTOURoui";
    c.clockVoice = clock == "SONHORLOGEoui";
    c.heatEndSignal = heatEnd == "SONFINCOURSEoui";
    c.carFinishVoice = carFinish == "SONFINVOITUREoui";
    return c;
}

std::string countdownVoice(int secondsLeft, VoiceLanguage language)
{
    for (const auto& [seconds, stem] : kCountdownStems)
        if (seconds == secondsLeft)
            return voice(stem, language);
    return {};
}

std::string halfRaceVoice(VoiceLanguage language)
{
    return voice("miCourse", language);
}

// The English race-clock file differs from the countdown one of the same length.
std::string fiveMinutesLeftVoice(VoiceLanguage language)
{
    return voice("5minutes", language, "5minutesRace");
}

std::string oneMinuteLeftVoice(VoiceLanguage language)
{
    return voice("1minute", language);
}

std::string carFinishVoice(int slot, VoiceLanguage language)
{
    return voice("FinCourseVoiture" + std::to_string(slot), language);
}

} // namespace ksy
