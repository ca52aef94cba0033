#include "storage/field_reader.h"

#include <climits>

namespace ksy {
namespace {

// The white space of scanf in the C locale.
bool isSpace(int c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool isDigit(int c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::string FieldReader::readText(std::size_t width, bool stopAtLf)
{
    std::string out;
    const std::size_t keep = width > 0 ? width - 1 : 0;
    int c = in_.get();
    for (; c != CharSource::kEnd; c = in_.get()) {
        if (c == '\t' || (stopAtLf && c == '\n'))
            break;
        if (c == '\r' && stopAtLf) {
            // CR LF, as a Windows editor or a mail leaves it, ends the line too.
            if (in_.get() == '\n') {
                c = '\n';
                break;
            }
            in_.unget();
        }
        if (out.size() < keep)
            out += static_cast<char>(c);
    }
    terminator_ = c;
    return out;
}

bool FieldReader::readInt(int& value)
{
    int c = in_.get();
    while (isSpace(c))
        c = in_.get();
    bool negative = false;
    if (c == '+' || c == '-') {
        negative = c == '-';
        c = in_.get();
    }
    if (!isDigit(c)) {
        in_.unget();
        return false;
    }
    long long magnitude = 0;
    bool overflow = false;
    for (; isDigit(c); c = in_.get()) {
        if (!overflow)
            magnitude = magnitude * 10 + (c - '0');
        if (magnitude > static_cast<long long>(INT_MAX) + 1)
            overflow = true;
    }
    while (isSpace(c))
        c = in_.get();
    in_.unget();
    const long long result = negative ? -magnitude : magnitude;
    if (overflow || result > INT_MAX || result < INT_MIN)
        return false;
    value = static_cast<int>(result);
    return true;
}

void FieldReader::skipLine()
{
    int c = in_.get();
    while (c != '\n' && c != CharSource::kEnd)
        c = in_.get();
}

void FieldReader::skipEmptyLines()
{
    int c = in_.get();
    while (c == '\n' || c == '\r')
        c = in_.get();
    in_.unget();
}

void FieldReader::skipFields(int count)
{
    for (int i = 0; i < count; ++i)
        readText(1, true);
}

bool FieldReader::atEnd()
{
    const int c = in_.get();
    in_.unget();
    return c == CharSource::kEnd;
}

} // namespace ksy
