#include "display/result_edit_apply.h"
#include "display/result_edit_form.h"

#include <gtest/gtest.h>

namespace ksy {
namespace {

std::vector<int> ids(const ResultEditForm& f)
{
    std::vector<int> out;
    for (const EditField& e : f.fields())
        out.push_back(e.id);
    return out;
}

TEST(BoardEdit, FieldsOfEachCell)
{
    EXPECT_EQ(editedValueForColumn(2), EditedValue::Laps);
    EXPECT_EQ(editedValueForColumn(3), EditedValue::TotalTime);
    EXPECT_EQ(editedValueForColumn(6), EditedValue::LastLap);
    EXPECT_EQ(editedValueForColumn(7), EditedValue::BestLap);
    EXPECT_FALSE(editedValueForColumn(1));
    EXPECT_FALSE(editedValueForColumn(4));

    const ResultEditForm laps(EditedValue::Laps, 12);
    ASSERT_EQ(laps.fields().size(), 1u);
    EXPECT_EQ(laps.fields()[0].id, 6201);
    EXPECT_EQ(laps.fields()[0].maxChars, 3);
    EXPECT_EQ(laps.fields()[0].text, "12");

    const ResultEditForm total(EditedValue::TotalTime, 3723004); // 1:02:03.004
    EXPECT_EQ(ids(total), (std::vector<int> {6202, 6203, 6204, 6205}));
    std::vector<std::string> texts;
    std::vector<int> limits;
    for (const EditField& e : total.fields()) {
        texts.push_back(e.text);
        limits.push_back(e.maxChars);
    }
    EXPECT_EQ(texts, (std::vector<std::string> {"1", "02", "03", "004"}));
    EXPECT_EQ(limits, (std::vector<int> {1, 2, 2, 3}));
    EXPECT_EQ(total.value(), 3723004);
    EXPECT_EQ(
        ids(ResultEditForm(EditedValue::LastLap, 0)), (std::vector<int> {6206, 6207, 6208, 6209}));
    EXPECT_EQ(
        ids(ResultEditForm(EditedValue::BestLap, 0)), (std::vector<int> {6210, 6211, 6212, 6213}));
}

TEST(BoardEdit, TypingClampsAndRecomposesTheTime)
{
    ResultEditForm f(EditedValue::BestLap, 83456); // 0:01:23.456
    EXPECT_EQ(f.change(6211, "75"), "59"); // minutes above 59
    EXPECT_EQ(f.value(), 59 * 60000 + 23456);
    EXPECT_EQ(f.change(6212, "7"), std::nullopt); // plain edit: no rewrite
    EXPECT_EQ(f.value(), 59 * 60000 + 7456);
    EXPECT_EQ(f.change(6213, "12345"), "123"); // character limit
    EXPECT_EQ(f.change(6210, "2x"), "2"); // digits only
    EXPECT_EQ(f.value(), 2 * 3600000 + 59 * 60000 + 7123);
    EXPECT_EQ(f.change(6212, ""), std::nullopt); // empty counts as 0
    EXPECT_EQ(f.value(), 2 * 3600000 + 59 * 60000 + 123);
    EXPECT_EQ(f.change(6203, "5"), std::nullopt); // another cell's id: ignored
    EXPECT_EQ(f.value(), 2 * 3600000 + 59 * 60000 + 123);

    ResultEditForm laps(EditedValue::Laps, 3);
    EXPECT_EQ(laps.change(6201, "99"), std::nullopt); // laps have no 59 limit
    EXPECT_EQ(laps.value(), 99);
    EXPECT_EQ(laps.change(6201, "1234"), "123");
}

TEST(BoardEdit, ValueGoesIntoEverySlotOfThePilot)
{
    RunEntryTable t;
    clearToEmptySlots(t);
    t.slot(2).pilotName = "DUPONT Jean";
    t.slot(2).laps = 4;
    t.slot(7).pilotName = "DUPONT Jean";
    t.slot(7).laps = 200; // out of the lap table: the last cell is used
    t.slot(3).pilotName = "DUPONT Jeanne";

    applyResultEdit(t, "DUPONT Jean", EditedValue::TotalTime, 600000);
    applyResultEdit(t, "DUPONT Jean", EditedValue::Laps, 9);
    applyResultEdit(t, "DUPONT Jean", EditedValue::BestLap, 48000);
    applyResultEdit(t, "DUPONT Jean", EditedValue::LastLap, 51000);
    for (int n : {2, 7}) {
        EXPECT_EQ(t.slot(n).totalTime, 600000);
        EXPECT_EQ(t.slot(n).passingCount, 9);
        EXPECT_EQ(t.slot(n).bestLap, 48000);
    }
    EXPECT_EQ(t.slot(2).lapTimes[4], 51000);
    EXPECT_EQ(t.slot(7).lapTimes[kMaxLaps], 51000);
    EXPECT_EQ(t.slot(3).totalTime, 0);
    EXPECT_EQ(t.slot(3).passingCount, 0);

    const auto rects = editFieldRects({100, 50, 204, 80}, 4);
    ASSERT_EQ(rects.size(), 4u);
    EXPECT_EQ(rects[0], (Rect {102, 52, 127, 78}));
    EXPECT_EQ(rects[3].right, 202);
    EXPECT_EQ(rects[1].left, rects[0].right);
}

} // namespace
} // namespace ksy
