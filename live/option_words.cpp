#include "live/option_words.h"

#include "planning/race_options_form.h"
#include "race/race_options.h"

#include <array>
#include <utility>

namespace ksy {

namespace {

std::string_view wordsOf(std::string_view part)
{
    using F = RaceOptionsForm;
    const std::array<std::pair<std::string_view, int>, 9> words {{
        {keyword(StartType::SoundSignal), F::StartSignal},
        {keyword(StartType::FirstCar), F::StartFirstCar},
        {keyword(StartType::Staggered), F::StartStaggered},
        {keyword(TimedEnd::SoundSignal), F::TimedSignal},
        {keyword(TimedEnd::FinishLap), F::TimedFinishLap},
        {keyword(TimedEnd::SandYacht), F::TimedSandYacht},
        {keyword(LapsEnd::SoundSignal), F::LapsSignal},
        {keyword(LapsEnd::FinishLap), F::LapsFinishLap},
        {keyword(LapsEnd::AllLaps), F::LapsAllLaps},
    }};
    for (const auto& [key, control] : words)
        if (part == key)
            return RaceOptionsTexts::of(control);
    return part;
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
        const std::string_view words = wordsOf(part);
        // A sentence after a separator starts with a capital, as on the dialog.
        std::string piece(words);
        if (words.data() != part.data() && !piece.empty() && piece[0] >= 'a' && piece[0] <= 'z' &&
            start > 0)
            piece[0] = static_cast<char>(piece[0] - 'a' + 'A');
        out += piece;
        if (end == std::string_view::npos)
            return out;
        out += kSeparator;
        start = end + kSeparator.size();
    }
}

} // namespace ksy
