#include "planning/duration_calculator.h"

#include <gtest/gtest.h>

using namespace ksy;

namespace {

struct Typed {
    int participants, perHeat, rounds, minutes, rest;
};

DurationCalculation typeIn(const Typed& t)
{
    DurationCalculation values;
    DurationCalculatorForm form(values);
    form.setParticipants(std::to_string(t.participants));
    form.setPilotsPerHeat(std::to_string(t.perHeat));
    form.setRounds(std::to_string(t.rounds));
    form.setHeatMinutes(std::to_string(t.minutes));
    form.setRestMinutes(std::to_string(t.rest));
    return values;
}

} // namespace

TEST(DurationCalculator, ComputesHeatsRoundedUpAndRestAfterEveryHeat)
{
    DurationCalculation a = typeIn({45, 10, 3, 8, 4});
    EXPECT_EQ(a.totalHeats, 15);
    EXPECT_EQ(durationText(a.totalMinutes), "3h00min");

    DurationCalculation b = typeIn({40, 10, 2, 7, 3});
    EXPECT_EQ(b.totalHeats, 8);
    EXPECT_EQ(durationText(b.totalMinutes), "1h20min");

    DurationCalculation c = typeIn({45, 0, 3, 8, 4});
    EXPECT_EQ(c.totalHeats, 0);
    EXPECT_EQ(durationText(c.totalMinutes), "0h00min");

    EXPECT_EQ(durationText(65), "1h05min");
}

TEST(DurationCalculator, ClampsWhileTypingAndKeepsValuesForTheNextOpening)
{
    DurationCalculation kept;
    {
        DurationCalculatorForm form(kept);
        EXPECT_EQ(form.setParticipants("250"), "200");
        EXPECT_EQ(kept.participants, 200);
        EXPECT_EQ(form.setPilotsPerHeat("25"), "20");
        EXPECT_EQ(form.setHeatMinutes("121"), "120");
        EXPECT_EQ(form.setRestMinutes("99"), std::nullopt);
        EXPECT_EQ(form.setRounds("2"), std::nullopt);
        EXPECT_EQ(form.setPilotsPerHeat(""), std::nullopt); // empty reads as 0
        EXPECT_EQ(form.totalHeatsText(), "0");
        form.setPilotsPerHeat("20");
        form.setLabel(std::string(60, 'x'));
        EXPECT_EQ(kept.categoryLabel.size(), 53u);
        form.setLabel("Cat\xC3\xA9gorie Standart");
        EXPECT_EQ(form.totalHeatsText(), "20");
        EXPECT_EQ(form.totalDurationText(), "73h00min"); // 20 heats of 219 min
    }
    DurationCalculatorForm reopened(kept);
    EXPECT_EQ(reopened.values().participants, 200);
    EXPECT_EQ(reopened.values().categoryLabel, "Cat\xC3\xA9gorie Standart");
    EXPECT_EQ(reopened.totalHeatsText(), "20");
}
