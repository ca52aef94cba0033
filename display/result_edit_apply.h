#pragma once
// Kept apart from the form: the run entries' member names clash with Qt's
// keywords in widget headers.
#include "display/result_edit_form.h"
#include "race/run_entry.h"

#include <cstdint>
#include <string_view>

namespace ksy {

// Writes the value into every slot whose pilot is `pilotName`: passing count,
// total time, the lap time of its current lap, or best lap. The caller marks
// the heat as no longer ready to start.
void applyResultEdit(
    RunEntryTable& table, std::string_view pilotName, EditedValue what, std::int32_t value);

} // namespace ksy
