#include "platform/folder_lock.h"

#include "services/translate.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ksy {
namespace {

// The system's reason, for the official.
std::string frenchReason(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return translate("FolderLock", "accès refusé");
    case EROFS:
        return translate("FolderLock", "le dossier est en lecture seule");
    case ENOSPC:
    case EDQUOT:
        return translate("FolderLock", "le disque est plein");
    case EISDIR:
        return translate("FolderLock", "un dossier porte le nom du fichier de verrou");
    case ENOENT:
    case ENOTDIR:
        return translate("FolderLock", "le dossier de travail n'existe pas");
    case ELOOP:
        return translate("FolderLock", "le fichier de verrou est un lien");
    default:
        return fillText(translate("FolderLock", "erreur système %1"), {std::to_string(error)});
    }
}

long readPid(int fd)
{
    char buffer[32] = {};
    const ssize_t n = pread(fd, buffer, sizeof buffer - 1, 0);
    return n > 0 ? std::strtol(buffer, nullptr, 10) : 0;
}

// Whether the open file is still the one the path names: an owner that ends
// removes its file, and a lock taken on the removed file would protect nothing.
bool stillNamed(int fd, const std::filesystem::path& file)
{
    struct stat opened { };
    struct stat named { };
    return fstat(fd, &opened) == 0 && stat(file.c_str(), &named) == 0 &&
        opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

} // namespace

std::unique_ptr<FolderLock> FolderLock::acquire(const std::filesystem::path& folder)
{
    std::unique_ptr<FolderLock> lock(new FolderLock);
    lock->file_ = folder / kFolderLockFile;
    for (int attempt = 0; attempt < 10; ++attempt) {
        // Close-on-exec: a child (the demo's decoder) must not keep the lock.
        const int fd = open(lock->file_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
        if (fd < 0) {
            lock->failure_ = frenchReason(errno);
            return lock;
        }
        if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            if (error == EWOULDBLOCK) {
                lock->status_ = Status::HeldByOther;
                lock->ownerPid_ = readPid(fd);
            } else {
                lock->failure_ = frenchReason(error);
            }
            close(fd);
            return lock;
        }
        if (!stillNamed(fd, lock->file_)) {
            close(fd);
            continue;
        }
        const std::string pid = std::to_string(static_cast<long>(getpid())) + "\n";
        if (ftruncate(fd, 0) != 0 ||
            pwrite(fd, pid.data(), pid.size(), 0) != static_cast<ssize_t>(pid.size())) {
            lock->failure_ = frenchReason(errno);
            unlink(lock->file_.c_str());
            close(fd);
            return lock;
        }
        lock->fd_ = fd;
        lock->status_ = Status::Locked;
        return lock;
    }
    lock->failure_ = translate("FolderLock", "verrou instable");
    return lock;
}

FolderLock::~FolderLock()
{
    if (fd_ < 0)
        return;
    // Removed while still locked, so that no other program locks it meanwhile.
    unlink(file_.c_str());
    close(fd_);
}

} // namespace ksy
