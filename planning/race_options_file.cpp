// Reading and writing the options section of the working race file.
#include "planning/race_options.h"

#include <fstream>
#include <iterator>

namespace ksy {
namespace {

constexpr std::string_view kRaceFile = "Private/Course.race";

// Body of the section whose title line is `title`: the bytes after the first
// line whose first field equals the title, as the section lookup finds it.
std::optional<std::string_view> sectionBody(std::string_view file, std::string_view title)
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
            return file.substr(next);
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
    if (const auto body = sectionBody(bytes, raceOptionsTitle(category)))
        parseRaceOptionsLine(*body, options);
    return RaceOptionsIo::Ok;
}

} // namespace ksy
