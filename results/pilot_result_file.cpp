#include "results/pilot_result_file.h"

#include "results/text_fields.h"
#include "storage/field_writer.h"

#include <algorithm>

namespace ksy {
namespace {

std::string_view nextLine(std::string_view& bytes)
{
    const std::size_t lf = bytes.find('\n');
    const std::string_view line = bytes.substr(0, lf);
    bytes = lf == std::string_view::npos ? std::string_view {} : bytes.substr(lf + 1);
    return line;
}

} // namespace

std::string formatPilotResult(const RunEntryTable& table, int slotIndex, std::string_view heading,
    std::string_view courseName, std::string_view description)
{
    const RunEntry& e = table.slots.at(static_cast<std::size_t>(slotIndex));
    const int n = std::clamp(e.passingCount, 0, kMaxLaps);
    FieldWriter w;
    w.text(e.pilotName, PilotResult::kNameWidth).integer(n);
    for (int k = 0; k <= n; ++k)
        w.integer(e.lapTotals[static_cast<std::size_t>(k)]);
    w.endLine();
    w.text(heading, PilotResult::kHeadingWidth);
    w.text(courseName, PilotResult::kCourseWidth);
    w.text(description, PilotResult::kDescriptionWidth);
    w.endLine();
    return w.take();
}

bool writePilotResult(const WorkFolder& folder, const RunEntryTable& table, int slotIndex,
    std::string_view heading, std::string_view courseName, std::string_view description)
{
    if (slotIndex < 0 || slotIndex >= kSlotCount)
        return false;
    return replaceFileBytes(folder.file(kPilotResultFile),
        formatPilotResult(table, slotIndex, heading, courseName, description));
}

PilotResult parsePilotResult(std::string_view bytes)
{
    PilotResult result;
    std::string_view line = nextLine(bytes);
    result.name = boundedField(nextTabField(line), PilotResult::kNameWidth);
    result.passingCount = std::clamp(fieldInt(nextTabField(line)), 0, kMaxLaps);
    for (int k = 0; k <= result.passingCount; ++k)
        result.lapTotals[static_cast<std::size_t>(k)] = fieldInt(nextTabField(line));
    while (!bytes.empty() && bytes.front() == '\n')
        bytes.remove_prefix(1);
    line = nextLine(bytes);
    result.heading = boundedField(nextTabField(line), PilotResult::kHeadingWidth);
    result.courseName = boundedField(nextTabField(line), PilotResult::kCourseWidth);
    result.description = boundedField(nextTabField(line), PilotResult::kDescriptionWidth);
    return result;
}

bool readPilotResult(const WorkFolder& folder, PilotResult& into)
{
    const std::optional<std::string> bytes = readFileBytes(folder.file(kPilotResultFile));
    if (!bytes)
        return false;
    into = parsePilotResult(*bytes);
    return true;
}

} // namespace ksy
