#include "platform/session/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace platform {
namespace {

// A folder renamed and replaced between open and lock is tried again; one
// that keeps changing under the clock is given up on.
constexpr int kTries = 3;

bool SameFolder(int fd, const std::string& path) {
  struct stat held {};
  struct stat named {};
  return ::fstat(fd, &held) == 0 && ::stat(path.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
         held.st_ino == named.st_ino;
}

}  // namespace

FolderLock LockFolder(const std::string& path) {
  for (int attempt = 0; attempt < kTries; ++attempt) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return {};
    int locked;
    do {
      locked = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    if (locked != 0) {
      const int error = errno;
      ::close(fd);
      // Every other failure (EOPNOTSUPP, ENOLCK, EBADF from a network file
      // system that turns flock into a record lock) means no lock here.
      return {error == EWOULDBLOCK ? FolderLockState::HeldByAnother : FolderLockState::NotLockable, -1};
    }
    if (SameFolder(fd, path)) return {FolderLockState::Locked, fd};
    ::close(fd);
  }
  return {FolderLockState::Moved, -1};
}

void ReleaseFolderLock(FolderLock& lock) {
  if (lock.fd >= 0) ::close(lock.fd);
  lock = {};
}

}  // namespace platform
