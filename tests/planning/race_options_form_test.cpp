#include "planning/race_options_form.h"

#include "support/fakes.h"

#include <gtest/gtest.h>

using namespace ksy;
using F = RaceOptionsForm;
using ksy::test::FakePrompts;
using ksy::test::readFile;
using ksy::test::TempDir;
using ksy::test::writeFile;

TEST(RaceOptionsForm, DurationModeSwapsTheEditsAndTheEndGroups)
{
    F form("CATEGORIE 1", RaceOptions{});
    EXPECT_TRUE(form.isChecked(F::TimeMode));
    EXPECT_TRUE(form.isVisible(F::MinutesEdit) && form.isVisible(F::MinutesUnit));
    EXPECT_FALSE(form.isVisible(F::LapsEdit) || form.isVisible(F::LapsUnit));
    for (int id : {F::TimedGroup, F::TimedSignal, F::TimedFinishLap, F::TimedSandYacht})
        EXPECT_TRUE(form.isEnabled(id)) << id;
    for (int id : {F::LapsGroup, F::LapsSignal, F::LapsFinishLap, F::LapsAllLaps})
        EXPECT_FALSE(form.isEnabled(id)) << id;
    EXPECT_TRUE(form.isChecked(F::TimedSandYacht));
    EXPECT_TRUE(form.isChecked(F::LapsFinishLap));

    form.click(F::LapsSignal); // disabled: ignored
    EXPECT_EQ(form.options().lapsEnd, LapsEnd::FinishLap);

    form.click(F::LapsMode);
    EXPECT_EQ(form.options().durationMode, DurationMode::Laps);
    EXPECT_FALSE(form.isVisible(F::MinutesEdit));
    EXPECT_TRUE(form.isVisible(F::LapsEdit) && form.isVisible(F::LapsUnit));
    EXPECT_FALSE(form.isEnabled(F::TimedSandYacht));
    EXPECT_TRUE(form.isEnabled(F::LapsSignal));
    form.click(F::LapsSignal);
    form.click(F::RankBestLap);
    form.click(F::EditableOrder);
    EXPECT_EQ(form.options().lapsEnd, LapsEnd::SoundSignal);
    EXPECT_EQ(form.options().ranking, RankingMode::BestLap);
    EXPECT_TRUE(form.isChecked(F::EditableOrder));
    form.click(F::EditableOrder);
    EXPECT_EQ(form.options().order, StartOrder::Fixed);
    // Both end rules are kept, whichever mode is active.
    EXPECT_EQ(form.options().timedEnd, TimedEnd::SandYacht);
}

TEST(RaceOptionsForm, StaggeredStartForcesTheEndRulesUntilAnotherStartIsChosen)
{
    RaceOptions o;
    o.timedEnd = TimedEnd::SoundSignal;
    F form("C", o);
    form.click(F::StartStaggered);
    EXPECT_EQ(form.options().timedEnd, TimedEnd::FinishLap);
    EXPECT_EQ(form.options().lapsEnd, LapsEnd::AllLaps);
    EXPECT_TRUE(form.isChecked(F::TimedFinishLap));
    EXPECT_FALSE(form.isChecked(F::TimedSignal));
    for (int id : {F::TimedSignal, F::TimedSandYacht, F::LapsSignal, F::LapsFinishLap})
        EXPECT_FALSE(form.isEnabled(id)) << id;
    EXPECT_TRUE(form.isEnabled(F::TimedFinishLap));
    form.click(F::TimedSandYacht);
    EXPECT_EQ(form.options().timedEnd, TimedEnd::FinishLap);

    // Switching the duration keeps the two other choices of the new group grey.
    form.click(F::LapsMode);
    EXPECT_TRUE(form.isEnabled(F::LapsAllLaps));
    EXPECT_FALSE(form.isEnabled(F::LapsSignal) || form.isEnabled(F::LapsFinishLap));
    form.click(F::TimeMode);

    // Another start type re-enables the choices of the active group only.
    form.click(F::StartFirstCar);
    EXPECT_TRUE(form.isEnabled(F::TimedSignal) && form.isEnabled(F::TimedSandYacht));
    EXPECT_FALSE(form.isEnabled(F::LapsSignal) || form.isEnabled(F::LapsFinishLap));
    EXPECT_EQ(form.options().timedEnd, TimedEnd::FinishLap); // the forced choice stays
}

