#pragma once
#include "storage/char_source.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string_view>

namespace ksy {

// The first field of the line at the front of `line` as the section lookup
// compares it: at most 104 bytes, ended by TAB or LF, a CR before the LF not
// counted. Nothing when it can equal no title (bytes after a zero byte), the
// zero bytes behind its text otherwise left out. `line` must hold 106 bytes
// unless the data end sooner.
std::optional<std::string_view> comparableFirstField(std::string_view line);

// Reads on from in's position to just past the next LF (or to the end).
void skipPastLineEnd(CharSource& in);

// An index of the lines of a file whose first field has the form of a
// section title, so that a lookup need not read a large race file from its
// start. It is kept between operations for each file and trusted only while
// the file's size and modification time are those it was built or updated
// for; the in-place writes of this process update it.

// The start of the first line whose first field is title (-1: none), built
// by scanning `file` through `in` when needed; in's position is kept.
long indexedTitleLine(const std::filesystem::path& file, CharSource& in, std::string_view title);

// After this process wrote length bytes at offset of file, read back
// through `in`.
void indexNoteWrite(
    const std::filesystem::path& file, CharSource& in, long offset, std::size_t length);

// After file was replaced or changed other than by an in-place write.
void indexForget(const std::filesystem::path& file);

// After `to` was made a byte copy of `from`: the index of `from`, when it is
// still true to that file, serves `to` as well, so that opening a copied
// race does not scan it again.
void indexCopied(const std::filesystem::path& from, const std::filesystem::path& to);

} // namespace ksy
