#include "app/heat_title_text.h"

#include "services/translate.h"

#include <QCoreApplication>

namespace ksy {
namespace {

// The options' keywords a title can hold, and what they mean.
[[maybe_unused]] const char* const kTitleKeywords[] = {
    KSY_TRANSLATE_NOOP("HeatTitle", "DEPARTSignalSonore"),
    KSY_TRANSLATE_NOOP("HeatTitle", "DEPARTPremiereVoiture"),
    KSY_TRANSLATE_NOOP("HeatTitle", "DEPARTDecale"),
    KSY_TRANSLATE_NOOP("HeatTitle", "FINTEMPSSignalSonore"),
    KSY_TRANSLATE_NOOP("HeatTitle", "FINTEMPSFinirTour"),
    KSY_TRANSLATE_NOOP("HeatTitle", "FINTEMPSCharsVoile"),
    KSY_TRANSLATE_NOOP("HeatTitle", "FINTOURSignalSonore"),
    KSY_TRANSLATE_NOOP("HeatTitle", "FINTOURFinirTour"),
    KSY_TRANSLATE_NOOP("HeatTitle", "FINTOURFaireTousLesTours"),
};

std::string keywordShown(const std::string& keyword)
{
    return QCoreApplication::translate("HeatTitle", keyword.c_str()).toStdString();
}

} // namespace

std::string shownHeatTitle(const std::string& title)
{
    static const std::string kDuration = "Durée ";
    static const std::string kStarted = "Départ ";
    static const std::string kLaps = " tours";
    static const std::string kSeparator = " - ";
    std::string parts[4];
    std::size_t from = 0;
    for (int i = 0; i < 3; ++i) {
        const std::size_t at = title.find(kSeparator, from);
        if (at == std::string::npos)
            return title;
        parts[i] = title.substr(from, at - from);
        from = at + kSeparator.size();
    }
    parts[3] = title.substr(from);
    if (!parts[0].starts_with(kDuration) || !parts[3].starts_with(kStarted))
        return title;
    const std::string pattern = translate("HeatTitle", "Durée %1 - %2 - %3 - Départ %4");
    if (pattern == "Durée %1 - %2 - %3 - Départ %4")
        return title; // French: the title as it is stored
    std::string duration = parts[0].substr(kDuration.size());
    if (duration.ends_with(kLaps))
        duration = fillText(
            translate("Board", "%1 tours"), {duration.substr(0, duration.size() - kLaps.size())});
    return fillText(pattern,
        {duration, keywordShown(parts[1]), keywordShown(parts[2]),
            parts[3].substr(kStarted.size())});
}

} // namespace ksy
