#pragma once
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace ksy {

// In-place writes of the race file made crash-safe without rewriting the
// file: the new bytes and their offset first go to a small log beside it
// ("<file>.redo"), flushed to the disk, and only then over the file, which is
// flushed in turn before the log is emptied. After a crash the next open
// replays what the log still holds, so each write is whole or absent; a
// record cut short is dropped, since the write it announced had not begun.
//
// A log may outlive the file it was written for (another race put in its
// place while the program was closed, after a power cut). Each record
// therefore carries the file's size, a fingerprint of the bytes around the
// write, the bytes it replaces and the date of the file before the write: a
// record is replayed only over the bytes it replaces or over its own write
// cut short. Any other record is dropped without touching the file, and
// said once (takeRedoLogNotice).

std::filesystem::path redoLogPath(const std::filesystem::path& file);

// Writes the bytes at offset of the stream f opened on file, through the log.
bool writeThroughRedoLog(
    std::FILE* f, const std::filesystem::path& file, long offset, std::string_view bytes);

// Replays (or drops, when cut short or foreign to the file) what another run
// left in the log of file; the records this process wrote itself are already
// in the file. False when a record could not be replayed: the file must not
// be used then.
bool settleRedoLog(const std::filesystem::path& file);

// Before the file is replaced as a whole, and when the program ends: its
// in-place writes are flushed and the log emptied, so that nothing of the old
// file is replayed over the new one. False when that could not be done.
bool forgetRedoLog(const std::filesystem::path& file);

// The French sentence about a log whose records did not belong to its file,
// once; empty when there is nothing to say.
std::string takeRedoLogNotice();

} // namespace ksy
