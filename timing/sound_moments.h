#pragma once
// Which WAV file the program plays at each moment of a heat, and whether the
// official's sound settings let it play. Files are relative to the working
// folder; a voice depends on the chosen language, a signal does not.
#include <string>
#include <string_view>

namespace ksy {

enum class VoiceLanguage { French, English, Unknown }; // Unknown plays no voice

// The eight choices of the sound settings, as the heat needs them. A switch
// is on only when its keyword is exactly the "oui" one.
struct SoundChoices {
    VoiceLanguage language = VoiceLanguage::French;
    bool countdownVoice = true; // SONDECOMPTE: countdown voice and the alert before it
    bool startSignal = true; // SONDEPART: start horn
    bool passingBeep = true; // SONPASSAGE
    bool bestLapCheer = true; // SONMEILLEURTOUR
    bool clockVoice = true; // SONHORLOGE: half race, five and one minute left
    bool heatEndSignal = true; // SONFINCOURSE: horn when a running heat is stopped
    bool carFinishVoice = true; // SONFINVOITURE

    // From the eight keyword texts, in the order of the settings file.
    static SoundChoices fromKeywords(std::string_view language, std::string_view countdown,
        std::string_view start, std::string_view passing, std::string_view bestLap,
        std::string_view clock, std::string_view heatEnd, std::string_view carFinish);
};

namespace sounds {
inline constexpr std::string_view kAlert = "sons/nokia-sms.wav";
inline constexpr std::string_view kBeep = "sons/beep1.wav";
inline constexpr std::string_view kFoghorn = "sons/foghorn.wav";
inline constexpr std::string_view kTruckHorn = "sons/truckhorn.wav";
inline constexpr std::string_view kCheer = "sons/youpi.wav";
inline constexpr std::string_view kBuzz = "sons/buzz.wav";
} // namespace sounds

// Countdown voice for 3600, 1800, 900, 300, 120, 60, 30, 10, 5, 4, 3, 2 and 1
// seconds left; "" for any other value or an unknown language.
std::string countdownVoice(int secondsLeft, VoiceLanguage language);

// Race clock voices; "" for an unknown language.
std::string halfRaceVoice(VoiceLanguage language);
std::string fiveMinutesLeftVoice(VoiceLanguage language);
std::string oneMinuteLeftVoice(VoiceLanguage language);

// "sons/FinCourseVoiture%d.wav" (or "...%dGB.wav") for slot 1..20.
std::string carFinishVoice(int slot, VoiceLanguage language);

} // namespace ksy
