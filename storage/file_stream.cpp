#include "storage/file_stream.h"

namespace ksy {

std::optional<FileStream> FileStream::open(const std::filesystem::path& file, OpenMode mode)
{
    const char* how = mode == OpenMode::Read ? "rb" : mode == OpenMode::Update ? "r+b" : "w+b";
#ifdef _WIN32
    const wchar_t* whow = mode == OpenMode::Read ? L"rb"
        : mode == OpenMode::Update               ? L"r+b"
                                                 : L"w+b";
    (void)how;
    std::FILE* f = _wfopen(file.c_str(), whow);
#else
    std::FILE* f = std::fopen(file.c_str(), how);
#endif
    if (!f)
        return std::nullopt;
    return FileStream(f);
}

// stdio requires a positioning call between a read and a write on an update
// stream; a seek to the current position is the neutral one.
void FileStream::prepare(LastOp next)
{
    if (last_ != LastOp::None && last_ != next)
        std::fseek(file_.get(), 0, SEEK_CUR);
    last_ = next;
}

int FileStream::get()
{
    prepare(LastOp::Read);
    const int c = std::fgetc(file_.get());
    lastWasEnd_ = c == EOF;
    return lastWasEnd_ ? kEnd : c;
}

void FileStream::unget()
{
    if (!lastWasEnd_)
        std::fseek(file_.get(), -1, SEEK_CUR);
    lastWasEnd_ = true;
    last_ = LastOp::None;
}

long FileStream::position()
{
    return std::ftell(file_.get());
}

void FileStream::seek(long offset)
{
    std::fseek(file_.get(), offset, SEEK_SET);
    last_ = LastOp::None;
    lastWasEnd_ = true;
}

void FileStream::seekEnd()
{
    std::fseek(file_.get(), 0, SEEK_END);
    last_ = LastOp::None;
    lastWasEnd_ = true;
}

long FileStream::size()
{
    const long here = position();
    seekEnd();
    const long end = position();
    seek(here);
    return end;
}

bool FileStream::write(std::string_view bytes)
{
    prepare(LastOp::Write);
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_.get()) != bytes.size())
        writeFailed_ = true;
    return !writeFailed_;
}

std::string FileStream::readRest()
{
    prepare(LastOp::Read);
    std::string out;
    char buffer[8192];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file_.get())) > 0)
        out.append(buffer, n);
    lastWasEnd_ = true;
    return out;
}

bool FileStream::close()
{
    bool ok = !writeFailed_;
    if (file_) {
        ok = std::fclose(file_.release()) == 0 && ok;
    }
    return ok;
}

} // namespace ksy
