#include "results/pilot_result_file.h"

#include "storage/field_writer.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <iterator>

namespace ksy {
namespace {

std::string_view nextLine(std::string_view& bytes)
{
    const std::size_t lf = bytes.find('\n');
    const std::string_view line = bytes.substr(0, lf);
    bytes = lf == std::string_view::npos ? std::string_view {} : bytes.substr(lf + 1);
    return line;
}

std::string_view nextField(std::string_view& line)
{
    const std::size_t tab = line.find('\t');
    const std::string_view field = line.substr(0, tab);
    line = tab == std::string_view::npos ? std::string_view {} : line.substr(tab + 1);
    return field;
}

std::string bounded(std::string_view text, std::size_t width)
{
    return std::string(text.substr(0, std::min(text.size(), width - 1)));
}

std::int32_t toInt(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    std::int32_t value = 0;
    if (std::from_chars(text.data(), text.data() + text.size(), value).ec != std::errc {})
        return 0;
    return value;
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
    std::ofstream out(folder.file(kPilotResultFile), std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    out << formatPilotResult(table, slotIndex, heading, courseName, description);
    out.flush();
    return static_cast<bool>(out);
}

PilotResult parsePilotResult(std::string_view bytes)
{
    PilotResult result;
    std::string_view line = nextLine(bytes);
    result.name = bounded(nextField(line), PilotResult::kNameWidth);
    result.passingCount = std::clamp(toInt(nextField(line)), 0, kMaxLaps);
    for (int k = 0; k <= result.passingCount; ++k)
        result.lapTotals[static_cast<std::size_t>(k)] = toInt(nextField(line));
    while (!bytes.empty() && bytes.front() == '\n')
        bytes.remove_prefix(1);
    line = nextLine(bytes);
    result.heading = bounded(nextField(line), PilotResult::kHeadingWidth);
    result.courseName = bounded(nextField(line), PilotResult::kCourseWidth);
    result.description = bounded(nextField(line), PilotResult::kDescriptionWidth);
    return result;
}

bool readPilotResult(const WorkFolder& folder, PilotResult& into)
{
    std::ifstream in(folder.file(kPilotResultFile), std::ios::binary);
    if (!in)
        return false;
    const std::string bytes {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    into = parsePilotResult(bytes);
    return true;
}

} // namespace ksy
