#include "live/option_words.h"

#include "race/race_options.h"
#include "services/translate.h"

#include <array>
#include <optional>

namespace ksy {

namespace {

// The option keywords of a heat's description and their words on the race
// options dialog (the same French words, checked by the tests).
struct OptionWords {
    std::string_view keyword;
    const char* french;
};

const std::array<OptionWords, 9>& optionWords()
{
    static const std::array<OptionWords, 9> words {{
        {keyword(StartType::SoundSignal),
            KSY_TRANSLATE_NOOP("OptionWords", "simultané au signal sonore")},
        {keyword(StartType::FirstCar),
            KSY_TRANSLATE_NOOP("OptionWords", "au passage du premier char")},
        {keyword(StartType::Staggered), KSY_TRANSLATE_NOOP("OptionWords", "départ décalé")},
        {keyword(TimedEnd::SoundSignal),
            KSY_TRANSLATE_NOOP("OptionWords", "Arrêt immédiat au signal sonore")},
        {keyword(TimedEnd::FinishLap),
            KSY_TRANSLATE_NOOP("OptionWords", "Tous les pilotes doivent finir leur tour")},
        {keyword(TimedEnd::SandYacht),
            KSY_TRANSLATE_NOOP("OptionWords", "Fin de course de type chars à voile")},
        {keyword(LapsEnd::SoundSignal),
            KSY_TRANSLATE_NOOP("OptionWords", "Arrêt immédiat au signal sonore")},
        {keyword(LapsEnd::FinishLap),
            KSY_TRANSLATE_NOOP("OptionWords", "Tous les pilotes doivent finir leur tour")},
        {keyword(LapsEnd::AllLaps),
            KSY_TRANSLATE_NOOP("OptionWords", "Tous les pilotes doivent faire tous les tours")},
    }};
    return words;
}

// The words of a keyword in the official's language; nothing for any other part.
std::optional<std::string> wordsOf(std::string_view part)
{
    for (const OptionWords& w : optionWords())
        if (part == w.keyword)
            return translate("OptionWords", w.french);
    return std::nullopt;
}

// The run's own parts of a heat's title, "Durée 0:10:00" (or "Durée 5 tours")
// and "Départ 06/12/2026 20:31", in the official's language; any other part
// as it is.
std::string runPartInWords(std::string_view part)
{
    static constexpr std::string_view kDuration = "Durée ";
    static constexpr std::string_view kStart = "Départ ";
    static constexpr std::string_view kLaps = " tours";
    if (part.starts_with(kDuration)) {
        const std::string_view value = part.substr(kDuration.size());
        if (value.ends_with(kLaps))
            return fillText(translate("OptionWords", "Durée %1 tours"),
                {value.substr(0, value.size() - kLaps.size())});
        return fillText(translate("OptionWords", "Durée %1"), {value});
    }
    if (part.starts_with(kStart))
        return fillText(translate("OptionWords", "Départ %1"), {part.substr(kStart.size())});
    return std::string(part);
}

} // namespace

std::string optionsInWords(std::string_view utf8)
{
    static constexpr std::string_view kSeparator = " - ";
    std::string out;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = utf8.find(kSeparator, start);
        const std::string_view part = utf8.substr(start, end - start);
        const std::optional<std::string> words = wordsOf(part);
        // A sentence after a separator starts with a capital, as on the dialog.
        std::string piece = words ? *words : runPartInWords(part);
        if (words && !piece.empty() && piece[0] >= 'a' && piece[0] <= 'z' && start > 0)
            piece[0] = static_cast<char>(piece[0] - 'a' + 'A');
        out += piece;
        if (end == std::string_view::npos)
            return out;
        out += kSeparator;
        start = end + kSeparator.size();
    }
}

} // namespace ksy
