#include "databases/database_files.h"
#include "databases/database_writers.h"
#include "planning/race_track.h"
#include "planning/race_track_form.h"
#include "storage/race_file.h"
#include "storage/section_file.h"
#include "race_folder_fixture.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

using namespace ksy;
using ksy::test::FakePrompts;
using ksy::test::readFile;
using ksy::test::TempDir;
using ksy::test::writeFile;

namespace {

struct RaceFolder : ksy::test::NewRaceFolder {
    RaceFolder()
    {
        std::vector<Club> clubs(3);
        clubs[0].name = "CLV Berck";
        clubs[1].name = "Char \xE0 voile Cherrueix";
        writeClubs(folder.file(kClubFile), clubs);
        std::vector<Course> courses(2);
        courses[0].name = "Berck";
        courses[0].length = "1200";
        courses[0].lapRecordText = "1:02.345";
        courses[0].lapRecordMs = 62345;
        courses[0].recordHolder = "Jean Dupont";
        courses[0].lapProtectionTime = "15";
        courses[0].place = "Plage du Nord";
        courses[1].name = "Cherrueix";
        courses[1].lapProtectionTime = "1";
        writeCourses(folder.file(kCourseFile), courses);
    }
};

} // namespace

TEST(RaceTrackSection, IsAppendedThenRewrittenInPlace)
{
    RaceFolder r;
    const auto file = workingRaceFile(r.folder);
    RaceTrack track;
    EXPECT_TRUE(readRaceTrack(file, track)); // no section yet: cleared values stay
    EXPECT_EQ(track, RaceTrack {});

    track = {"Grand Prix de P\xE2ques", "CLV Berck", "Berck", 15};
    ASSERT_EQ(writeRaceTrack(file, track), RewriteResult::Written);
    const std::string line = "Grand Prix de P\xE2ques\tCLV Berck\tBerck\t15\t\n";
    EXPECT_EQ(formatRaceTrackLine(track), line);
    const std::string area = line + sectionFiller(75).substr(line.size());
    EXPECT_EQ(readFile(file), newRaceFileBytes() + "\nPisteCourse\t\n" + area);

    RaceTrack back;
    ASSERT_TRUE(readRaceTrack(file, back));
    EXPECT_EQ(back, track);

    // A shorter body keeps the filler tail behind it; the file keeps its size.
    ASSERT_EQ(writeRaceTrack(file, {"", "", "", 2}), RewriteResult::Written);
    const std::string shortLine = "\t\t\t2\t\n";
    EXPECT_EQ(readFile(file),
        newRaceFileBytes() + "\nPisteCourse\t\n" + shortLine +
            sectionFiller(75).substr(shortLine.size()));
    ASSERT_TRUE(readRaceTrack(file, back));
    EXPECT_EQ(back, (RaceTrack {"", "", "", 2}));

    // A hand-made protection time below 2 reads as 2.
    ASSERT_EQ(writeRaceTrack(file, {"A", "", "", 0}), RewriteResult::Written);
    ASSERT_TRUE(readRaceTrack(file, back));
    EXPECT_EQ(back.lapProtectionSeconds, 2);
    EXPECT_FALSE(readRaceTrack(r.dir.path() / "none.race", back));
}

