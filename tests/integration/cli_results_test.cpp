// kestrametrix-cli detail, analysis and sheet on exchange and race files
// written the way the program writes them.
#include "e2e_support.h"
#include "results/heat_result_section.h"
#include "storage/section_titles.h"
#include "support/fakes.h"
#include "timing/heat_result_files.h"

#include <gtest/gtest.h>

namespace ksy {
namespace {

using test::CliRun;
using test::runCli;

QString qs(const std::filesystem::path& p)
{
    return QString::fromStdString(p.string());
}

// Bad input: one line on standard error, status 2, nothing on standard output.
void expectRefused(const QStringList& arguments)
{
    const CliRun r = runCli(arguments);
    EXPECT_EQ(r.exitCode, 2) << arguments.join(' ').toStdString();
    EXPECT_TRUE(r.out.empty()) << r.out;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
}

TEST(CliResults, DetailAndAnalysisOfExchangeFiles)
{
    test::TempDir dir;
    const auto detail = dir.path() / "DetailResultats.res";
    test::writeFile(detail,
        "CLASSEMENTMeilleurTour\t\n"
        "Anne\t2\t61000\t3723456\t\n"
        "(NA)\t0\t\n"
        "Bruno\t3\t60000\t121000\t180500\t\n");
    EXPECT_EQ(runCli({"detail", qs(detail), "--view", "passages"}).out,
        "1\t1:01.000\t1:00.000\n2\t1:02:03.456\t2:01.000\n3\t\t3:00.500\n");
    EXPECT_EQ(runCli({"detail", qs(detail), "--view", "tours"}).out,
        "1\t1:01.000\t1:00.000\n2\t1:01:02.456\t1:01.000\n3\t\t59.500\n");
    // Positions for every lap, whatever the ranking mode.
    EXPECT_EQ(
        runCli({"detail", qs(detail), "--view", "positions"}).out, "1\t2\t1\n2\t2\t1\n3\t20\t1\n");

    const auto pilot = dir.path() / "ResultatPilote.res";
    test::writeFile(pilot, "Denis\t3\t0\t62300\t124250\t187350\t\n Juniors \tBerck\t.\t\n");
    const CliRun all = runCli({"analysis", qs(pilot)});
    EXPECT_EQ(all.exitCode, 0);
    EXPECT_EQ(all.out.rfind(
                  "best\t1:01.950\t2\nworst\t1:03.100\t3\nmean\t1:02.450\ndeviation\t0.481\n", 0),
        0u);
    // A range past n is clamped as the edits clamp it.
    const CliRun two =
        runCli({"analysis", qs(pilot), "--laps", "0-2", "--pdf", qs(dir.path() / "a.pdf")});
    EXPECT_EQ(two.exitCode, 0) << two.err;
    EXPECT_EQ(two.out.rfind("best\t1:01.950\t2\nworst\t1:02.300\t1\n", 0), 0u);
    EXPECT_EQ(test::readFile(dir.path() / "a.pdf").substr(0, 5), "%PDF-");
    EXPECT_EQ(runCli({"analysis", qs(pilot), "--laps", "2-900"}).out,
        runCli({"analysis", qs(pilot), "--laps", "2-3"}).out);

    expectRefused({"detail", qs(dir.path() / "absent.res"), "--view", "tours"});
    expectRefused({"detail", qs(detail), "--view", "temps"});
    expectRefused({"analysis", qs(pilot), "--laps", "3"});
    expectRefused({"analysis", qs(pilot), "--laps", "a-3"});
}

TEST(CliResults, BadExchangeFilesAreRefusedInOneLine)
{
    test::TempDir dir;
    const auto file = dir.path() / "bad.res";
    std::string negative = "CLASSEMENTTours\t\n";
    for (int k = 0; k < 150; ++k)
        negative += "P" + std::to_string(k) + "\t2\t-5000\t-2147483000\t\n";
    for (const std::string& bytes : {std::string(), std::string("\n \r\n"),
             std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), negative,
             std::string("CLASSEMENTTours\t\nAnne\t-7\t61000\t\n"),
             std::string("CLASSEMENTTours\t\nAnne\t9999\t61000\t\n"),
             std::string("CLASSEMENTTours\t\nAnne\t3\t61000\t\n"),
             std::string("CLASSEMENTTours\t\nAnne\t2\t61000\t1000\t\n")}) {
        test::writeFile(file, bytes);
        SCOPED_TRACE(bytes.substr(0, 40));
        expectRefused({"detail", qs(file), "--view", "tours"});
        expectRefused({"analysis", qs(file)});
    }
    // A pilot's run whose totals go back, or that misses its start reference.
    for (const std::string& bytes : {std::string("Denis\t2\t0\t62300\t1000\t\n"),
             std::string("Denis\t2\t62300\t124250\t\n")}) {
        test::writeFile(file, bytes);
        expectRefused({"analysis", qs(file)});
    }
}

TEST(CliResults, SheetOfAStoredHeat)
{
    test::TempDir dir;
    const RaceSpec spec = test::threeJuniors();
    const auto race = test::buildRaceFile(dir.path(), spec);
    ASSERT_FALSE(race.empty());
    RunEntryTable t = test::correctedJuniorsHeat();
    HeatResultTexts texts;
    texts.description = "Dur\xE9"
                        "e 0:05:00";
    texts.comment = "Sable mou";
    ASSERT_EQ(storeHeatResult(race, heatResultTitle(1, 1, 1), 3, t, texts), RewriteResult::Written);

    const auto pdf = dir.path() / "feuille.pdf";
    const CliRun r = runCli(
        {"sheet", qs(race), "--category", "1", "--round", "1", "--heat", "1", "--pdf", qs(pdf)});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(r.out.empty());
    EXPECT_EQ(test::readFile(pdf).substr(0, 5), "%PDF-");

    expectRefused(
        {"sheet", qs(race), "--category", "1", "--round", "2", "--heat", "1", "--pdf", qs(pdf)});
    expectRefused(
        {"sheet", qs(race), "--category", "2", "--round", "1", "--heat", "1", "--pdf", qs(pdf)});
    expectRefused({"sheet", qs(dir.path() / "none.race"), "--category", "1", "--round", "1",
        "--heat", "1", "--pdf", qs(pdf)});
    expectRefused({"sheet", qs(race), "--category", "1", "--round", "1", "--pdf", qs(pdf)});
}

} // namespace
} // namespace ksy
