#pragma once
// The official's sound choices, "RéglagesSons.rg": eight keyword texts, one a
// line, in a fixed order (voice language, then the seven switches). A switch
// is on only when its text is exactly its "oui" keyword.
#include "services/translate.h"
#include "timing/sound_moments.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace ksy {

inline constexpr std::string_view kSoundSettingsFile = "RéglagesSons.rg";
inline constexpr std::string_view kSoundSettingsError =
    KSY_TRANSLATE_NOOP("Prompts", "Erreur: impossible d'ouvrir le fichier réglages sons");

inline constexpr std::string_view kFrenchVoiceKeyword = "SONLANGUEFrancais";
inline constexpr std::string_view kEnglishVoiceKeyword = "SONLANGUEAnglais";

// The seven switches, in file order (lines 2 to 8).
enum class SoundSwitch { Countdown, Start, Passing, BestLap, RaceClock, HeatEnd, CarFinish };
inline constexpr std::size_t kSoundSwitchCount = 7;

std::string onKeyword(SoundSwitch s); // "SONDECOMPTEoui" ...
std::string offKeyword(SoundSwitch s); // "SONDECOMPTEnon" ...

struct SoundSettings {
    // Line 1 and lines 2 to 8 as they stand in the file. Empty until read:
    // every switch off and no voice language.
    std::string language;
    std::array<std::string, kSoundSwitchCount> switches;

    bool isOn(SoundSwitch s) const;
    void set(SoundSwitch s, bool on);
    bool french() const { return language == kFrenchVoiceKeyword; }
    bool english() const { return language == kEnglishVoiceKeyword; }

    // What the heat needs of them.
    SoundChoices choices() const;

    bool operator==(const SoundSettings&) const = default;
};

// The file's bytes: the eight texts, each followed by a line feed. A text that
// could not be read back as one word (empty, or holding white space) would
// shift every following line, so it is written as its line's default instead:
// "SONLANGUEFrancais" for the language, the "non" keyword for a switch.
std::string formatSoundSettings(const SoundSettings& settings);

// Reads up to eight words over `settings`, in file order; words separated by
// any white space, each kept to 63 bytes at most. Lines missing at the end
// keep their texts.
void parseSoundSettings(std::string_view bytes, SoundSettings& settings);

// False when the file cannot be opened (`settings` unchanged).
bool readSoundSettings(const std::filesystem::path& file, SoundSettings& settings);
// Creates the file anew; false when it cannot be opened or written.
bool writeSoundSettings(const std::filesystem::path& file, const SoundSettings& settings);

} // namespace ksy