TEST(RaceTrackForm, CourseChoiceCopiesItsProtectionTimeKeptAtTwoAtLeast)
{
    RaceFolder r;
    auto form = RaceTrackForm::open(r.folder, r.prompts);
    EXPECT_TRUE(r.prompts.boxes.empty());
    // The drop-down reads in French order, the club file keeps "CLV Berck" first.
    EXPECT_EQ(
        form.clubNames(), (std::vector<std::string> {"Char \xE0 voile Cherrueix", "CLV Berck"}));
    EXPECT_EQ(form.courseNames(), (std::vector<std::string> {"Berck", "Cherrueix"}));
    EXPECT_EQ(form.selectedCourse(), -1);
    EXPECT_EQ(form.text(RaceTrackForm::LapProtection), "2");

    form.chooseCourse(0);
    EXPECT_EQ(form.text(RaceTrackForm::LapProtection), "15");
    EXPECT_EQ(form.track().lapProtectionSeconds, 15);
    EXPECT_EQ(form.text(RaceTrackForm::CourseLength), "1200");
    EXPECT_EQ(form.text(RaceTrackForm::LapRecord), "1:02.345");
    EXPECT_EQ(form.text(RaceTrackForm::RecordHolder), "Jean Dupont");
    EXPECT_EQ(form.text(RaceTrackForm::Place), "Plage du Nord");

    form.typeLapProtection("0");
    EXPECT_EQ(form.text(RaceTrackForm::LapProtection), "0"); // the edit keeps it
    EXPECT_EQ(form.track().lapProtectionSeconds, 2);
    form.typeLapProtection("");
    EXPECT_EQ(form.track().lapProtectionSeconds, 2);
    form.typeLapProtection("1234");
    EXPECT_EQ(form.track().lapProtectionSeconds, 123);
    form.chooseCourse(1); // its own time is 1
    EXPECT_EQ(form.text(RaceTrackForm::LapProtection), "1");
    EXPECT_EQ(form.track().lapProtectionSeconds, 2);
}

TEST(RaceTrackForm, RaceNamesThatLookLikeTitlesAreEmptiedAtOnce)
{
    RaceTrackForm form({}, {}, {});
    form.typeRaceName("Coupe " + std::string("Cat\xE9gorie") + " Juniors");
    EXPECT_EQ(form.text(RaceTrackForm::RaceName), "");
    EXPECT_EQ(form.track().raceName, "");
    form.typeRaceName("PisteCourse");
    EXPECT_EQ(form.track().raceName, "");
    form.typeRaceName("PisteCourse 2");
    EXPECT_EQ(form.track().raceName, "PisteCourse 2");
    form.typeRaceName(std::string(60, 'n'));
    EXPECT_EQ(form.track().raceName, std::string(48, 'n'));
    EXPECT_FALSE(isAllowedRaceName("Cat\xE9gorie1"));
    EXPECT_TRUE(isAllowedRaceName("Categorie")); // only the accented word is a title
}

TEST(RaceTrackForm, DeletedClubOrCourseIsDroppedAndValiderStoresIt)
{
    RaceFolder r;
    const auto file = workingRaceFile(r.folder);
    ASSERT_EQ(writeRaceTrack(file, {"Finale", "Club disparu", "Berck", 7}), RewriteResult::Written);

    auto form = RaceTrackForm::open(r.folder, r.prompts);
    EXPECT_EQ(form.selectedClub(), -1);
    EXPECT_EQ(form.selectedCourse(), 0);
    EXPECT_EQ(form.text(RaceTrackForm::LapProtection), "7"); // the race's, not the course's
    EXPECT_EQ(form.text(RaceTrackForm::RaceName), "Finale");
    ASSERT_TRUE(form.save(r.folder, r.prompts));
    RaceTrack back;
    ASSERT_TRUE(readRaceTrack(file, back));
    EXPECT_EQ(back, (RaceTrack {"Finale", "", "Berck", 7}));

    form.chooseClub(0);
    ASSERT_TRUE(form.save(r.folder, r.prompts));
    ASSERT_TRUE(readRaceTrack(file, back));
    EXPECT_EQ(back.club, "Char \xE0 voile Cherrueix");
    EXPECT_TRUE(r.prompts.boxes.empty());
}

TEST(RaceTrackForm, MissingFilesAreReportedAndTheDialogStillWorks)
{
    TempDir dir;
    WorkFolder folder(dir.path());
    FakePrompts prompts;
    auto form = RaceTrackForm::open(folder, prompts);
    EXPECT_EQ(prompts.texts(),
        (std::vector<std::string> {"Erreur: impossible d'ouvrir la base de données Clubs",
            "Erreur: impossible d'ouvrir la base de données Parcours",
            "Erreur: impossible d'ouvrir le fichier Course"}));
    EXPECT_TRUE(form.clubNames().empty());
    form.typeRaceName("Course sans fichier");
    EXPECT_FALSE(form.save(folder, prompts));
    EXPECT_EQ(prompts.texts().back(), "Erreur: impossible d'ouvrir le fichier Course");
}
