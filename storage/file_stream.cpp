#include "storage/file_stream.h"

#include "storage/durable_io.h"
#include "storage/redo_log.h"
#include "storage/section_file.h"
#include "storage/section_index.h"

#include <algorithm>
#include <cstring>

namespace ksy {
namespace {

constexpr std::size_t kBlock = 64 * 1024;

} // namespace

std::optional<FileStream> FileStream::open(const std::filesystem::path& file, OpenMode mode)
{
    if (mode != OpenMode::Create && !settleRedoLog(file))
        return std::nullopt;
#ifdef _WIN32
    const wchar_t* how = mode == OpenMode::Read ? L"rb"
        : mode == OpenMode::Update              ? L"r+b"
                                                : L"w+b";
    std::FILE* f = _wfopen(file.c_str(), how);
#else
    const char* how = mode == OpenMode::Read ? "rb" : mode == OpenMode::Update ? "r+b" : "w+b";
    std::FILE* f = std::fopen(file.c_str(), how);
#endif
    if (!f)
        return std::nullopt;
    // The stream keeps its own buffer; stdio's would only copy twice.
    std::setvbuf(f, nullptr, _IONBF, 0);
    if (mode == OpenMode::Create) {
        forgetRedoLog(file);
        indexForget(file);
    }
    return FileStream(f, file, mode);
}

FileStream::FileStream(std::FILE* f, std::filesystem::path path, OpenMode mode)
    : file_(f)
    , path_(std::move(path))
    , mode_(mode)
    , buffer_(kBlock)
{
}

void FileStream::fill(std::size_t atLeast)
{
    if (length_ - at_ >= atLeast || readFailed_)
        return;
    // Keep what is still unread at the front, then read behind it.
    std::memmove(buffer_.data(), buffer_.data() + at_, length_ - at_);
    bufferStart_ += static_cast<long>(at_);
    length_ -= at_;
    at_ = 0;
    if (buffer_.size() < atLeast)
        buffer_.resize(atLeast);
    if (std::fseek(file_.get(), bufferStart_ + static_cast<long>(length_), SEEK_SET) != 0) {
        readFailed_ = true;
        return;
    }
    while (length_ < atLeast) {
        const std::size_t n =
            std::fread(buffer_.data() + length_, 1, buffer_.size() - length_, file_.get());
        length_ += n;
        furthestRead_ = std::max(furthestRead_, bufferStart_ + static_cast<long>(length_));
        if (n == 0) {
            readFailed_ = std::ferror(file_.get()) != 0;
            return;
        }
    }
}

int FileStream::get()
{
    if (at_ == length_)
        fill(1);
    lastWasEnd_ = at_ == length_;
    if (lastWasEnd_)
        return kEnd;
    return static_cast<unsigned char>(buffer_[at_++]);
}

void FileStream::unget()
{
    if (!lastWasEnd_ && at_ > 0)
        --at_;
    lastWasEnd_ = true;
}

std::string_view FileStream::available(std::size_t atLeast)
{
    fill(std::max<std::size_t>(atLeast, 1));
    lastWasEnd_ = true;
    return std::string_view(buffer_.data() + at_, length_ - at_);
}

void FileStream::advance(std::size_t n)
{
    at_ = std::min(at_ + n, length_);
}

void FileStream::seek(long offset)
{
    lastWasEnd_ = true;
    if (offset >= bufferStart_ && offset <= bufferStart_ + static_cast<long>(length_)) {
        at_ = static_cast<std::size_t>(offset - bufferStart_);
        return;
    }
    bufferStart_ = offset;
    length_ = 0;
    at_ = 0;
}

void FileStream::seekEnd()
{
    seek(size());
}

long FileStream::size()
{
    if (std::fseek(file_.get(), 0, SEEK_END) != 0)
        return position();
    return std::ftell(file_.get());
}

bool FileStream::write(std::string_view bytes)
{
    const long at = position();
    bool written = false;
    if (mode_ == OpenMode::Update) {
        written = writeThroughRedoLog(file_.get(), path_, at, bytes);
    } else {
        written = std::fseek(file_.get(), at, SEEK_SET) == 0 && writeStep(file_.get(), bytes);
    }
    writeFailed_ = writeFailed_ || !written;
    // What the buffer held may be stale now; read again from behind the write.
    bufferStart_ = at + static_cast<long>(bytes.size());
    length_ = 0;
    at_ = 0;
    lastWasEnd_ = true;
    if (mode_ == OpenMode::Update) {
        indexNoteWrite(path_, *this, at, bytes.size());
        seek(at + static_cast<long>(bytes.size()));
    }
    return !writeFailed_;
}

std::string FileStream::readRest()
{
    std::string out;
    for (;;) {
        const std::string_view v = available(kBlock);
        if (v.empty())
            break;
        out.append(v);
        advance(v.size());
    }
    return out;
}

std::optional<long> FileStream::indexedTitle(std::string_view title)
{
    if (!looksLikeSectionTitle(title))
        return std::nullopt;
    const long line = indexedTitleLine(path_, *this, title);
    if (line == -2)
        return std::nullopt;
    return line;
}

bool FileStream::close()
{
    bool ok = !writeFailed_;
    if (file_)
        ok = std::fclose(file_.release()) == 0 && ok;
    return ok;
}

} // namespace ksy
