// kestrametrix-cli ranking and global on a race file, as a club's script
// runs them: the export text on standard output, its exact bytes with
// --export, "Valider" with --store, and one line on standard error with
// status 2 and nothing else for any bad input.
#include "ranking_race_cli.h"
#include "results/ranking_sections.h"
#include "storage/encoding.h"
#include "support/fakes.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace ksy {
namespace {

using RankingCli = test::RankingRaceCli;
using test::CliRun;

TEST_F(RankingCli, PrintsExportsAndStoresAsTheDialogsDo)
{
    const std::string before = test::readFile(race.file());
    const std::string exportFile = (dir.path() / "manche.txt").string();
    const CliRun r = cli("ranking " + racePath() + " --category 1 --round 1 --scale 10,5,1,1,1,1" +
        " --export " + exportFile);
    EXPECT_EQ(r.status, 0) << r.err;
    const std::string bytes = "Course : Grand Prix - Plage Nord\t\n"
                              "CATEGORIE : CATEGORIE 1\t\n"
                              "Classement Manche1\t\n\n"
                              "Place\tNom\tTours\tTemps total\tMeilleur tour\tPoints\t\n\n"
                              "1\tAng\xE8le\t5\t4:50.000\t59.000\t10\t\n"
                              "2\tBruno\t5\t5:00.000\t58.000\t15\t\n";
    EXPECT_EQ(test::readFile(exportFile), bytes);
    EXPECT_EQ(r.out, cp1252ToUtf8(bytes));
    EXPECT_EQ(test::readFile(race.file()), before); // read, never written

    // The criterion as a click: by best lap Bruno leads.
    EXPECT_NE(cli("ranking " + racePath() + " --category 1 --round 1 --criterion " +
                  "CLASSEMENTMeilleurTour --store")
                  .out.find("1\tBruno\t5"),
        std::string::npos);
    StoredRoundRanking stored;
    ASSERT_EQ(readRoundRankingSection(race.file(), 1, 1, 3, stored), StoredRankingRead::Ok);
    EXPECT_EQ(stored.criterion, RankingMode::BestLap);
    EXPECT_EQ(stored.rows[0].name, "Bruno");

    // The global ranking reads what was stored; Chloe never raced.
    const CliRun g = cli("global " + racePath() + " --category 1 --best 0 --store");
    EXPECT_EQ(g.status, 0) << g.err;
    EXPECT_NE(g.out.find("\n\n1\tBruno\t0\t0\t\t\t\t\t\t\t\t\t5\t5:00.000\t58.000\t\n"
                         "2\tAng\xC3\xA8le\t0\t2\t"),
        std::string::npos)
        << g.out;
    EXPECT_NE(g.out.find("3\tChloe\t0\t\t"), std::string::npos);
    StoredGlobalRanking global;
    ASSERT_EQ(readGlobalRankingSection(race.file(), 1, 3, global), StoredRankingRead::Ok);
    EXPECT_EQ(global.bestRounds, 0);
    EXPECT_EQ(global.names[2], "Chloe");

    const std::string pdf = (dir.path() / "global.pdf").string();
    EXPECT_EQ(cli("global " + racePath() + " --category 1 --pdf " + pdf).status, 0);
    EXPECT_EQ(test::readFile(pdf).substr(0, 5), "%PDF-");
}

TEST_F(RankingCli, BadInputGetsOneLineStatusTwoAndNothingElse)
{
    const std::string before = test::readFile(race.file());
    const std::string exportFile = (dir.path() / "never.txt").string();
    for (const std::string& args : {
             "ranking " + racePath() + " --category 2 --round 1",
             "ranking " + racePath() + " --category 1 --round 3",
             "ranking " + racePath() + " --category 1",
             "ranking " + (dir.path() / "absent.race").string() + " --category 1 --round 1",
             "ranking " + racePath() + " --category 1 --round 1 --scale 1000,1,1,1,1,1",
             "ranking " + racePath() + " --category 1 --round 1 --scale 1,100,1,1,1,1",
             "ranking " + racePath() + " --category 1 --round 1 --scale 1,1,1,1,1",
             "ranking " + racePath() + " --category 1 --round 1 --criterion meilleur",
             "global " + racePath() + " --category 1 --best 10",
             "global " + racePath() + " --category 1 --tie CLASSEMENTTours --store",
             "global " + racePath() + " --category 1 --round 1",
             "global " + racePath() + " --category 1 --export " + exportFile + " --pdf " +
                 (dir.path() / "none" / "x.pdf").string(),
         }) {
        const CliRun r = cli(args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_EQ(r.out, "") << args;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << args << ": " << r.err;
    }
    EXPECT_EQ(test::readFile(race.file()), before);
    EXPECT_FALSE(std::filesystem::exists(exportFile)); // removed with the failed PDF
}

} // namespace
} // namespace ksy
