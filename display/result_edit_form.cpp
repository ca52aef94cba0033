#include "display/result_edit_form.h"

#include "display/result_edit_apply.h"

#include <algorithm>
#include <cstdio>

namespace ksy {

namespace {

std::string format(const char* pattern, std::int32_t v)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, pattern, static_cast<int>(v));
    return buffer;
}

int firstFieldId(EditedValue what)
{
    switch (what) {
    case EditedValue::Laps:
        return 6201;
    case EditedValue::TotalTime:
        return 6202;
    case EditedValue::LastLap:
        return 6206;
    case EditedValue::BestLap:
        return 6210;
    }
    return 6201;
}

} // namespace

std::optional<EditedValue> editedValueForColumn(int column)
{
    switch (column) {
    case 2:
        return EditedValue::Laps;
    case 3:
        return EditedValue::TotalTime;
    case 6:
        return EditedValue::LastLap;
    case 7:
        return EditedValue::BestLap;
    default:
        return std::nullopt;
    }
}

ResultEditForm::ResultEditForm(EditedValue what, std::int32_t value)
    : what_(what)
{
    value = std::max<std::int32_t>(0, value);
    const int first = firstFieldId(what);
    if (what == EditedValue::Laps) {
        parts_[0] = value;
        fields_.push_back({first, 3, format("%d", value)});
        return;
    }
    parts_ = {value / 3600000, value / 60000 % 60, value / 1000 % 60, value % 1000};
    fields_.push_back({first, 1, format("%d", parts_[0])});
    fields_.push_back({first + 1, 2, format("%02d", parts_[1])});
    fields_.push_back({first + 2, 2, format("%02d", parts_[2])});
    fields_.push_back({first + 3, 3, format("%03d", parts_[3])});
}

std::optional<std::string> ResultEditForm::change(int id, std::string_view text)
{
    const int index = id - firstFieldId(what_);
    if (index < 0 || index >= static_cast<int>(fields_.size()))
        return std::nullopt;
    const EditField& field = fields_[static_cast<std::size_t>(index)];

    std::string digits;
    for (char c : text)
        if (c >= '0' && c <= '9' && static_cast<int>(digits.size()) < field.maxChars)
            digits += c;
    bool rewrite = digits != text;

    std::int32_t part = 0;
    for (char c : digits)
        part = part * 10 + (c - '0');
    const bool minutesOrSeconds = what_ != EditedValue::Laps && (index == 1 || index == 2);
    if (minutesOrSeconds && part > 59) {
        part = 59;
        digits = format("%d", part);
        rewrite = true;
    }
    parts_[static_cast<std::size_t>(index)] = part;
    if (rewrite)
        return digits;
    return std::nullopt;
}

std::int32_t ResultEditForm::value() const
{
    if (what_ == EditedValue::Laps)
        return parts_[0];
    return parts_[0] * 3600000 + parts_[1] * 60000 + parts_[2] * 1000 + parts_[3];
}

void applyResultEdit(
    RunEntryTable& table, std::string_view pilotName, EditedValue what, std::int32_t value)
{
    for (RunEntry& entry : table.slots) {
        if (entry.pilotName != pilotName)
            continue;
        switch (what) {
        case EditedValue::Laps:
            entry.passingCount = value;
            break;
        case EditedValue::TotalTime:
            entry.totalTime = value;
            break;
        case EditedValue::LastLap:
            entry.lapTimes[static_cast<std::size_t>(std::clamp(entry.laps, 0, kMaxLaps))] = value;
            break;
        case EditedValue::BestLap:
            entry.bestLap = value;
            break;
        }
    }
}

std::vector<Rect> editFieldRects(const Rect& cell, int count)
{
    std::vector<Rect> rects;
    const int left = cell.left + 2;
    const int width = std::max(0, cell.right - 2 - left);
    for (int i = 0; i < count; ++i)
        rects.push_back({left + width * i / count, cell.top + 2, left + width * (i + 1) / count,
            cell.bottom - 2});
    return rects;
}

} // namespace ksy
