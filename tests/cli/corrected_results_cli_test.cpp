// kestrametrix-cli on a race whose heats were corrected by hand and hold a
// pilot without a lap: the round ranking, the global ranking and the
// published heat page all say what the board and the signed sheet say.
#include "results/corrected_heat.h"
#include "results/ranking_race.h"
#include "support/fakes.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace ksy {
namespace {

class CorrectedCli : public ::testing::Test {
protected:
    CorrectedCli()
        : race(dir.path() / "Course.race", {"Alpha", "Bravo", "Charlie", "Delta", "Echo"}, 5, 1)
    {
        RunEntryTable heat = test::correctedHeat();
        heat.slot(5) = test::correctedSlot("Echo", 0, 0, 0); // started, no lap
        storeHeatResult(race.file(), heatResultTitle(1, 1, 1), 5, heat, HeatResultTexts {});
    }

    int cli(const std::string& arguments, std::string& out)
    {
        const auto file = dir.path() / "out";
        const std::string command =
            std::string(KSY_CLI_PATH) + " " + arguments + " > " + file.string() + " 2>&1";
        const int raw = std::system(command.c_str());
        out = test::readFile(file);
        return (raw >> 8) & 0xFF;
    }

    test::TempDir dir;
    test::RankingRace race;
};

TEST_F(CorrectedCli, RankingsAndPublishedPagesUseTheCorrectedCount)
{
    std::string out;
    const std::string file = race.file().string();
    ASSERT_EQ(cli("ranking " + file + " --category 1 --round 1 --store", out), 0) << out;
    EXPECT_NE(out.find("1\tAlpha\t7\t"), std::string::npos) << out;
    EXPECT_NE(out.find("2\tBravo\t7\t7:10.000\t1:01.000\t2\t"), std::string::npos) << out;
    EXPECT_NE(out.find("4\tDelta\t5\t"), std::string::npos) << out;
    EXPECT_NE(out.find("5\tEcho\t0\t"), std::string::npos) << out;

    ASSERT_EQ(cli("global " + file + " --category 1", out), 0) << out;
    EXPECT_NE(out.find("2\tBravo\t2\t2\t"), std::string::npos) << out;
    EXPECT_NE(out.find("\t7\t7:10.000\t1:01.000\t\n"), std::string::npos) << out;

    const auto site = dir.path() / "site";
    ASSERT_EQ(cli("publish " + file + " --out " + site.string(), out), 0) << out;
    const std::string page = test::readFile(site / "categorie-1-manche-1-serie-1.html");
    EXPECT_EQ(page.find("(NA)"), std::string::npos);
    // Board order, each pilot once: corrected counts, the pilot without a lap last.
    std::size_t at = 0;
    for (const char* name : {"Alpha", "Bravo", "Charlie", "Delta", "Echo"}) {
        const std::size_t found = page.find(name, at);
        ASSERT_NE(found, std::string::npos) << name << "\n" << page;
        at = found;
    }
}

} // namespace
} // namespace ksy
