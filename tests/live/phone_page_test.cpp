#include "display/board_style.h"
#include "display/display_settings.h"
#include "live/heat_page.h"
#include "live/option_words.h"
#include "live/page_shell.h"
#include "live/race_heading.h"
#include "live/race_site.h"
#include "live/site_pages.h"
#include "storage/encoding.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <regex>

using namespace ksy;

namespace {

BoardInputs finishedHeat()
{
    BoardInputs heat;
    heat.heatTitle = "Durée 0:20 - DEPARTPremiereVoiture - FINTEMPSCharsVoile - Départ "
                     "07/12/2026 10:30";
    heat.durationText = "0:20";
    heat.elapsedText = "0:20:00";
    heat.remainingText = "0:00:00";
    heat.countdownText = "";
    BoardLine l;
    l.place = "1";
    l.name = "Anne";
    l.passingCount = "12";
    l.finished = true;
    l.changed = true;
    l.holdsHeatBest = true;
    heat.rows.push_back(l);
    return heat;
}

std::string hexColour(Colour c)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", redOf(c), greenOf(c), blueOf(c));
    return text;
}

} // namespace

TEST(PhonePage, OptionKeywordsReadAsTheDialogSaysThem)
{
    EXPECT_EQ(optionsInWords("Durée 0:20 - DEPARTSignalSonore - FINTEMPSCharsVoile - Départ "
                             "07/12/2026 10:30"),
        "Durée 0:20 - Simultané au signal sonore - Fin de course de type chars à voile - Départ "
        "07/12/2026 10:30");
    EXPECT_EQ(optionsInWords("12 tours - DEPARTDecale - FINTOURFaireTousLesTours"),
        "12 tours - Départ décalé - Tous les pilotes doivent faire tous les tours");
    EXPECT_EQ(optionsInWords("FINTOURSignalSonore"), "Arrêt immédiat au signal sonore");
    // Only whole parts are words to replace: a name that contains a keyword stays.
    EXPECT_EQ(
        optionsInWords("Tabur - Manche1 - XDEPARTDecale - "), "Tabur - Manche1 - XDEPARTDecale - ");
    EXPECT_EQ(optionsInWords(""), "");
}

TEST(PhonePage, ClocksAreLabelledTheTitleInWordsAndNoEmoji)
{
    const BoardInputs heat = finishedHeat();
    const std::string page = liveHeatPage(heat, 4, SiteLinks::served());
    for (const char* label : {"Durée", "Écoulé", "Restant", "Décompte"})
        EXPECT_NE(page.find(std::string(">") + label + "</span>"), std::string::npos) << label;
    EXPECT_EQ(page.find("DEPART"), std::string::npos);
    EXPECT_NE(page.find("Au passage du premier char"), std::string::npos);
    EXPECT_EQ(liveHeatJson(heat, 4).find("FINTEMPS"), std::string::npos);
    // The finish flag is drawn by the stylesheet: no character a phone
    // without an emoji font shows as an empty box.
    EXPECT_NE(page.find("<span class=\"drapeau\""), std::string::npos);
    for (const std::string& text : {page, liveScript(), liveHeatJson(heat, 4)})
        EXPECT_EQ(text.find("\xF0\x9F"), std::string::npos);
    EXPECT_EQ(liveScript().find("\\uD83C"), std::string::npos);
    // The line just crossed is marked on its place, a cell every width shows.
    EXPECT_NE(page.find("<tr class=\"nouveau\"><td class=\"pos\">1</td>"), std::string::npos);
}

TEST(PhonePage, StylesheetReadsInTheSunWithTheBoardsColours)
{
    const std::string css = siteStylesheet();
    const std::regex size(R"(font-size:\s*(\d+)px)");
    int sizes = 0;
    for (auto it = std::sregex_iterator(css.begin(), css.end(), size); it != std::sregex_iterator();
         ++it, ++sizes)
        EXPECT_GE(std::stoi((*it)[1]), 16) << (*it)[0];
    EXPECT_GT(sizes, 5);
    EXPECT_EQ(css.find("font-size: 1em"), std::string::npos);

    // The standard theme's colours of the board.
    DisplaySettings theme;
    ASSERT_TRUE(readDisplaySettings(KSY_SOURCE_DIR "/data/Thème standard.scrn", theme));
    const auto rule = [&](const std::string& selector) {
        const std::size_t at = css.find(selector + " {");
        return at == std::string::npos ? std::string() : css.substr(at, css.find('}', at) - at);
    };
    EXPECT_NE(rule("td.meilleur-serie").find(hexColour(theme.colours[ColourHeatBestLap])),
        std::string::npos);
    EXPECT_NE(rule("td.record-perso").find(hexColour(theme.colours[ColourPersonalBest])),
        std::string::npos);
    EXPECT_NE(rule("tr.nouveau td.pos, tr.nouveau td.ligne")
                  .find(hexColour(theme.colours[ColourChangedRow])),
        std::string::npos);
    EXPECT_NE(rule("body").find("color: #000"), std::string::npos);
}

TEST(PhonePage, TheIndexNamesTheRaceItsTrackAndItsDay)
{
    EXPECT_EQ(heatDay("Durée 0:20 - X - Départ 07/12/2026 10:30"), "07/12/2026");
    EXPECT_EQ(heatDay("Départ 7/12/2026"), "");
    EXPECT_EQ(heatDay("."), "");

    const std::string bytes =
        cp1252("PisteCourse\t\nCoupe de la Baie <1>\tCVL\tPlage de Lège\t4\t\n");
    const RaceHeading h = readRaceHeading(bytes,
        {"Départ 30/11/2026 09:00", "Départ 02/12/2026 10:00", "", "Départ 01/12/2026 18:00"});
    EXPECT_EQ(h.race, "Coupe de la Baie <1>");
    EXPECT_EQ(h.club, "CVL");
    EXPECT_EQ(h.track, "Plage de Lège");
    EXPECT_EQ(h.date, "02/12/2026"); // the latest day, not the last listed

    RaceSite site;
    site.heading = h;
    const std::string index = resultsPage(site, SiteLinks::served());
    EXPECT_NE(index.find("<h1>Coupe de la Baie &lt;1&gt;</h1>"), std::string::npos);
    EXPECT_NE(index.find("Piste : Plage de Lège"), std::string::npos);
    EXPECT_NE(index.find("Date : 02/12/2026"), std::string::npos);
    EXPECT_EQ(readRaceHeading("", {}).race, "");
}
