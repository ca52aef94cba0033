#pragma once
#include "storage/char_source.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace ksy {

enum class OpenMode {
    Read, // "rb": the file must exist
    Update, // "r+b": the file must exist; read and rewrite in place
    Create, // "w+b": the file is created anew, empty
};

// A binary stdio stream that is read character by character and written in
// place. Switching between reading and writing is handled here (stdio needs a
// seek in between), so callers simply read, seek and write.
class FileStream : public CharSource {
public:
    // Nothing when the file cannot be opened in that mode.
    static std::optional<FileStream> open(const std::filesystem::path& file, OpenMode mode);

    int get() override;
    void unget() override;
    void rewind() override { seek(0); }

    long position();
    void seek(long offset);
    void seekEnd();
    long size();

    // Writes the bytes at the current position; false when the write failed.
    bool write(std::string_view bytes);
    // Reads everything from the current position to the end.
    std::string readRest();
    // Flushes and closes; false when buffered data could not be written.
    bool close();

private:
    struct Closer {
        void operator()(std::FILE* f) const
        {
            if (f)
                std::fclose(f);
        }
    };
    enum class LastOp { None, Read, Write };

    explicit FileStream(std::FILE* f)
        : file_(f)
    {
    }
    void prepare(LastOp next);

    std::unique_ptr<std::FILE, Closer> file_;
    LastOp last_ = LastOp::None;
    bool lastWasEnd_ = true;
    bool writeFailed_ = false;
};

} // namespace ksy
