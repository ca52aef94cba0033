#pragma once
// Helpers shared by the readers and writers of the tab-separated results
// files (heat result sections, pilot result and heat comment files), which
// hold their text in memory rather than reading it from a stream.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace ksy {

// The text up to the next TAB (or the end of the line); the cursor moves past
// the TAB.
std::string_view nextTabField(std::string_view& line);

// At most width - 1 bytes of text: width counts the terminating zero of the
// fixed buffer the field was written from.
std::string boundedField(std::string_view text, std::size_t width);

// "%d": leading blanks, a sign and digits; 0 for anything else or a number
// that does not fit.
std::int32_t fieldInt(std::string_view text);

// Replaces the file with bytes; false when it could not be written whole.
bool replaceFileBytes(const std::filesystem::path& file, std::string_view bytes);

// The whole file, or nothing when it cannot be opened.
std::optional<std::string> readFileBytes(const std::filesystem::path& file);

} // namespace ksy
