#pragma once
#include <cstdio>
#include <filesystem>
#include <string_view>

namespace ksy {

// In-place writes of the race file made crash-safe without rewriting the
// file: the new bytes and their offset first go to a small log beside it
// ("<file>.redo"), flushed to the disk, and only then over the file. After a
// crash the next open replays the complete records in order, so each write
// is whole or absent; a record cut short is dropped, since the write it
// announced had not begun. The log is emptied once the file itself has been
// flushed, when it passes a size or before the file is replaced as a whole.

std::filesystem::path redoLogPath(const std::filesystem::path& file);

// Writes the bytes at offset of the stream f opened on file, through the log.
bool writeThroughRedoLog(
    std::FILE* f, const std::filesystem::path& file, long offset, std::string_view bytes);

// Replays (or drops, when cut short) what another run left in the log of
// file; the records this process wrote itself are already in the file. False
// when a record could not be replayed: the file must not be used then.
bool settleRedoLog(const std::filesystem::path& file);

// Before the file is replaced as a whole: its in-place writes are flushed and
// the log emptied, so that nothing of the old file is replayed over the new
// one. False when that could not be done.
bool forgetRedoLog(const std::filesystem::path& file);

} // namespace ksy
