#pragma once
// The passing journal's writer of a real run: records are handed over by the
// tick and written, flushed and forced to the disk by a worker thread, so
// that the tick never waits for the disk (a forced write costs up to tens of
// milliseconds) and a record is on the disk a few milliseconds after it was
// handed over.
//
// A record is written whole or not at all: when the disk refuses part of
// one, the file is cut back to the end of the last whole record (or, where
// even that fails, the next record starts on a fresh line). The records the
// disk refused wait in memory, in order, and are written again at the next
// record and twice a second until the disk takes them.
#include "timing/journal_writer.h"

#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <mutex>
#include <thread>

namespace ksy {

class BackgroundJournalWriter : public JournalWriter {
public:
    BackgroundJournalWriter();
    // Everything handed over is written before the thread ends.
    ~BackgroundJournalWriter() override;
    BackgroundJournalWriter(const BackgroundJournalWriter&) = delete;
    BackgroundJournalWriter& operator=(const BackgroundJournalWriter&) = delete;

    bool begin(const std::filesystem::path& file, bool append = false) override;
    void append(std::string record) override;
    void finish() override;
    bool failed() const override { return failed_; }
    bool failing() const override { return failing_; }
    // Waits until everything handed over so far was tried on the disk (tests).
    void drain();

private:
    struct Command {
        enum class Kind { Open, Append, Write, Close } kind;
        std::string text; // the record, or the file to open
    };
    void push(Command command);
    void work();
    // Writes what waits; false while the disk refuses it.
    bool writeWaiting();
    void closeFile(bool giveUp);

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<Command> queue_;
    bool busy_ = false;
    bool stopping_ = false;
    std::atomic<bool> failed_ {false};
    std::atomic<bool> failing_ {false};

    // The worker's own state.
    std::FILE* file_ = nullptr;
    std::filesystem::path path_;
    long whole_ = 0; // where the last whole record ends
    bool freshLine_ = false; // a cut record could not be taken back
    bool closeWanted_ = false;
    bool unforced_ = false;
    std::deque<std::string> waiting_;

    std::thread worker_;
};

} // namespace ksy
