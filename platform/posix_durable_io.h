#pragma once
#include "storage/durable_io.h"

namespace ksy {

// Flushes to the disk with the system's own calls (data of a file, entries
// of a folder).
class PosixDurableIo : public DurableIo {
public:
    bool syncFile(const std::filesystem::path& file) override;
    bool syncFolder(const std::filesystem::path& folder) override;
};

} // namespace ksy
