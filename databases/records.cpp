#include "databases/records.h"

namespace ksy {

bool isReservedName(std::string_view name)
{
    return name == "(NA)" || name == "PisteCourse" ||
        name.find("Cat\xE9gorie") != std::string_view::npos;
}

LapRecordParts splitLapRecord(std::int32_t ms)
{
    return {ms / 3600000, ms % 3600000 / 60000, ms % 60000 / 1000, ms % 1000};
}

} // namespace ksy
