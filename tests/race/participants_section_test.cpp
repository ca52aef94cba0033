#include "race/heat_plan.h"
#include "race/participants.h"
#include "storage/race_file.h"
#include "storage/section_titles.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

using namespace ksy;
using ksy::test::FakePrompts;
using ksy::test::readFile;
using ksy::test::TempDir;
using ksy::test::writeFile;

namespace {

const std::string kListTitle = "Cat\xE9gorie"
                               "2ListeParticipants";
const std::string kPlanTitle = "Cat\xE9gorie"
                               "2R\xE9partitionQualifs";

std::string participantArea(const std::string& body)
{
    return body + sectionFiller(9000).substr(body.size());
}

} // namespace

TEST(ParticipantListSection, WritesTwoHundredLinesAndReadsThemBack)
{
    TempDir dir;
    const auto file = dir.path() / "Course.race";
    writeFile(file, newRaceFileBytes());

    ParticipantList list;
    list.at(0) = {"Albert L\xE9on", "000123", {"27.045", "", "", "", "2.4Ghz"}};
    list.at(1) = {"Durand Paul", "065535", {}};
    ASSERT_EQ(writeParticipantList(file, 2, list, true), RewriteResult::Written);

    std::string body = "Albert L\xE9on\t000123\t27.045\t\t\t\t2.4Ghz\t\n"
                       "Durand Paul\t065535\t\t\t\t\t\t\n";
    for (int i = 2; i < 200; ++i)
        body += "\t\t\t\t\t\t\t\n";
    EXPECT_EQ(formatParticipantListBody(list), body);
    EXPECT_EQ(
        readFile(file), newRaceFileBytes() + "\n" + kListTitle + "\t\n" + participantArea(body));

    ParticipantList back;
    back.at(5).name = "stale";
    ASSERT_EQ(readParticipantList(file, 2, back), ParticipantListRead::Ok);
    EXPECT_EQ(back, list);
    EXPECT_EQ(back.count(), 2);
    EXPECT_EQ(readParticipantList(file, 3, back), ParticipantListRead::Absent);
    EXPECT_EQ(readParticipantList(dir.path() / "none", 2, back), ParticipantListRead::CannotOpen);

    // The largest body (200 full lines) fits the reserve: the file keeps its size.
    const auto size = readFile(file).size();
    for (int i = 0; i < 200; ++i)
        list.at(i) = {std::string(39, static_cast<char>('A' + i % 26)), "012345",
            {"123456", "123456", "123456", "123456", "123456"}};
    EXPECT_EQ(formatParticipantListBody(list).size(), 200u * 83u);
    ASSERT_EQ(writeParticipantList(file, 2, list, true), RewriteResult::Written);
    EXPECT_EQ(readFile(file).size(), size);
    ASSERT_EQ(readParticipantList(file, 2, back), ParticipantListRead::Ok);
    EXPECT_EQ(back, list);
}

TEST(ParticipantListSection, DetailsSaveNeverCreatesTheSection)
{
    TempDir dir;
    const auto file = dir.path() / "Course.race";
    writeFile(file, newRaceFileBytes());
    FakePrompts prompts;
    ParticipantList list;
    list.at(0).name = "Durand";
    EXPECT_EQ(writeParticipantList(file, 1, list, false, &prompts), RewriteResult::TitleNotFound);
    EXPECT_EQ(readFile(file), newRaceFileBytes());
    ASSERT_EQ(prompts.texts(),
        std::vector<std::string> {"Erreur: liste des participants non trouv\xC3\xA9"
                                  "e"});

    HeatPlan plan;
    EXPECT_EQ(writeHeatPlan(file, 1, plan, false, &prompts), RewriteResult::TitleNotFound);
    EXPECT_EQ(readFile(file), newRaceFileBytes());
    EXPECT_EQ(prompts.texts().back(),
        "Erreur: Intitul\xC3\xA9 de R\xC3\xA9partition des qualifs non trouv\xC3\xA9");
}

TEST(HeatPlanSection, WritesTheFlagLineAndTwoHundredTwentyEntries)
{
    TempDir dir;
    const auto file = dir.path() / "Course.race";
    writeFile(file, newRaceFileBytes());

    HeatPlan plan;
    EXPECT_EQ(plan.length(), 0);
    EXPECT_EQ(plan.heatsPerRound(), 1);
    plan.at(0) = "Durand";
    plan.at(1) = "Albert";
    ASSERT_EQ(writeHeatPlan(file, 2, plan, true), RewriteResult::Written);

    std::string body = "0\t10\t1\t\nDurand\t\nAlbert\t\n";
    for (int i = 2; i < 220; ++i)
        body += "(NA)\t\n";
    EXPECT_EQ(formatHeatPlanBody(plan), body);
    EXPECT_EQ(readFile(file),
        newRaceFileBytes() + "\n" + kPlanTitle + "\t\n" + body +
            sectionFiller(4625).substr(body.size()));

    HeatPlan back;
    back.pilotsPerHeat = 3;
    ASSERT_EQ(readHeatPlan(file, 2, back), HeatPlanRead::Ok);
    EXPECT_EQ(back, plan);
    EXPECT_EQ(readHeatPlan(file, 1, back), HeatPlanRead::Absent);

    // The largest body fits its reserve; a later rewrite keeps the file size.
    const auto size = readFile(file).size();
    for (int i = 0; i < 220; ++i)
        plan.at(i) = std::string(39, 'x');
    plan.resultsStored = 1;
    plan.pilotsPerHeat = 20;
    plan.rounds = 9;
    ASSERT_EQ(writeHeatPlan(file, 2, plan, false), RewriteResult::Written);
    EXPECT_EQ(readFile(file).size(), size);
    ASSERT_EQ(readHeatPlan(file, 2, back), HeatPlanRead::Ok);
    EXPECT_EQ(back, plan);

    // 25 entries at 10 per heat: 3 heats; a gap at 26 counts in the length.
    HeatPlan counts;
    for (int i = 0; i < 25; ++i)
        counts.at(i) = "P" + std::to_string(i);
    EXPECT_EQ(counts.heatsPerRound(), 3);
    counts.pilotsPerHeat = 20;
    EXPECT_EQ(counts.heatsPerRound(), 2);
    counts.pilotsPerHeat = 0;
    EXPECT_EQ(counts.heatsPerRound(), 0);
}
