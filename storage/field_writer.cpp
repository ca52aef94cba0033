#include "storage/field_writer.h"

namespace ksy {

FieldWriter& FieldWriter::text(std::string_view value, std::size_t width)
{
    const std::size_t zero = value.find('\0');
    if (zero != std::string_view::npos)
        value = value.substr(0, zero);
    if (width > 0 && value.size() > width - 1)
        value = value.substr(0, width - 1);
    for (char c : value)
        out_ += (c == '\t' || c == '\n' || c == '\r') ? ' ' : c;
    out_ += '\t';
    return *this;
}

FieldWriter& FieldWriter::integer(long long value)
{
    out_ += std::to_string(value);
    out_ += '\t';
    return *this;
}

FieldWriter& FieldWriter::endLine()
{
    out_ += '\n';
    return *this;
}

FieldWriter& FieldWriter::raw(std::string_view bytes)
{
    out_ += bytes;
    return *this;
}

} // namespace ksy
