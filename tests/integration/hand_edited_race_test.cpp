// Race files edited by hand or cut short, loaded with "Charger une course"
// in the real program: a header that counts more categories than a race can
// hold is refused for that reason; a file cut before a heat it marks as run
// loads, says which heat is missing, and keeps the bytes it has.
#include "e2e_support.h"
#include "results/heat_result_section.h"
#include "storage/race_file.h"
#include "storage/section_titles.h"
#include "support/fakes.h"
#include "trio_race.h"

#include <gtest/gtest.h>

namespace ksy {
namespace {

using test::readFile;

// The trio's heat stored with three laps each and flagged as run.
std::filesystem::path raceWithStoredHeat(const std::filesystem::path& dir)
{
    const auto file = test::buildRaceFile(dir, test::trio());
    if (file.empty())
        return file;
    RunEntryTable table;
    clearToEmptySlots(table);
    const char* names[] = {"ALPHA", "BRAVO", "CHARLIE"};
    for (int k = 1; k <= 3; ++k) {
        RunEntry& e = table.slot(k);
        e.number = k;
        e.pilotName = names[k - 1];
        e.passingCount = e.laps = 3;
        for (int lap = 1; lap <= 3; ++lap)
            e.lapTotals[static_cast<std::size_t>(lap)] = lap * 60000 + k * 100;
        e.totalTime = e.lapTotals[3];
        e.lapTimes[3] = e.bestLap = 60000;
    }
    HeatResultTexts texts;
    texts.description = "Durée 10 min - Départ 05/12/2026 10:00";
    HeatFlags flags;
    if (storeHeatResult(file, heatResultTitle(1, 1, 1), 3, table, texts) !=
            RewriteResult::Written ||
        !readHeatFlags(file, flags))
        return {};
    flags.set(1, 1, 1, true);
    if (writeHeatFlags(file, flags) != RewriteResult::Written)
        return {};
    return file;
}

int count(const std::string& text, const std::string& what)
{
    int n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

TEST(HandEditedRace, AFileCutBeforeARunHeatLoadsSaysWhichHeatIsMissingAndKeepsItsBytes)
{
    test::TempDir dir;
    const auto raceFile = raceWithStoredHeat(dir.path());
    ASSERT_FALSE(raceFile.empty());
    const std::string whole = readFile(raceFile);
    const std::size_t heat = whole.find("\n\n" + heatResultTitle(1, 1, 1) + "\t");
    ASSERT_NE(heat, std::string::npos);
    const std::string cut = whole.substr(0, heat + 1);
    test::writeFile(raceFile, cut);

    const WorkFolder work(dir.path() / "work");
    const test::ScriptedRun run = test::runScripted(work,
        {"file " + raceFile.string(), "command 1002", "wait 300", "select 13101", "wait 300",
            "select 10000", "wait 300", "quit"},
        nullptr);
    ASSERT_TRUE(run.finished) << run.errors;
    EXPECT_EQ(count(run.errors, "Catégorie1M1S1 : absente"), 1) << run.errors;
    EXPECT_EQ(run.errors.find("Erreur"), std::string::npos) << run.errors;
    // Saved on quitting: only the header's selection may differ; no empty
    // heat was written in place of the missing one, and its flag stays.
    const std::string saved = readFile(raceFile);
    const std::size_t header = 2 * kHeaderReserve + 1;
    EXPECT_TRUE(saved.substr(header) == cut.substr(header));
    HeatFlags flags;
    ASSERT_TRUE(readHeatFlags(raceFile, flags));
    EXPECT_EQ(flags.get(1, 1, 1), 1);
}

TEST(HandEditedRace, AHeaderWithTwelveCategoriesIsRefusedForItsCount)
{
    test::TempDir dir;
    const auto raceFile = raceWithStoredHeat(dir.path());
    ASSERT_FALSE(raceFile.empty());
    std::string bytes = readFile(raceFile);
    const std::size_t count = bytes.find('\t') + 1;
    ASSERT_EQ(bytes.substr(count, 2), "1\t");
    bytes.replace(count, 1, "12");
    test::writeFile(raceFile, bytes);

    const WorkFolder work(dir.path() / "work");
    const test::ScriptedRun run = test::runScripted(
        work, {"file " + raceFile.string(), "command 1002", "wait 300", "quit"}, nullptr);
    ASSERT_TRUE(run.finished) << run.errors;
    EXPECT_NE(run.errors.find("ligne 1 : nombre de catégories 12 hors limites (0 à 9)"),
        std::string::npos)
        << run.errors;
    EXPECT_EQ(run.errors.find("introuvable"), std::string::npos) << run.errors;
    EXPECT_TRUE(readFile(raceFile) == bytes);
}

} // namespace
} // namespace ksy
