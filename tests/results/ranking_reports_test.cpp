#include "results/global_ranking_report.h"
#include "results/round_ranking_report.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace ksy {
namespace {

RankingContext context(int places)
{
    RankingContext c;
    c.category = 1;
    c.categoryName = "Cadets \xE9t\xE9"; // Windows-1252
    c.track.raceName = "Grand Prix";
    c.track.trackName = "Plage Nord";
    c.places = places;
    return c;
}

std::vector<std::string> texts(const Drawing& page)
{
    std::vector<std::string> out;
    for (const Primitive& p : page)
        if (const auto* t = std::get_if<TextOp>(&p.op))
            out.push_back(t->text);
    return out;
}

bool has(const std::vector<std::string>& all, const std::string& text)
{
    return std::find(all.begin(), all.end(), text) != all.end();
}

// The export bytes exactly: titles, heads, one line per place with a pilot
// (rows without pilot skipped one by one), every field followed by TAB.
TEST(RankingReports, ExportsAreTheExactBytesOfTheRankings)
{
    OpenedRoundRanking round;
    round.context = context(4);
    round.round = 2;
    round.rows = {{"Ang\xE8le", 6, 3723004, 61500, 0}, {"Bruno", 0, 0, 0, 2},
        {"", 0, kNoResultTime, kNoResultTime, 3}, {"Denis", 1, 59000, 9000, 4}};
    EXPECT_EQ(roundRankingExport(round),
        "Course : Grand Prix - Plage Nord\t\n"
        "CATEGORIE : Cadets \xE9t\xE9\t\n"
        "Classement Manche2\t\n\n"
        "Place\tNom\tTours\tTemps total\tMeilleur tour\tPoints\t\n\n"
        "1\tAng\xE8le\t6\t1:02:03.004\t1:01.500\t0\t\n"
        "2\tBruno\t0\t0:00.000\t0.000\t2\t\n"
        "4\tDenis\t1\t0:59.000\t9.000\t4\t\n");

    OpenedGlobalRanking global;
    global.context = context(2);
    global.entries.resize(2);
    GlobalRankingEntry& a = global.entries[0];
    a.name = "Ang\xE8le";
    a.sum = 2;
    a.points[0] = {0, 3};
    a.points[1] = {2, 1};
    a.runs[0] = {6, 300000, 3};
    a.bestLaps[0] = {48000, 1};
    global.entries[1].name = "Jamais";
    EXPECT_EQ(globalRankingExport(global),
        "Course : Grand Prix - Plage Nord\t\n"
        "CATEGORIE : Cadets \xE9t\xE9\t\n"
        "Classement Global Cat\xE9gorie\t\n\n"
        "Place\tNom\tPoints\tMeilleure\t2eme\t3eme\t4eme\t5eme\t6eme\t7eme\t8eme\t9eme\t"
        "Tours\tTemps total\tMeilleur tour\t\n\n"
        "1\tAng\xE8le\t2\t0\t2\t\t\t\t\t\t\t\t6\t5:00.000\t48.000\t\n"
        "2\tJamais\t0\t\t\t\t\t\t\t\t\t\t\t\t\t\n");
}

// 40 places a page: 41 places take two pages, the second holding place 41;
// the "Edité le" line carries the criterion or the number of best rounds.
TEST(RankingReports, PagesHoldFortyPlacesWithTheirEditionLine)
{
    OpenedRoundRanking round;
    round.context = context(41);
    round.round = 1;
    round.criterion = RankingMode::BestLap;
    round.rows = emptyRoundRankingRows();
    for (int i = 0; i < 40; ++i)
        round.rows[static_cast<std::size_t>(i)] = {"P" + std::to_string(i + 1), 3, 1, 1, i};
    const ReportDate date {6, 7, 2026, 9, 5};
    const ReportDocument doc = roundRankingReport(round, date);
    EXPECT_EQ(doc.identity.documentName, "CLASSEMENT MANCHE : Printing...");
    ASSERT_EQ(doc.pages.size(), 2u);
    const auto first = texts(doc.pages[0]);
    EXPECT_TRUE(has(first, "CLASSEMENTMeilleurTour - Edit\xC3\xA9 le 06/07/2026 \xC3\xA0 9:05"));
    EXPECT_TRUE(has(first, "Course : Grand Prix - Plage Nord"));
    EXPECT_TRUE(has(first, "P40"));
    EXPECT_TRUE(has(first, "Page 1 /2"));
    const auto second = texts(doc.pages[1]);
    EXPECT_TRUE(has(second, "41")); // the place, without values: it has no pilot
    EXPECT_FALSE(has(second, "40"));
    EXPECT_TRUE(has(second, "Page 2 /2"));
    round.context.places = 40;
    EXPECT_EQ(roundRankingReport(round, date).pages.size(), 1u);
    round.context.places = 0;
    EXPECT_TRUE(roundRankingReport(round, date).pages.empty());

    OpenedGlobalRanking global;
    global.context = context(3);
    global.bestRounds = 4;
    global.entries.resize(3);
    const auto page = texts(globalRankingReport(global, date).pages.at(0));
    EXPECT_TRUE(has(
        page, "SOMME POINTS des 4 meilleures Manches - Edit\xC3\xA9 le 06/07/2026 \xC3\xA0 9:05"));
    EXPECT_TRUE(has(page, "Classement Global Cat\xC3\xA9gorie"));
}

} // namespace
} // namespace ksy
