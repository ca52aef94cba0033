#include "storage/durable_io.h"

#include "storage/redo_log.h"
#include "storage/section_index.h"

#include <algorithm>
#include <atomic>
#include <future>
#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace ksy {
namespace {

class NoFlush : public DurableIo {
public:
    bool syncFile(const std::filesystem::path&) override { return true; }
    bool syncFolder(const std::filesystem::path&) override { return true; }
};

NoFlush noFlush;
std::atomic<DurableIo*> installed {nullptr};

std::filesystem::path folderOf(const std::filesystem::path& file)
{
    return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

struct Closer {
    void operator()(std::FILE* f) const
    {
        if (f)
            std::fclose(f);
    }
};

// Flushes running on other threads, by file. The process waits for them
// before it ends.
class PendingFlushes {
public:
    ~PendingFlushes() { awaitAll(); }

    void start(const std::filesystem::path& file, DurableIo& io)
    {
        await(file);
        std::lock_guard lock(mutex_);
        pending_[key(file)] = std::async(std::launch::async,
            [&io, file] { return io.syncFile(file) && io.syncFolder(folderOf(file)); });
    }
    void startRemoval(const std::filesystem::path& file)
    {
        await(file);
        std::lock_guard lock(mutex_);
        pending_[key(file)] = std::async(std::launch::async, [file] {
            std::error_code ec;
            std::filesystem::remove(file, ec);
            return !ec;
        });
    }
    bool await(const std::filesystem::path& file)
    {
        std::future<bool> flush;
        {
            std::lock_guard lock(mutex_);
            const auto it = pending_.find(key(file));
            if (it == pending_.end())
                return true;
            flush = std::move(it->second);
            pending_.erase(it);
        }
        return flush.get();
    }
    void awaitAll()
    {
        std::map<std::string, std::future<bool>> all;
        {
            std::lock_guard lock(mutex_);
            all.swap(pending_);
        }
        for (auto& [file, flush] : all)
            flush.wait();
    }

private:
    static std::string key(const std::filesystem::path& file)
    {
        return file.lexically_normal().string();
    }
    std::mutex mutex_;
    std::map<std::string, std::future<bool>> pending_;
};

PendingFlushes& pendingFlushes()
{
    static PendingFlushes flushes;
    return flushes;
}

} // namespace

void installDurableIo(DurableIo* io)
{
    pendingFlushes().awaitAll();
    installed = io;
}

void flushSoon(const std::filesystem::path& file)
{
    DurableIo* io = installed;
    if (io)
        pendingFlushes().start(file, *io);
}

bool awaitFlush(const std::filesystem::path& file)
{
    return pendingFlushes().await(file);
}

void removeSoon(const std::filesystem::path& file)
{
    pendingFlushes().startRemoval(file);
}

DurableIo& durableIo()
{
    DurableIo* io = installed;
    return io ? *io : noFlush;
}

bool writeStep(std::FILE* f, std::string_view bytes)
{
    const std::size_t allowed = durableIo().allowedBytes(bytes.size());
    const std::size_t n = std::min(allowed, bytes.size());
    const std::size_t room = std::min(n, durableIo().roomFor(n));
    const bool ok = std::fwrite(bytes.data(), 1, room, f) == room && std::fflush(f) == 0;
    if (n < bytes.size())
        durableIo().afterPartialChange();
    return ok && room == bytes.size();
}

bool truncateStep(const std::filesystem::path& file, std::uintmax_t size)
{
    durableIo().allowedBytes(0);
    std::error_code ec;
    std::filesystem::resize_file(file, size, ec);
    return !ec;
}

bool writeFileAtomically(const std::filesystem::path& file, std::string_view bytes)
{
    if (!awaitFlush(file))
        return false;
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec))
        return false; // a folder where the file should be is no place to write
    auto temporary = file;
    temporary += ".tmp";
    {
#ifdef _WIN32
        std::unique_ptr<std::FILE, Closer> out(_wfopen(temporary.c_str(), L"wb"));
#else
        std::unique_ptr<std::FILE, Closer> out(std::fopen(temporary.c_str(), "wb"));
#endif
        if (!out)
            return false;
        const bool written = writeStep(out.get(), bytes);
        if (!written || std::fclose(out.release()) != 0 || !durableIo().syncFile(temporary)) {
            std::filesystem::remove(temporary, ec);
            return false;
        }
    }
    // In-place writes waiting in the redo log belong to the old file: they
    // must never be replayed over the new one.
    if (!forgetRedoLog(file)) {
        std::filesystem::remove(temporary, ec);
        return false;
    }
    indexForget(file);
    durableIo().allowedBytes(0);
    std::filesystem::rename(temporary, file, ec);
    if (ec) {
        std::filesystem::remove(temporary, ec);
        return false;
    }
    return durableIo().syncFolder(folderOf(file));
}

} // namespace ksy
