// kestrametrix-cli --lang en: the help, the messages and the published pages
// in English; everything else it writes (exports, the race) the same bytes
// as in French, and French when no language is asked.
#include "ranking_race_cli.h"
#include "support/fakes.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <regex>

namespace ksy {
namespace {

using EnglishCli = test::RankingRaceCli;
using test::CliRun;

// The cells of a page's tables: its data, whatever the language of its words.
std::vector<std::string> cells(const std::string& page)
{
    std::vector<std::string> out;
    const std::regex td("<td[^>]*>([^<]*)</td>");
    for (auto it = std::sregex_iterator(page.begin(), page.end(), td); it != std::sregex_iterator();
         ++it)
        out.push_back((*it)[1]);
    return out;
}

const char* const kCommands[] = {
    "replay", "ranking", "global", "detail", "analysis", "sheet", "pilots", "publish"};

TEST_F(EnglishCli, HelpListsEveryCommandInEnglishAndFrenchStaysTheDefault)
{
    const CliRun english = cli("--lang en help");
    EXPECT_EQ(english.status, 0) << english.err;
    EXPECT_NE(english.out.find("Commands:\n"), std::string::npos) << english.out;
    EXPECT_NE(english.out.find("Exit status: 0 done"), std::string::npos) << english.out;
    EXPECT_NE(
        english.out.find("static web pages of the stored results of a race"), std::string::npos);
    for (const char* c : kCommands)
        EXPECT_NE(english.out.find(std::string("\n  ") + c + " "), std::string::npos)
            << c << " missing from:\n"
            << english.out;
    for (const char* french : {"Commandes", "classement", "série", "Statut"})
        EXPECT_EQ(english.out.find(french), std::string::npos) << french << " in:\n" << english.out;

    // The language option may come after the command, and each command's own
    // help follows it.
    const CliRun one = cli("ranking --help --lang en");
    EXPECT_EQ(one.status, 0) << one.err;
    EXPECT_NE(one.out.find("--category C    category (1 to 9)"), std::string::npos) << one.out;

    const CliRun french = cli("help");
    EXPECT_EQ(cli("--lang fr help").out, french.out);
    EXPECT_NE(french.out.find("Commandes :\n"), std::string::npos) << french.out;

    const CliRun unknown = cli("--lang de help");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_TRUE(unknown.out.empty());
    EXPECT_NE(unknown.err.find("--lang de"), std::string::npos) << unknown.err;
    EXPECT_EQ(cli("help --lang").status, 2);
}

TEST_F(EnglishCli, ExportsAndTheRaceAreTheSameBytesInEnglish)
{
    const std::string before = test::readFile(race.file());
    const CliRun french = cli("ranking " + racePath() + " --category 1 --round 1 --export " +
        at("fr.txt") + " --csv " + at("fr.csv"));
    const CliRun english = cli("--lang en ranking " + racePath() +
        " --category 1 --round 1 --export " + at("en.txt") + " --csv " + at("en.csv"));
    ASSERT_EQ(french.status, 0) << french.err;
    ASSERT_EQ(english.status, 0) << english.err;
    EXPECT_EQ(english.out, french.out);
    EXPECT_EQ(test::readFile(dir.path() / "en.txt"), test::readFile(dir.path() / "fr.txt"));
    EXPECT_EQ(test::readFile(dir.path() / "en.csv"), test::readFile(dir.path() / "fr.csv"));
    EXPECT_EQ(test::readFile(race.file()), before);
}

TEST_F(EnglishCli, PublishedPagesSpeakEnglishWithTheSameResults)
{
    ASSERT_EQ(cli("publish " + racePath() + " --out " + at("fr")).status, 0);
    const CliRun english = cli("--lang en publish " + racePath() + " --out " + at("en"));
    ASSERT_EQ(english.status, 0) << english.err;
    EXPECT_NE(english.out.find("files written to"), std::string::npos) << english.out;

    int compared = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path() / "fr")) {
        const std::string fr = test::readFile(entry.path());
        const std::string en = test::readFile(dir.path() / "en" / entry.path().filename());
        EXPECT_EQ(cells(en), cells(fr)) << entry.path().filename();
        if (entry.path().extension() == ".html") {
            EXPECT_NE(en.find("<html lang=\"en\">"), std::string::npos);
            EXPECT_NE(fr.find("<html lang=\"fr\">"), std::string::npos);
            for (const char* french : {"Résultats", "Manche", "Série", "Tours", "Nom pilote"})
                EXPECT_EQ(en.find(french), std::string::npos)
                    << french << " in " << entry.path().filename() << ":\n"
                    << en;
            ++compared;
        }
    }
    EXPECT_GE(compared, 3);
    const std::string heat =
        test::readFile(dir.path() / "en" / "categorie-1-manche-1-serie-1.html");
    EXPECT_NE(heat.find("<th>Pilot name</th><th>Laps</th><th>Total time</th>"), std::string::npos)
        << heat;

    const CliRun missing = cli("--lang en publish " + at("none.race") + " --out " + at("x"));
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("cannot read the race"), std::string::npos) << missing.err;
}

} // namespace
} // namespace ksy
