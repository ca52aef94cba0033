// The published pages of a stored heat (the live site and the static export
// of "kestrametrix-cli publish") show the rows of the board and of the signed
// sheet, in their order: a pilot who started but completed no lap is kept,
// no slot without a pilot takes his place, and a count corrected by hand is
// the one shown and ranked.
#include "live/race_site.h"
#include "live/site_links.h"
#include "live/static_export.h"
#include "results/corrected_heat.h"
#include "results/ranking_open.h"
#include "results/ranking_race.h"
#include "results/ranking_sections.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

namespace ksy {
namespace {

std::vector<std::string> names(const StoredHeat& heat)
{
    std::vector<std::string> out;
    for (const StoredHeatLine& l : heat.lines)
        out.push_back(l.name);
    return out;
}

std::vector<std::string> counts(const StoredHeat& heat)
{
    std::vector<std::string> out;
    for (const StoredHeatLine& l : heat.lines)
        out.push_back(l.passingCount);
    return out;
}

TEST(PublishedHeat, PilotWithoutALapKeepsHisRowBehindThoseWithLaps)
{
    test::TempDir dir;
    test::RankingRace race(
        dir.path() / "Course.race", {"Alpha", "Bravo", "Charlie", "Delta", "Echo"}, 3, 1);
    // Bravo started and completed no lap; slots 4 and up hold no pilot. In
    // heat 2 the pilot without a lap stands before a slot without a pilot.
    race.storeHeat(
        1, 1, {{"Alpha", 5, 300000, 58000}, {"Bravo", 0, 0, 0}, {"Charlie", 3, 200000, 61000}});
    race.storeHeat(1, 2, {{"Echo", 0, 0, 0}, {"(NA)", 0, 0, 0}, {"Delta", 1, 60000, 0}});

    RaceSite site = readRaceSite(test::readFile(race.file()));
    ASSERT_EQ(site.categories.size(), 1u);
    const StoredHeat* one = site.categories[0].heat(1, 1);
    ASSERT_NE(one, nullptr);
    EXPECT_EQ(names(*one), (std::vector<std::string> {"Alpha", "Charlie", "Bravo"}));
    EXPECT_EQ(counts(*one), (std::vector<std::string> {"5", "3", "0"}));
    EXPECT_EQ(one->lines[2].place, "3");
    const StoredHeat* two = site.categories[0].heat(1, 2);
    ASSERT_NE(two, nullptr);
    EXPECT_EQ(names(*two), (std::vector<std::string> {"Delta", "Echo"}));

    // The static pages of the two heats: the same rows, no "(NA)".
    const SiteLinks files = SiteLinks::files();
    int heatPages = 0;
    for (const ExportedPage& page : staticPages(site)) {
        if (page.fileName != files.heat(1, 1, 1) && page.fileName != files.heat(1, 1, 2))
            continue;
        ++heatPages;
        EXPECT_EQ(page.content.find("(NA)"), std::string::npos) << page.fileName;
        const bool first = page.fileName == files.heat(1, 1, 1);
        EXPECT_NE(page.content.find(first ? "Bravo" : "Echo"), std::string::npos);
    }
    EXPECT_EQ(heatPages, 2);
}

TEST(PublishedHeat, CorrectedCountIsShownAndRankedAsOnTheBoard)
{
    test::TempDir dir;
    test::RankingRace race(
        dir.path() / "Course.race", {"Alpha", "Bravo", "Charlie", "Delta"}, 4, 1);
    storeHeatResult(
        race.file(), heatResultTitle(1, 1, 1), 4, test::correctedHeat(), HeatResultTexts {});
    test::FakePrompts prompts;
    const OpenedRoundRanking round = openRoundRanking(race.file(), 1, 1, prompts);
    storeRoundRanking(race.file(), 1, 1, round.criterion, round.scale, round.rows, 4);

    RaceSite site = readRaceSite(test::readFile(race.file()));
    readStoredRankings(race.file(), site);
    const StoredHeat* heat = site.categories.at(0).heat(1, 1);
    ASSERT_NE(heat, nullptr);
    EXPECT_EQ(names(*heat), (std::vector<std::string> {"Alpha", "Bravo", "Charlie", "Delta"}));
    EXPECT_EQ(counts(*heat), (std::vector<std::string> {"7", "7", "6", "5"}));
    const StoredRanking* ranking = site.categories.at(0).roundRanking(1);
    ASSERT_NE(ranking, nullptr);
    std::vector<std::string> laps;
    for (const RankingLine& l : ranking->lines)
        laps.push_back(l.name + " " + l.laps);
    EXPECT_EQ(laps, (std::vector<std::string> {"Alpha 7", "Bravo 7", "Charlie 6", "Delta 5"}));
}

} // namespace
} // namespace ksy
