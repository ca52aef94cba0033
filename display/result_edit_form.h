#pragma once
// Correcting a heat's result on the board: numeric fields opened over the
// "Tours", "Temps total", "Dernier tour" or "Meilleur tour" cell of a row.
// Every change is copied into each slot of the same pilot at once
// (result_edit_apply.h).
#include "services/canvas.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ksy {

enum class EditedValue { Laps, TotalTime, LastLap, BestLap };

// Which value a board column edits, if any.
std::optional<EditedValue> editedValueForColumn(int column);

struct EditField {
    int id = 0;
    int maxChars = 0;
    std::string text; // initial text
};

class ResultEditForm {
public:
    // `value` is the passing count for Laps, else a time in milliseconds.
    ResultEditForm(EditedValue what, std::int32_t value);

    EditedValue what() const { return what_; }
    const std::vector<EditField>& fields() const { return fields_; }

    // A field's text changed. Applies its character limit, keeps digits only
    // and clamps minutes and seconds to 59; returns the text to write back
    // into the field when it had to be rewritten.
    std::optional<std::string> change(int id, std::string_view text);

    // The value the fields stand for (time recomposed from its parts).
    std::int32_t value() const;

private:
    EditedValue what_;
    std::vector<EditField> fields_;
    std::array<std::int32_t, 4> parts_ {}; // laps in [0]; else h, min, s, ms
};

// Rectangles of `count` fields side by side, 2 pixels inside the cell.
std::vector<Rect> editFieldRects(const Rect& cell, int count);

} // namespace ksy
