#include "databases/record_text.h"

#include <charconv>
#include <cstdio>
#include <memory>

namespace ksy::record_text {

namespace {
struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;
} // namespace

std::optional<std::string> readWholeFile(const std::filesystem::path& file)
{
    FilePtr f(std::fopen(file.c_str(), "rb"));
    if (!f) return std::nullopt;
    std::string content;
    char buffer[8192];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, f.get())) > 0)
        content.append(buffer, n);
    // A folder opens on some systems but cannot be read.
    if (std::ferror(f.get())) return std::nullopt;
    return content;
}

bool writeWholeFile(const std::filesystem::path& file, std::string_view bytes)
{
    std::FILE* f = std::fopen(file.c_str(), "wb");
    if (!f) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    const bool closed = std::fclose(f) == 0;
    return written && closed;
}

std::vector<std::string_view> recordLines(std::string_view content)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find('\n', start);
        if (end == std::string_view::npos) end = content.size();
        if (end > start) lines.push_back(content.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::vector<std::string_view> splitFields(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (start < line.size()) {
        std::size_t end = line.find('\t', start);
        if (end == std::string_view::npos) end = line.size();
        fields.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    return fields;
}

std::string bounded(std::string_view text, std::size_t width)
{
    text = text.substr(0, text.find('\0'));
    return std::string(text.substr(0, width == 0 ? 0 : width - 1));
}

std::string fieldAt(
    const std::vector<std::string_view>& fields, std::size_t index, std::size_t width)
{
    return index < fields.size() ? bounded(fields[index], width) : std::string();
}

void appendField(std::string& out, std::string_view text, std::size_t width)
{
    for (char c : bounded(text, width))
        if (c != '\t' && c != '\n') out += c;
    out += '\t';
}

int leadingInt(std::string_view field, int fallback)
{
    std::size_t i = 0;
    while (i < field.size() && (field[i] == ' ' || field[i] == '\r'))
        ++i;
    if (i < field.size() && field[i] == '+') {
        ++i;
        if (i < field.size() && field[i] == '-') return fallback;
    }
    int value = 0;
    const auto [end, ec] = std::from_chars(field.data() + i, field.data() + field.size(), value);
    (void)end;
    return ec == std::errc() ? value : fallback;
}

} // namespace ksy::record_text
