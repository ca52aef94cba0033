#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace ksy {

// Builds record text in memory in the file format: "%s\t" text fields, "%d\t"
// integers, LF line ends. Section bodies are composed here first, so that a
// body can be measured before it goes over its area in the file.
class FieldWriter {
public:
    // "%s\t": the bytes up to a zero byte, then TAB. When width is given the
    // text is cut to width - 1 bytes, the size of the record's fixed array. A
    // TAB, CR or LF inside the text would split the record, so it is written
    // as a space.
    FieldWriter& text(std::string_view value, std::size_t width = 0);
    // "%d\t".
    FieldWriter& integer(long long value);
    // Ends the record line.
    FieldWriter& endLine();
    // Raw bytes, for layouts that are not fields.
    FieldWriter& raw(std::string_view bytes);

    const std::string& str() const { return out_; }
    std::string take() { return std::move(out_); }
    std::size_t size() const { return out_.size(); }

private:
    std::string out_;
};

} // namespace ksy