TEST(RaceOptionsForm, NumericEditsClampWhileTyping)
{
    F form("C", RaceOptions{});
    EXPECT_EQ(form.editText(F::MinutesEdit), "1");
    EXPECT_EQ(form.editText(F::CountdownEdit), "5");

    form.typeText(F::MinutesEdit, "75");
    EXPECT_EQ(form.editText(F::MinutesEdit), "60");
    EXPECT_EQ(form.options().minutes, 60);
    form.typeText(F::MinutesEdit, "");
    EXPECT_EQ(form.editText(F::MinutesEdit), "");
    EXPECT_EQ(form.options().minutes, 1);
    form.typeText(F::MinutesEdit, "0");
    EXPECT_EQ(form.editText(F::MinutesEdit), "0");
    EXPECT_EQ(form.options().minutes, 1);

    form.typeText(F::CountdownEdit, "4000");
    EXPECT_EQ(form.editText(F::CountdownEdit), "3600");
    EXPECT_EQ(form.options().countdownSeconds, 3600);
    form.typeText(F::CountdownEdit, "0");
    EXPECT_EQ(form.options().countdownSeconds, 0);
    form.typeText(F::CountdownEdit, "123456"); // cut to 4 characters
    EXPECT_EQ(form.editText(F::CountdownEdit), "1234");

    form.typeText(F::LapsEdit, "151");
    EXPECT_EQ(form.editText(F::LapsEdit), "150");
    form.typeText(F::LapsEdit, "");
    EXPECT_EQ(form.options().laps, 1);
    form.typeText(F::LapsEdit, "42");
    EXPECT_EQ(form.options().laps, 42);

    form.typeText(F::RestEdit, "9a9"); // digits only
    EXPECT_EQ(form.editText(F::RestEdit), "99");
    EXPECT_EQ(form.options().restMinutes, 99);
    form.typeText(F::RestEdit, "");
    EXPECT_EQ(form.options().restMinutes, 0);
    EXPECT_EQ(F::maxLength(F::MinutesEdit), 2);
    EXPECT_EQ(F::maxLength(F::LapsEdit), 3);
}

TEST(RaceOptionsForm, OpensWithStoredValuesAndSavesOnlyOnValider)
{
    TempDir dir;
    const WorkFolder wf(dir.path());
    FakePrompts prompts;

    // No race file: the error, the defaults; saving writes nothing.
    F missing = F::open(wf, 1, "C", prompts);
    EXPECT_EQ(missing.options(), RaceOptions{});
    EXPECT_EQ(missing.save(wf, 1, prompts), RaceOptionsIo::CannotOpen);
    ASSERT_EQ(prompts.boxes.size(), 2u);
    EXPECT_EQ(prompts.boxes[0].title, "Erreur");
    EXPECT_EQ(prompts.boxes[0].text, "Erreur: impossible d'ouvrir le fichier Course");
    EXPECT_EQ(prompts.boxes[1].text, "Erreur: impossible d'ouvrir le fichier Course");

    writeFile(wf.file("Private/Course.race"), "1\t0\t\n");
    F form = F::open(wf, 4, "Cadets", prompts);
    EXPECT_EQ(form.categoryName(), "Cadets");
    form.typeText(F::MinutesEdit, "12");
    form.click(F::RankBestLap);
    // "Echap" simply drops the form: the file keeps its bytes.
    EXPECT_EQ(readFile(wf.file("Private/Course.race")), "1\t0\t\n");
    EXPECT_EQ(F::open(wf, 4, "Cadets", prompts).options(), RaceOptions{});

    ASSERT_EQ(form.save(wf, 4, prompts), RaceOptionsIo::Ok);
    const F again = F::open(wf, 4, "Cadets", prompts);
    EXPECT_EQ(again.options(), form.options());
    EXPECT_EQ(again.editText(F::MinutesEdit), "12");
    EXPECT_TRUE(again.isChecked(F::RankBestLap));
    EXPECT_EQ(prompts.boxes.size(), 2u);
}
