#pragma once
#include "storage/char_source.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ksy {

enum class OpenMode {
    Read, // "rb": the file must exist
    Update, // "r+b": the file must exist; read and rewrite in place
    Create, // "w+b": the file is created anew, empty
};

// A binary file read in blocks and written in place. Reads go through a
// buffer of its own, so that reading byte by byte and scanning lines cost
// block speed. In Update mode every write goes through the file's redo log
// (complete or absent after a crash) and keeps the file's index of section
// titles up to date. Opening settles first what a crash may have left in the
// redo log.
class FileStream : public CharSource {
public:
    // Nothing when the file cannot be opened in that mode.
    static std::optional<FileStream> open(const std::filesystem::path& file, OpenMode mode);

    int get() override;
    void unget() override;
    void rewind() override { seek(0); }
    std::string_view available(std::size_t atLeast) override;
    void advance(std::size_t n) override;
    long offset() override { return position(); }
    void seekTo(long offset) override { seek(offset); }
    bool failed() const override { return readFailed_; }
    std::optional<long> indexedTitle(std::string_view title) override;

    long position() { return bufferStart_ + static_cast<long>(at_); }
    void seek(long offset);
    void seekEnd();
    long size();

    // Writes the bytes at the current position, which then stands behind
    // them; false when the write failed.
    bool write(std::string_view bytes);
    // Reads everything from the current position to the end (see failed()).
    std::string readRest();
    // How far into the file reading has come so far (the scan of an index
    // included).
    long furthestRead() const { return furthestRead_; }
    const std::filesystem::path& path() const { return path_; }
    // Closes; false when a write failed.
    bool close();

private:
    struct Closer {
        void operator()(std::FILE* f) const
        {
            if (f)
                std::fclose(f);
        }
    };

    FileStream(std::FILE* f, std::filesystem::path path, OpenMode mode);
    // At least atLeast bytes at hand behind the position, unless the file
    // ends sooner.
    void fill(std::size_t atLeast);

    std::unique_ptr<std::FILE, Closer> file_;
    std::filesystem::path path_;
    OpenMode mode_;
    std::vector<char> buffer_;
    long bufferStart_ = 0; // file offset of buffer_[0]
    long furthestRead_ = 0;
    std::size_t length_ = 0; // bytes of buffer_ that hold the file
    std::size_t at_ = 0; // the position within buffer_
    bool lastWasEnd_ = true;
    bool readFailed_ = false;
    bool writeFailed_ = false;
};

} // namespace ksy
