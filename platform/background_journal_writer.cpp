#include "platform/background_journal_writer.h"

#include "storage/durable_io.h"

#include <algorithm>
#include <chrono>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace ksy {
namespace {

// Records refused by a full disk wait at most this many (hours of racing).
constexpr std::size_t kMaxWaiting = 200000;

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

bool cutBack(std::FILE* f, long size)
{
    std::fflush(f);
    std::clearerr(f);
#ifdef _WIN32
    return _chsize(_fileno(f), size) == 0;
#else
    return ftruncate(fileno(f), size) == 0;
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
    failing_ = false;
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

bool BackgroundJournalWriter::writeWaiting()
{
    while (file_ && !waiting_.empty()) {
        std::string record = waiting_.front();
        if (freshLine_)
            record.insert(record.begin(), '\n');
        const std::size_t room = durableIo().roomFor(record.size());
        const std::size_t n = std::min(room, record.size());
        const bool whole = std::fwrite(record.data(), 1, n, file_) == record.size() &&
            std::fflush(file_) == 0;
        if (!whole) {
            // Nothing of a record cut short stays in the file.
            freshLine_ = !cutBack(file_, whole_) || freshLine_;
            std::fseek(file_, 0, SEEK_END);
            failed_ = true;
            failing_ = true;
            return false;
        }
        whole_ += static_cast<long>(record.size());
        freshLine_ = false;
        unforced_ = true;
        waiting_.pop_front();
    }
    if (file_ && unforced_) {
        if (!forceToDisk(file_)) {
            failed_ = true;
            failing_ = true;
            return false;
        }
        unforced_ = false;
    }
    failing_ = !file_ && !waiting_.empty();
    return waiting_.empty();
}

void BackgroundJournalWriter::closeFile(bool giveUp)
{
    if (file_ && !writeWaiting() && !giveUp) {
        closeWanted_ = true; // kept open until the disk takes the rest
        return;
    }
    if (file_)
        std::fclose(file_);
    file_ = nullptr;
    closeWanted_ = false;
    waiting_.clear();
    freshLine_ = false;
}

void BackgroundJournalWriter::work()
{
    std::deque<Command> batch;
    while (true) {
        {
            std::unique_lock<std::mutex> lock(mutex_);
            busy_ = false;
            idle_.notify_all();
            const auto ready = [this] { return !queue_.empty() || stopping_; };
            if (waiting_.empty())
                wake_.wait(lock, ready);
            else
                wake_.wait_for(lock, std::chrono::milliseconds(500), ready);
            if (queue_.empty() && stopping_)
                break;
            batch.swap(queue_);
            busy_ = true;
        }
        // Everything that came in meanwhile goes to the disk in one forced
        // write: the more records wait, the fewer the forced writes.
        for (Command& c : batch) {
            switch (c.kind) {
            case Command::Kind::Open:
            case Command::Kind::Append:
                // A new journal: what the old one could not take is given up.
                closeFile(true);
                path_ = c.text;
                file_ = std::fopen(c.text.c_str(), c.kind == Command::Kind::Open ? "wb" : "ab");
                if (!file_) {
                    failed_ = true;
                    failing_ = true;
                    break;
                }
                // Unbuffered: a record the disk refuses is known at once.
                std::setvbuf(file_, nullptr, _IONBF, 0);
                std::fseek(file_, 0, SEEK_END);
                whole_ = std::ftell(file_);
                break;
            case Command::Kind::Write:
                if (!file_) {
                    failed_ = true;
                    failing_ = true;
                    break;
                }
                if (waiting_.size() < kMaxWaiting)
                    waiting_.push_back(std::move(c.text));
                else
                    failed_ = true;
                break;
            case Command::Kind::Close:
                closeFile(false);
                break;
            }
        }
        batch.clear();
        writeWaiting();
        if (closeWanted_ && waiting_.empty())
            closeFile(false);
    }
    closeFile(true);
}

} // namespace ksy
