#pragma once
// One program per working folder: a lock file in the folder holds the process
// id of the program that works there. The lock is an advisory lock on that
// file, so the system releases it when the program ends in any way: a lock
// file left by a crashed run is recognised as stale and taken over.
#include <filesystem>
#include <memory>
#include <string>

namespace ksy {

inline constexpr const char* kFolderLockFile = "Kestrametrix.verrou";

class FolderLock {
public:
    enum class Status {
        Locked, // this program now owns the folder
        HeldByOther, // another running program owns it
        Failed, // the lock file could not be created or locked
    };

    // Takes the lock of `folder` (which must exist). The lock is released
    // and its file removed when the object goes.
    static std::unique_ptr<FolderLock> acquire(const std::filesystem::path& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    Status status() const { return status_; }
    // The process id written by the owner (HeldByOther), when readable.
    long ownerPid() const { return ownerPid_; }
    // Why the lock failed, in French.
    const std::string& failure() const { return failure_; }
    const std::filesystem::path& file() const { return file_; }

private:
    FolderLock() = default;

    Status status_ = Status::Failed;
    int fd_ = -1;
    long ownerPid_ = 0;
    std::string failure_;
    std::filesystem::path file_;
};

} // namespace ksy
