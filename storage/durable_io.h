#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string_view>

namespace ksy {

// What the storage needs of the system so that its writes survive a power
// cut: flushing a file's data and a folder's entries to the disk. The program
// installs the platform's at start; without one nothing is flushed (tests,
// helper tools), which a process kill does not notice since the system keeps
// what was written.
class DurableIo {
public:
    virtual ~DurableIo() = default;
    virtual bool syncFile(const std::filesystem::path& file) = 0;
    virtual bool syncFolder(const std::filesystem::path& folder) = 0;

    // Crash tests only. Called before every change to a file with its size
    // (0 for a rename or a truncation): how many of those bytes reach the
    // file. A test that answers fewer is told afterPartialChange() and ends
    // the process there, as a power cut or a kill would.
    virtual std::size_t allowedBytes(std::size_t n) { return n; }
    virtual void afterPartialChange() { }

    // Full-disk tests only: how many of the n bytes about to be written find
    // room on the disk; the write then fails there, as on a full disk, and
    // the process goes on.
    virtual std::size_t roomFor(std::size_t n) { return n; }
};

// The flushing in use; nullptr puts back the one that flushes nothing. The
// flushes still running on other threads end first.
void installDurableIo(DurableIo* io);
DurableIo& durableIo();

// The change steps of the storage, each one announced to durableIo() first.
// Writes the bytes at the stream's position and pushes them to the system.
bool writeStep(std::FILE* f, std::string_view bytes);
bool truncateStep(const std::filesystem::path& file, std::uintmax_t size);

// Replaces a whole file so that after a crash at any point it holds either
// its old bytes or the new ones: a temporary file in the same folder, flushed,
// renamed over the old one, then the folder flushed. False when it could not
// be written; the old file is then untouched.
bool writeFileAtomically(const std::filesystem::path& file, std::string_view bytes);

// A file just written in full (a copy of tens of megabytes takes a second to
// reach this machine's disk) is flushed, with its folder, on another thread.
// Every in-place write to it and every replacement of it waits for that flush
// first, so that no change is ever made to data a power cut could still take
// away; the process waits for it before it ends.
void flushSoon(const std::filesystem::path& file);
// Waits for the flush of the file started by flushSoon, if any; false when it
// failed.
bool awaitFlush(const std::filesystem::path& file);

// Removes a file on another thread: the removal of a file of tens of
// megabytes frees its blocks and its cached pages, which takes tens of
// milliseconds. awaitFlush(file) waits for it; the process waits for it
// before it ends.
void removeSoon(const std::filesystem::path& file);

} // namespace ksy
