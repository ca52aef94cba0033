#include "race/race_options.h"

#include "storage/encoding.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

using namespace ksy;
using ksy::test::readFile;
using ksy::test::TempDir;
using ksy::test::writeFile;

namespace {

const std::string kLongestLine = "CLASSEMENTMeilleurTour\tDUREESERIETours\t60\t150\t3600\t99\t"
                                 "DEPARTPremiereVoiture\tORDREDEPARTModifiable\t"
                                 "FINTEMPSSignalSonore\tFINTOURFaireTousLesTours\t\n";

std::string filler(int pairs)
{
    std::string s;
    for (int i = 0; i < pairs; ++i)
        s += "1\t";
    return s + "\n";
}

} // namespace

TEST(RaceOptions, DefaultsAndTheHeatRunFallbackDifferOnlyInTheTimedEnd)
{
    const RaceOptions dialog;
    EXPECT_EQ(formatRaceOptionsLine(dialog),
              "CLASSEMENTToursTemps\tDUREESERIETemps\t1\t1\t5\t0\tDEPARTSignalSonore\t"
              "ORDREDEPARTFixe\tFINTEMPSCharsVoile\tFINTOURFinirTour\t\n");
    EXPECT_EQ(raceOptionsTitle(3), "Cat\xE9gorie3QualifsParam\xE8tres");
}

TEST(RaceOptions, TheLongestLineFitsItsAreaAndReadsBack)
{
    // 144 characters before the line feed, inside the 160 of the area.
    ASSERT_EQ(kLongestLine.size(), 145u);
    RaceOptions o;
    parseRaceOptionsLine(kLongestLine + "1\t1\t\n", o);
    EXPECT_EQ(o.ranking, RankingMode::BestLap);
    EXPECT_EQ(o.durationMode, DurationMode::Laps);
    EXPECT_EQ(o.minutes, 60);
    EXPECT_EQ(o.laps, 150);
    EXPECT_EQ(o.countdownSeconds, 3600);
    EXPECT_EQ(o.restMinutes, 99);
    EXPECT_EQ(o.start, StartType::FirstCar);
    EXPECT_EQ(o.order, StartOrder::Editable);
    EXPECT_EQ(o.timedEnd, TimedEnd::SoundSignal);
    EXPECT_EQ(o.lapsEnd, LapsEnd::AllLaps);
    EXPECT_EQ(formatRaceOptionsLine(o), kLongestLine);
    EXPECT_EQ(activeEndKeyword(o), "FINTOURFaireTousLesTours");
}

TEST(RaceOptions, DamagedFieldsKeepTheirValueAndNumbersStayInBounds)
{
    RaceOptions o = RaceOptions{};
    // Unknown keywords, a malformed number, values outside the dialog's bounds.
    parseRaceOptionsLine("CLASSEMENTToursTempsX\tDUREESERIETours\t0\t999\tabc\t-4\t"
                         "DEPARTDecale\tORDRE\t\t\n",
                         o);
    EXPECT_EQ(o.ranking, RankingMode::LapsThenTime);
    EXPECT_EQ(o.durationMode, DurationMode::Laps);
    EXPECT_EQ(o.minutes, 1);
    EXPECT_EQ(o.laps, 150);
    EXPECT_EQ(o.countdownSeconds, 5); // malformed: kept
    EXPECT_EQ(o.timedEnd, TimedEnd::SandYacht);
    EXPECT_EQ(o.order, StartOrder::Fixed);

    // A truncated line (end of file inside the section) keeps the rest.
    RaceOptions p;
    parseRaceOptionsLine("CLASSEMENTMeilleurTour\tDUREESERIETours\t12", p);
    EXPECT_EQ(p.ranking, RankingMode::BestLap);
    EXPECT_EQ(p.minutes, 12);
    EXPECT_EQ(p.laps, 1);
    EXPECT_EQ(p.lapsEnd, LapsEnd::FinishLap);
}

TEST(RaceOptions, SectionIsReadFromTheRaceFileAndWrittenInPlace)
{
    TempDir dir;
    const WorkFolder wf(dir.path());
    RaceOptions o;
    EXPECT_EQ(readRaceOptions(wf, 1, o), RaceOptionsIo::CannotOpen);
    EXPECT_EQ(writeRaceOptions(wf, 1, o), RaceOptionsIo::CannotOpen);
    EXPECT_FALSE(std::filesystem::exists(wf.file("Private/Course.race")));

    const std::string head = "1\t0\t\n" + cp1252("CatégorieDrapeauxTreeview") + "\t\n" + filler(3);
    writeFile(wf.file("Private/Course.race"), head);
    EXPECT_EQ(readRaceOptions(wf, 2, o), RaceOptionsIo::Ok); // absent: unchanged
    EXPECT_EQ(o, RaceOptions{});

    // Appended at the end, preceded by an empty line, in an 80-pair area.
    RaceOptions changed;
    changed.durationMode = DurationMode::Laps;
    changed.laps = 12;
    changed.start = StartType::Staggered;
    changed.timedEnd = TimedEnd::FinishLap;
    changed.lapsEnd = LapsEnd::AllLaps;
    ASSERT_EQ(writeRaceOptions(wf, 2, changed), RaceOptionsIo::Ok);
    const std::string line = formatRaceOptionsLine(changed);
    const std::string area = filler(80);
    const std::string expected = head + "\n" + raceOptionsTitle(2) + "\t\n" + line +
                                 area.substr(line.size());
    EXPECT_EQ(readFile(wf.file("Private/Course.race")), expected);

    // Another category's section after it stays in place when this one is
    // rewritten with a shorter line; writing twice gives the same bytes.
    ASSERT_EQ(writeRaceOptions(wf, 3, RaceOptions{}), RaceOptionsIo::Ok);
    const std::string withThird = readFile(wf.file("Private/Course.race"));
    ASSERT_EQ(writeRaceOptions(wf, 2, RaceOptions{}), RaceOptionsIo::Ok);
    ASSERT_EQ(writeRaceOptions(wf, 2, changed), RaceOptionsIo::Ok);
    EXPECT_EQ(readFile(wf.file("Private/Course.race")), withThird);

    RaceOptions back;
    ASSERT_EQ(readRaceOptions(wf, 2, back), RaceOptionsIo::Ok);
    EXPECT_EQ(back, changed);
    ASSERT_EQ(readRaceOptions(wf, 3, back), RaceOptionsIo::Ok);
    EXPECT_EQ(back, RaceOptions{});
}
