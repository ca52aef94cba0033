#include "databases/record_text.h"

#include "storage/char_source.h"
#include "storage/durable_io.h"
#include "storage/file_stream.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <memory>

namespace ksy::record_text {

std::optional<std::string> readWholeFile(const std::filesystem::path& file)
{
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Closer> f(std::fopen(file.c_str(), "rb"));
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
    return writeFileAtomically(file, bytes);
}

std::string RecordLine::text(std::size_t width)
{
    if (ended_) return {};
    std::string value = reader_.readText(width, true);
    if (reader_.lastTerminator() != '\t') ended_ = true;
    // The records' fixed arrays end at a zero byte.
    value.resize(std::min(value.size(), value.find('\0')));
    return value;
}

int RecordLine::integer(int fallback)
{
    // Read within the field: an empty or damaged number must not run on into
    // the next field, as a scan over white space would.
    const std::string field = text(16);
    std::size_t i = 0;
    while (i < field.size() && field[i] == ' ')
        ++i;
    const bool plus = i < field.size() && field[i] == '+';
    if (plus && ++i < field.size() && field[i] == '-') return fallback;
    int value = fallback;
    const auto result = std::from_chars(field.data() + i, field.data() + field.size(), value);
    return result.ec == std::errc() ? value : fallback;
}

void RecordLine::finish()
{
    if (!ended_) reader_.skipLine();
    ended_ = true;
}

void forEachRecordLine(std::string_view content, const std::function<bool(RecordLine&)>& readRecord)
{
    StringSource source(content);
    FieldReader reader(source);
    for (;;) {
        reader.skipEmptyLines();
        if (reader.atEnd()) return;
        RecordLine line(reader);
        const bool more = readRecord(line);
        line.finish();
        if (!more) return;
    }
}

} // namespace ksy::record_text
