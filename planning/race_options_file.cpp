// Reading and writing the options section of the working race file.
#include "planning/race_options.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace ksy {
namespace {

constexpr std::string_view kRaceFile = "Private/Course.race";

// Offset of the body of the section whose title line is `title`: the line
// after the first line whose first field equals the title.
std::optional<std::size_t> bodyStart(std::string_view file, std::string_view title)
{
    std::size_t pos = 0;
    while (pos < file.size()) {
        std::size_t end = pos;
        while (end < file.size() && file[end] != '\t' && file[end] != '\n')
            ++end;
        // The lookup keeps at most 104 characters of a first field.
        std::string_view first = file.substr(pos, std::min<std::size_t>(end - pos, 104));
        const std::size_t lineEnd = file.find('\n', pos);
        const std::size_t next = lineEnd == std::string_view::npos ? file.size() : lineEnd + 1;
        if (first == title)
            return next;
        pos = next;
    }
    return std::nullopt;
}

} // namespace

RaceOptionsIo readRaceOptions(const WorkFolder& folder, int category, RaceOptions& options)
{
    std::ifstream in(folder.file(kRaceFile), std::ios::binary);
    if (!in)
        return RaceOptionsIo::CannotOpen;
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (const auto start = bodyStart(bytes, raceOptionsTitle(category)))
        parseRaceOptionsLine(std::string_view(bytes).substr(*start), options);
    return RaceOptionsIo::Ok;
}

RaceOptionsIo writeRaceOptions(const WorkFolder& folder, int category, const RaceOptions& options)
{
    std::fstream file(folder.file(kRaceFile), std::ios::in | std::ios::out | std::ios::binary);
    if (!file)
        return RaceOptionsIo::CannotOpen;
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    file.clear();
    const std::string title = raceOptionsTitle(category);
    std::optional<std::size_t> start = bodyStart(bytes, title);
    if (!start) {
        const std::string titleLine = "\n" + title + "\t\n";
        file.seekp(0, std::ios::end);
        file << titleLine;
        start = bytes.size() + titleLine.size();
    }
    std::string area;
    for (int i = 0; i < kRaceOptionsReserve; ++i)
        area += "1\t";
    area += '\n';
    // The data line (at most 145 bytes) always fits the 161-byte area, so the
    // next section is never touched.
    const std::string line = formatRaceOptionsLine(options);
    area.replace(0, line.size(), line);
    file.seekp(static_cast<std::streamoff>(*start));
    file << area;
    file.flush();
    return file ? RaceOptionsIo::Ok : RaceOptionsIo::CannotOpen;
}

} // namespace ksy
