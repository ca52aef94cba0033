#include "display/board_sources.h"
#include "live/heat_page.h"
#include "live/web_text.h"
#include "support/fakes.h"
#include "timing/heat_journal_replay.h"
#include "timing/heat_journal_scenario.h"

#include <gtest/gtest.h>

using namespace ksy;

namespace {

// Three pilots, one with markup and quotes in its name; the heat runs to its
// end, the third pilot never crosses the line.
constexpr const char* kScenario = "options\tCLASSEMENTToursTemps\tDUREESERIETemps\t1\t1\t0\t0\t"
                                  "DEPARTSignalSonore\tORDREDEPARTFixe\tFINTEMPSSignalSonore\t"
                                  "FINTOURFinirTour\n"
                                  "slot\t1\tAnne\t000101\n"
                                  "slot\t2\t<b>Zoé \"l'éclair\"</b>\t000102\n"
                                  "slot\t3\tCéline\t000103\n"
                                  "at\t0\tdepart\n"
                                  "at\t20000\tpassing\t101\n"
                                  "at\t21000\tpassing\t102\n"
                                  "at\t45000\tpassing\t102\n"
                                  "at\t50000\tpassing\t101\n"
                                  "end\t70000\n";

BoardInputs replayedBoard()
{
    const ScenarioParse parsed = parseHeatScenario(kScenario);
    EXPECT_TRUE(parsed.scenario) << parsed.error;
    test::TempDir scratch;
    BoardInputs board;
    replayHeat(*parsed.scenario, WorkFolder(scratch.path()), [&](const HeatRun& run) {
        board = boardInputs(run.texts(), run.standings(), " Cat - Manche1 - Série1 ", false);
    });
    return board;
}

} // namespace

TEST(LiveHeat, JsonAndPageCarryTheBoardTextsInTheBoardOrderWithNamesEscaped)
{
    const BoardInputs board = replayedBoard();
    ASSERT_EQ(board.rows.size(), 3u);
    ASSERT_EQ(board.rows[0].name, "<b>Zoé \"l'éclair\"</b>"); // 2 laps, ahead of Anne

    const std::string json = liveHeatJson(board, 7);
    const std::string page = liveHeatPage(board, 7, SiteLinks::served());
    EXPECT_EQ(json.rfind("{\"version\":7,", 0), 0u);
    EXPECT_NE(json.find("\"duree\":" + jsonString(board.durationText)), std::string::npos);
    std::size_t jsonAt = 0;
    std::size_t pageAt = 0;
    for (const BoardLine& row : board.rows) {
        // Every column of the board, in order, in both forms.
        for (const std::string* text :
            {&row.place, &row.slot, &row.name, &row.passingCount, &row.totalTime, &row.gapToLeader,
                &row.gapToPrevious, &row.lastLap, &row.bestLap}) {
            jsonAt = json.find(jsonString(*text), jsonAt);
            ASSERT_NE(jsonAt, std::string::npos) << *text;
            pageAt = page.find(">" + htmlEscape(*text) + "<", pageAt);
            ASSERT_NE(pageAt, std::string::npos) << *text;
        }
        EXPECT_NE(json.find(row.finished ? "\"arrivee\":true" : "\"arrivee\":false", jsonAt),
            std::string::npos);
    }
    EXPECT_EQ(page.find("<b>"), std::string::npos);
    EXPECT_EQ(json.find("<b>"), std::string::npos);
    EXPECT_NE(page.find("data-version=\"7\""), std::string::npos);
    // The page loads its script as a file: no inline script to allow.
    EXPECT_NE(page.find("<script src=\"/direct.js\" defer></script>"), std::string::npos);
    EXPECT_EQ(page.find("<script>"), std::string::npos);
}
