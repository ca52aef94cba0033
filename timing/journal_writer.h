#pragma once
// Where the passing journal's records go. The heat run's tick hands each
// record over and goes on; the program's writer puts them on disk from
// another thread (platform/background_journal_writer.h), tests keep them in
// memory or write them at once.
#include <cstdio>
#include <filesystem>
#include <string>

namespace ksy {

class JournalWriter {
public:
    virtual ~JournalWriter() = default;
    // Starts the file anew (the previous journal is replaced), or goes on at
    // its end (append); false when it cannot be created.
    virtual bool begin(const std::filesystem::path& file, bool append = false) = 0;
    // Appends a record; never waits for the disk.
    virtual void append(std::string record) = 0;
    // No more records for this file: what was handed over still reaches it.
    virtual void finish() = 0;
    // A record could not be written since begin().
    virtual bool failed() const = 0;
    // Records refused by the disk are waiting to be written again.
    virtual bool failing() const { return failed(); }
};

// Writes each record at once with the C library, flushed but not forced to
// the disk: for the replay's scratch runs and for tests.
class PlainJournalWriter : public JournalWriter {
public:
    ~PlainJournalWriter() override;
    bool begin(const std::filesystem::path& file, bool append = false) override;
    void append(std::string record) override;
    void finish() override;
    bool failed() const override { return failed_; }

private:
    std::FILE* file_ = nullptr;
    bool failed_ = false;
};

} // namespace ksy
