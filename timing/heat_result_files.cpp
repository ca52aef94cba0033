#include "timing/heat_result_files.h"

#include "storage/durable_io.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <iterator>

namespace ksy {
namespace {

constexpr std::size_t kNameBytes = 39;
constexpr std::size_t kModeBytes = 23;

std::string_view nextField(std::string_view& line)
{
    const std::size_t tab = line.find('\t');
    const std::string_view field = line.substr(0, tab);
    line = tab == std::string_view::npos ? std::string_view {} : line.substr(tab + 1);
    return field;
}

std::int32_t toInt(std::string_view text)
{
    std::int32_t value = 0;
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::string bounded(std::string_view text, std::size_t width)
{
    return std::string(text.substr(0, std::min(text.size(), width)));
}

} // namespace

std::string formatHeatDetail(const RunEntryTable& table, std::string_view rankingKeyword)
{
    std::string out;
    out.reserve(2048);
    out += bounded(rankingKeyword, kModeBytes);
    out += "\t\n";
    for (const RunEntry& e : table.slots) {
        const int n = std::clamp(e.passingCount, 0, kMaxLaps);
        out += bounded(e.pilotName, kNameBytes);
        out += '\t';
        out += std::to_string(n);
        out += '\t';
        for (int k = 1; k <= n; ++k) {
            out += std::to_string(e.lapTotals[static_cast<std::size_t>(k)]);
            out += '\t';
        }
        out += '\n';
    }
    return out;
}

bool writeHeatDetail(
    const WorkFolder& folder, const RunEntryTable& table, std::string_view rankingKeyword)
{
    return writeFileAtomically(
        folder.file(kHeatDetailFile), formatHeatDetail(table, rankingKeyword));
}

bool writeEmptyHeatDetail(
    const WorkFolder& folder, RunEntryTable& table, std::string_view rankingKeyword)
{
    for (RunEntry& e : table.slots) {
        e.pilotName = std::string(kEmptySlotName);
        e.passingCount = 0;
    }
    return writeHeatDetail(folder, table, rankingKeyword);
}

HeatDetail parseHeatDetail(std::string_view bytes)
{
    HeatDetail detail;
    auto nextLine = [&bytes]() {
        const std::size_t lf = bytes.find('\n');
        const std::string_view line = bytes.substr(0, lf);
        bytes = lf == std::string_view::npos ? std::string_view {} : bytes.substr(lf + 1);
        return line;
    };
    std::string_view first = nextLine();
    detail.rankingMode = bounded(nextField(first), kModeBytes);
    for (auto& slot : detail.slots) {
        // Blank lines between slot lines are skipped, as the reader of the
        // original skipped line feeds before a name.
        while (!bytes.empty() && bytes.front() == '\n')
            bytes.remove_prefix(1);
        if (bytes.empty())
            break;
        std::string_view line = nextLine();
        slot.name = bounded(nextField(line), kNameBytes);
        slot.passingCount = std::clamp(toInt(nextField(line)), 0, kMaxLaps);
        for (int k = 0; k < slot.passingCount; ++k)
            slot.passingTimes[static_cast<std::size_t>(k)] = toInt(nextField(line));
    }
    return detail;
}

bool readHeatDetail(const WorkFolder& folder, HeatDetail& into)
{
    std::ifstream in(folder.file(kHeatDetailFile), std::ios::binary);
    if (!in)
        return false;
    const std::string bytes {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    into = parseHeatDetail(bytes);
    return true;
}

} // namespace ksy
