// An exclusive lock on a folder itself: flock on the folder's own
// descriptor, so there is no lock file anyone could plant or remove, and the
// lock holds for every clock that uses the folder, wherever its runtime
// folder is.
#pragma once

#include <string>

namespace platform {

enum class FolderLockState {
  Locked,         // ours until ReleaseFolderLock
  HeldByAnother,  // another process holds it
  NotLockable,    // the folder cannot be locked here (a network file system, no read right)
  Moved,          // the path named another folder once the lock was taken, every try
};

struct FolderLock {
  FolderLockState state = FolderLockState::NotLockable;
  int fd = -1;  // while Locked; close-on-exec, so no program the clock starts holds the lock
};

// Takes the lock without waiting, and makes sure the path still names the
// folder locked (it may have been renamed or replaced in between).
FolderLock LockFolder(const std::string& path);

// Drops the lock.
void ReleaseFolderLock(FolderLock& lock);

}  // namespace platform
