// A heat's title on the live site says its options in the race options
// dialog's own words, whichever language the dialog is in.
#include "live/option_words.h"
#include "planning/race_options_form.h"
#include "race/race_options.h"
#include "services/translate.h"

#include <gtest/gtest.h>

namespace ksy {
namespace {

std::string marked(const char* context, const char* french)
{
    return std::string(context) + ":" + french;
}

TEST(OptionWords, AreTheDialogsWordsAndFollowTheLanguage)
{
    using F = RaceOptionsForm;
    const std::pair<std::string_view, int> options[] = {
        {keyword(StartType::SoundSignal), F::StartSignal},
        {keyword(StartType::FirstCar), F::StartFirstCar},
        {keyword(StartType::Staggered), F::StartStaggered},
        {keyword(TimedEnd::SoundSignal), F::TimedSignal},
        {keyword(TimedEnd::FinishLap), F::TimedFinishLap},
        {keyword(TimedEnd::SandYacht), F::TimedSandYacht},
        {keyword(LapsEnd::SoundSignal), F::LapsSignal},
        {keyword(LapsEnd::FinishLap), F::LapsFinishLap},
        {keyword(LapsEnd::AllLaps), F::LapsAllLaps},
    };
    for (const auto& [key, control] : options) {
        EXPECT_EQ(optionsInWords(key), RaceOptionsTexts::of(control)) << key;
        installTextTranslator(&marked);
        EXPECT_EQ(optionsInWords(key), "OptionWords:" + std::string(RaceOptionsTexts::of(control)))
            << key;
        installTextTranslator(nullptr);
    }
    // After a separator a sentence starts with a capital; other parts stay.
    const std::string title =
        "Durée 5 tours - DEPARTDecale - FINTOURSignalSonore - Départ 06/12/2026 20:31";
    EXPECT_EQ(optionsInWords(title),
        "Durée 5 tours - Départ décalé - Arrêt immédiat au signal sonore - Départ 06/12/2026 20:31");
    EXPECT_EQ(optionsInWords("Manche 1 - Série 2"), "Manche 1 - Série 2");
    // The run's duration and start in the official's language, values kept.
    installTextTranslator(&marked);
    EXPECT_EQ(optionsInWords("Durée 0:10:00 - Départ 06/12/2026 20:31 - Durée 5 tours"),
        "OptionWords:Durée 0:10:00 - OptionWords:Départ 06/12/2026 20:31 - "
        "OptionWords:Durée 5 tours");
    installTextTranslator(nullptr);
}

} // namespace
} // namespace ksy
