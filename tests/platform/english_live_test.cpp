// The live site served while the program runs in English: the built-in
// English catalogue gives every word of the pages, the data stay the same
// bytes as in French.
#include "live/live_feed.h"
#include "raw_client.h"
#include "services/translate.h"
#include "serving.h"

#include <QTranslator>
#include <chrono>
#include <gtest/gtest.h>
#include <regex>

using namespace ksy;
using test::exchange;
using test::Serving;
using test::statusOf;

namespace {

QTranslator* pagesCatalogue = nullptr;

std::string english(const char* context, const char* french)
{
    const QString text = pagesCatalogue->translate(context, french);
    return text.isEmpty() ? std::string(french) : text.toStdString();
}

// The English catalogue of the pages for one test, then French again.
class EnglishLive : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(catalogue.load(QStringLiteral(":/i18n/kestrametrix_en_pages.qm")));
        pagesCatalogue = &catalogue;
    }
    void TearDown() override
    {
        installTextTranslator(nullptr);
        pagesCatalogue = nullptr;
    }

    QTranslator catalogue;
};

std::string get(const std::string& target)
{
    return "GET " + target + " HTTP/1.1\r\nHost: kestrel\r\nConnection: close\r\n\r\n";
}

BoardInputs twoYachts()
{
    BoardInputs heat;
    heat.heatTitle = "Classe 5 - Manche 1 - Série 2 - DEPARTSignalSonore - FINTEMPSFinirTour";
    heat.durationText = "0:15:00";
    heat.elapsedText = "0:07:31";
    heat.remainingText = "0:07:29";
    BoardLine first;
    first.place = "1";
    first.slot = " 3 ";
    first.name = "Zoé <Durand>";
    first.passingCount = "4";
    first.totalTime = "7:02.114";
    first.lastLap = "1:41.020";
    first.bestLap = "1:39.870";
    first.finished = true;
    first.holdsHeatBest = true;
    BoardLine second = first;
    second.place = "2";
    second.slot = " 7 ";
    second.name = "Bram";
    second.gapToLeader = "+12.400";
    second.finished = false;
    second.holdsHeatBest = false;
    heat.rows = {first, second};
    return heat;
}

std::vector<std::string> cells(const std::string& page)
{
    std::vector<std::string> out;
    const std::regex td("<td class=\"[^\"]*\"(?: data-titre=\"[^\"]*\")?>([^<]*)</td>");
    for (auto it = std::sregex_iterator(page.begin(), page.end(), td); it != std::sregex_iterator();
         ++it)
        out.push_back((*it)[1]);
    return out;
}

std::string jsonLines(const std::string& answer)
{
    const std::size_t at = answer.find("\"lignes\"");
    return at == std::string::npos ? std::string() : answer.substr(at);
}

} // namespace

TEST_F(EnglishLive, PagesSpeakEnglishAndCarryTheSameData)
{
    Serving s;
    s.feed.publishHeat(twoYachts());
    ASSERT_TRUE(s.feed.waitHeatAfter(0, std::chrono::seconds(30)));
    const std::string frenchPage = exchange(s.port(), get("/"));
    const std::string frenchJson = exchange(s.port(), get("/api/direct"));
    ASSERT_EQ(statusOf(frenchPage), 200);
    ASSERT_NE(frenchPage.find("<th>Temps total</th>"), std::string::npos) << frenchPage;

    installTextTranslator(&english);
    const std::string page = exchange(s.port(), get("/"));
    ASSERT_EQ(statusOf(page), 200);
    EXPECT_NE(page.find("<html lang=\"en\">"), std::string::npos);
    for (const char* heading : {"<title>Live</title>", ">Results</a>", ">Duration<", ">Elapsed<",
             ">Remaining<", ">Countdown<", "<th class=\"nom\">Pilot name</th>", "<th>Laps</th>",
             "<th>Total time</th>", "<th>Gap to leader</th>", "<th>Last lap</th>",
             "<th>Best lap</th>", "<th class=\"fin\">Finish</th>", "data-titre=\"Laps\"",
             "title=\"Finished\"", "All together at the sound signal",
             "Every pilot must finish their lap"})
        EXPECT_NE(page.find(heading), std::string::npos) << heading << " missing from:\n" << page;
    for (const char* french : {"Tours", "Temps total", "Nom pilote", "Durée", "Arrivé", "En direct",
             "signal sonore", "DEPARTSignalSonore"})
        EXPECT_EQ(page.find(french), std::string::npos) << french << " in:\n" << page;
    // The pilots' names, places and times are the same bytes.
    EXPECT_EQ(cells(page), cells(frenchPage));
    EXPECT_GE(cells(page).size(), 18u); // nine values a yacht
    EXPECT_NE(page.find("Zoé &lt;Durand&gt;"), std::string::npos);
    // The heat's title is written in the shown words; its data are not words.
    EXPECT_EQ(jsonLines(exchange(s.port(), get("/api/direct"))), jsonLines(frenchJson));

    const std::string script = exchange(s.port(), get("/direct.js"));
    EXPECT_NE(script.find("words.laps = \"Laps\";"), std::string::npos) << script;
    EXPECT_NE(script.find("words.none = \"No heat running\";"), std::string::npos);
    EXPECT_EQ(script.find("Tours"), std::string::npos);

    const std::string missing = exchange(s.port(), get("/categorie/4"));
    EXPECT_EQ(statusOf(missing), 404);
    EXPECT_NE(missing.find("Page not found."), std::string::npos) << missing;
    EXPECT_NE(missing.find(">Back</a>"), std::string::npos);
}
