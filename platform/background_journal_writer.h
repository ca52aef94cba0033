#pragma once
// The passing journal's writer of a real run: records are handed over by the
// tick and written, flushed and forced to the disk by a worker thread, so
// that the tick never waits for the disk (a forced write costs up to tens of
// milliseconds) and a record is on the disk a few milliseconds after it was
// handed over.
#include "timing/journal_writer.h"

#include <atomic>
#include <condition_variable>
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
    // Waits until everything handed over so far is on the disk (tests).
    void drain();

private:
    struct Command {
        enum class Kind { Open, Append, Write, Close } kind;
        std::string text; // the record, or the file to open
    };
    void push(Command command);
    void work();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<Command> queue_;
    bool busy_ = false;
    bool stopping_ = false;
    std::atomic<bool> failed_ {false};
    std::thread worker_;
};

} // namespace ksy
