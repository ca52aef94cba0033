#include "results/text_fields.h"

#include "storage/durable_io.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <iterator>

namespace ksy {

std::string_view nextTabField(std::string_view& line)
{
    const std::size_t tab = line.find('\t');
    const std::string_view field = line.substr(0, tab);
    line = tab == std::string_view::npos ? std::string_view {} : line.substr(tab + 1);
    return field;
}

std::string boundedField(std::string_view text, std::size_t width)
{
    return std::string(text.substr(0, std::min(text.size(), width - 1)));
}

std::int32_t fieldInt(std::string_view text)
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

bool replaceFileBytes(const std::filesystem::path& file, std::string_view bytes)
{
    return writeFileAtomically(file, bytes);
}

std::optional<std::string> readFileBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace ksy
