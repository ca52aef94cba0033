#pragma once
// The plain text layout shared by the database files: one record a line, each
// field followed by a TAB. Used by the database loaders and writers only.
#include "storage/field_reader.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace ksy::record_text {

// The whole file, or nothing when it cannot be opened or read (a folder).
std::optional<std::string> readWholeFile(const std::filesystem::path& file);

// Creates or truncates the file and writes the bytes; false when the file
// cannot be opened or the bytes did not all reach it.
bool writeWholeFile(const std::filesystem::path& file, std::string_view bytes);

// The fields of one record line, read in order. Every field also stops at the
// line feed, and once the line has ended the remaining fields are empty: a
// short or damaged line never runs on into the next record.
class RecordLine {
public:
    explicit RecordLine(FieldReader& reader)
        : reader_(reader)
    {
    }
    std::string text(std::size_t width);
    // The leading decimal integer of the next field; `fallback` when there is
    // none or it does not fit.
    int integer(int fallback);
    // Skips what is left of the line (extra fields), line feed included.
    void finish();

private:
    FieldReader& reader_;
    bool ended_ = false;
};

// Reads the records of a whole file: blank lines hold no record and are passed
// over; a last line without its line feed still counts. `readRecord` is called
// for each record until the end or until it returns false.
void forEachRecordLine(
    std::string_view content, const std::function<bool(RecordLine&)>& readRecord);

} // namespace ksy::record_text
