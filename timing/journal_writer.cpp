#include "timing/journal_writer.h"

namespace ksy {

PlainJournalWriter::~PlainJournalWriter()
{
    finish();
}

bool PlainJournalWriter::begin(const std::filesystem::path& file, bool append)
{
    finish();
    failed_ = false;
    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    file_ = std::fopen(file.string().c_str(), append ? "ab" : "wb");
    failed_ = file_ == nullptr;
    return file_ != nullptr;
}

void PlainJournalWriter::append(std::string record)
{
    if (!file_) {
        failed_ = true;
        return;
    }
    if (std::fwrite(record.data(), 1, record.size(), file_) != record.size() ||
        std::fflush(file_) != 0)
        failed_ = true;
}

void PlainJournalWriter::finish()
{
    if (file_)
        std::fclose(file_);
    file_ = nullptr;
}

} // namespace ksy
