#include "timing/sound_settings.h"

#include "storage/durable_io.h"
#include "storage/file_stream.h"

namespace ksy {

namespace {

constexpr std::array<std::string_view, kSoundSwitchCount> kStems = {"SONDECOMPTE", "SONDEPART",
    "SONPASSAGE", "SONMEILLEURTOUR", "SONHORLOGE", "SONFINCOURSE", "SONFINVOITURE"};

constexpr std::size_t kWordLimit = 63;

std::size_t indexOf(SoundSwitch s)
{
    return static_cast<std::size_t>(s);
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool isOneWord(std::string_view text)
{
    if (text.empty()) return false;
    for (char c : text)
        if (isSpace(c) || c == '\0') return false;
    return true;
}

} // namespace

std::string onKeyword(SoundSwitch s)
{
    return std::string(kStems[indexOf(s)]) + "oui";
}
std::string offKeyword(SoundSwitch s)
{
    return std::string(kStems[indexOf(s)]) + "non";
}

bool SoundSettings::isOn(SoundSwitch s) const
{
    return switches[indexOf(s)] == onKeyword(s);
}

void SoundSettings::set(SoundSwitch s, bool on)
{
    switches[indexOf(s)] = on ? onKeyword(s) : offKeyword(s);
}

SoundChoices SoundSettings::choices() const
{
    return SoundChoices::fromKeywords(language, switches[0], switches[1], switches[2], switches[3],
        switches[4], switches[5], switches[6]);
}

std::string formatSoundSettings(const SoundSettings& settings)
{
    std::string out;
    auto line = [&out](std::string_view text, std::string_view fallback) {
        out += isOneWord(text) ? text : fallback;
        out += '\n';
    };
    line(settings.language, kFrenchVoiceKeyword);
    for (std::size_t i = 0; i < kSoundSwitchCount; ++i)
        line(settings.switches[i], offKeyword(static_cast<SoundSwitch>(i)));
    return out;
}

void parseSoundSettings(std::string_view bytes, SoundSettings& settings)
{
    std::array<std::string*, 1 + kSoundSwitchCount> into {&settings.language};
    for (std::size_t i = 0; i < kSoundSwitchCount; ++i)
        into[i + 1] = &settings.switches[i];

    std::size_t pos = 0;
    for (std::string* text : into) {
        while (pos < bytes.size() && isSpace(bytes[pos]))
            ++pos;
        if (pos == bytes.size()) return;
        const std::size_t start = pos;
        while (pos < bytes.size() && !isSpace(bytes[pos]))
            ++pos;
        std::string_view word = bytes.substr(start, pos - start);
        word = word.substr(0, std::min(word.find('\0'), kWordLimit));
        *text = std::string(word);
    }
}

bool readSoundSettings(const std::filesystem::path& file, SoundSettings& settings)
{
    auto stream = FileStream::open(file, OpenMode::Read);
    if (!stream) return false;
    parseSoundSettings(stream->readRest(), settings);
    return true;
}

bool writeSoundSettings(const std::filesystem::path& file, const SoundSettings& settings)
{
    return writeFileAtomically(file, formatSoundSettings(settings));
}

} // namespace ksy
