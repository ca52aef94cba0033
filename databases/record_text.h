#pragma once
// The plain text layout shared by the database files: one record a line, each
// field followed by a TAB. Used by the database loaders and writers only.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ksy::record_text {

// The whole file, or nothing when it cannot be opened or read.
std::optional<std::string> readWholeFile(const std::filesystem::path& file);

// Creates or truncates the file and writes the bytes; false when the file
// cannot be opened or the bytes did not all reach it.
bool writeWholeFile(const std::filesystem::path& file, std::string_view bytes);

// The lines of a file without their line feeds. Empty lines hold no record and
// are left out; a last line without its line feed still counts.
std::vector<std::string_view> recordLines(std::string_view content);

// The TAB-terminated fields of one line. A last field without its TAB still
// counts; a line never runs on into the next, so a short line gives fewer
// fields rather than swallowing the next record.
std::vector<std::string_view> splitFields(std::string_view line);

// Field `index` of `fields` bounded to its buffer width (at most width - 1
// bytes, and nothing from a zero byte on); empty when the line is short.
std::string fieldAt(
    const std::vector<std::string_view>& fields, std::size_t index, std::size_t width);
std::string bounded(std::string_view text, std::size_t width);

// Appends the text bounded to its width, then a TAB. A TAB or line feed can
// never be stored in a field, so any that slipped into the text are dropped
// rather than allowed to shift every following field.
void appendField(std::string& out, std::string_view text, std::size_t width);

// The leading decimal integer of a field ("%d" without the white space run
// into the next field); `fallback` when there is none or it does not fit.
int leadingInt(std::string_view field, int fallback);

} // namespace ksy::record_text
