#include "platform/background_journal_writer.h"

#include <cstdio>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace ksy {
namespace {

bool forceToDisk(std::FILE* f)
{
    if (std::fflush(f) != 0)
        return false;
#ifdef _WIN32
    return _commit(_fileno(f)) == 0;
#else
    return fdatasync(fileno(f)) == 0;
#endif
}

} // namespace

BackgroundJournalWriter::BackgroundJournalWriter()
    : worker_([this] { work(); })
{
}

BackgroundJournalWriter::~BackgroundJournalWriter()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        queue_.push_back({Command::Kind::Close, {}});
        stopping_ = true;
    }
    wake_.notify_one();
    worker_.join();
}

bool BackgroundJournalWriter::begin(const std::filesystem::path& file, bool append)
{
    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    failed_ = false;
    push({Command::Kind::Close, {}});
    push({append ? Command::Kind::Append : Command::Kind::Open, file.string()});
    return true;
}

void BackgroundJournalWriter::append(std::string record)
{
    push({Command::Kind::Write, std::move(record)});
}

void BackgroundJournalWriter::finish()
{
    push({Command::Kind::Close, {}});
}

void BackgroundJournalWriter::drain()
{
    std::unique_lock<std::mutex> lock(mutex_);
    idle_.wait(lock, [this] { return queue_.empty() && !busy_; });
}

void BackgroundJournalWriter::push(Command command)
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        queue_.push_back(std::move(command));
    }
    wake_.notify_one();
}

void BackgroundJournalWriter::work()
{
    std::FILE* file = nullptr;
    std::deque<Command> batch;
    while (true) {
        {
            std::unique_lock<std::mutex> lock(mutex_);
            busy_ = false;
            idle_.notify_all();
            wake_.wait(lock, [this] { return !queue_.empty() || stopping_; });
            if (queue_.empty() && stopping_)
                break;
            batch.swap(queue_);
            busy_ = true;
        }
        // Everything that came in meanwhile goes to the disk in one forced
        // write: the more records wait, the fewer the forced writes.
        bool written = false;
        for (Command& c : batch) {
            switch (c.kind) {
            case Command::Kind::Open:
            case Command::Kind::Append:
                file = std::fopen(c.text.c_str(), c.kind == Command::Kind::Open ? "wb" : "ab");
                if (!file)
                    failed_ = true;
                break;
            case Command::Kind::Write:
                if (!file || std::fwrite(c.text.data(), 1, c.text.size(), file) != c.text.size())
                    failed_ = true;
                written = true;
                break;
            case Command::Kind::Close:
                if (file && written && !forceToDisk(file))
                    failed_ = true;
                if (file)
                    std::fclose(file);
                file = nullptr;
                written = false;
                break;
            }
        }
        batch.clear();
        if (file && written && !forceToDisk(file))
            failed_ = true;
    }
    if (file)
        std::fclose(file);
}

} // namespace ksy
