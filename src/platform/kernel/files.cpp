// The file calls of win32.h on POSIX files. A HANDLE names a slot of the
// table of open files, which holds its file descriptor; every call sets the
// error that GetLastError gives.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

#include "platform/kernel/file_errors.h"
#include "platform/kernel/file_faults.h"
#include "platform/kernel/file_replace.h"
#include "platform/session/settings_folder.h"
#include "platform/win32.h"

namespace {

// Handles are spaced by four from a base of their own, like those of windows
// and menus, so a small number or another kind of handle never names a file.
constexpr std::uintptr_t kFileHandleBase = 0x100000;
constexpr std::uintptr_t kFileHandleStep = 4;
constexpr int kClosed = -1;

// The descriptor of each file by its handle. A handle is never given out
// again: a closed file leaves its slot marked closed, so a handle used after
// CloseHandle is refused rather than reaching a file opened since. Files are
// opened on more than one thread, so the table is guarded by a lock. Open
// files belong to the process, not to the windows of the core: starting the
// core afresh (ResetCore) leaves them open.
std::mutex filesMutex;
std::vector<int> openFiles;

HANDLE AddFile(int fd) {
  const std::lock_guard<std::mutex> lock(filesMutex);
  openFiles.push_back(fd);
  return reinterpret_cast<HANDLE>(kFileHandleBase + (openFiles.size() - 1) * kFileHandleStep);
}

// The slot a handle names, or nullptr for a handle never given out.
int* FileSlot(HANDLE handle) {
  const auto value = reinterpret_cast<std::uintptr_t>(handle);
  if (value < kFileHandleBase || (value - kFileHandleBase) % kFileHandleStep != 0) return nullptr;
  const std::size_t index = (value - kFileHandleBase) / kFileHandleStep;
  return index < openFiles.size() ? &openFiles[index] : nullptr;
}

// The descriptor of an open file's handle; kClosed (with ERROR_INVALID_HANDLE
// set) for any other handle.
int DescriptorOf(HANDLE handle) {
  const std::lock_guard<std::mutex> lock(filesMutex);
  const int* slot = FileSlot(handle);
  const int fd = slot != nullptr ? *slot : kClosed;
  if (fd == kClosed) SetLastError(ERROR_INVALID_HANDLE);
  return fd;
}

// Takes the descriptor out of the table, so the handle names no file from now on.
int TakeDescriptor(HANDLE handle) {
  const std::lock_guard<std::mutex> lock(filesMutex);
  int* slot = FileSlot(handle);
  const int fd = slot != nullptr ? *slot : kClosed;
  if (slot != nullptr) *slot = kClosed;
  if (fd == kClosed) SetLastError(ERROR_INVALID_HANDLE);
  return fd;
}

// In read-only mode (the views of the command line) nothing on disk may change.
bool RefusedWhileReadOnly() {
  if (!platform::SettingsReadOnly()) return false;
  SetLastError(ERROR_ACCESS_DENIED);
  return true;
}

void SetErrnoError(DWORD fallback) { SetLastError(platform::Win32ErrorFromErrno(errno, fallback)); }

// The folder part of a path: what rename(2) changed and fsync must reach.
std::string FolderOf(const char* path) {
  const char* slash = std::strrchr(path, '/');
  if (slash == nullptr) return ".";
  if (slash == path) return "/";
  return std::string(path, static_cast<std::size_t>(slash - path));
}

bool FolderExists(const char* path) {
  struct stat info {};
  return ::stat(FolderOf(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// The folder entry of a rename is only durable once the folder itself is synced.
bool SyncFolderOf(const char* path) {
  const int fd = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = ::fsync(fd) == 0 || errno == EINVAL;
  ::close(fd);
  return synced;
}

}  // namespace

namespace platform {

DWORD Win32ErrorFromErrno(int errnoValue, DWORD fallback) {
  switch (errnoValue) {
    case 0:
      return fallback;
    case ENOENT:
      return ERROR_FILE_NOT_FOUND;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
      return ERROR_PATH_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
      return ERROR_ACCESS_DENIED;
    case EISDIR:
      return ERROR_DIRECTORY_NOT_SUPPORTED;
    case ENXIO:  // a pipe nobody reads, or a device that is not there
      return ERROR_BAD_FILE_TYPE;
    case EEXIST:
      return ERROR_ALREADY_EXISTS;
    case EBADF:
      return ERROR_INVALID_HANDLE;
    case ENOMEM:
      return ERROR_NOT_ENOUGH_MEMORY;
    case ENOSPC:
      return ERROR_DISK_FULL;
    case EDQUOT:
      return ERROR_DISK_QUOTA_EXCEEDED;
    case EFBIG:
      return ERROR_FILE_TOO_LARGE;
    default:
      return fallback;
  }
}

}  // namespace platform

HANDLE CreateFile(LPCSTR fileName, DWORD access, DWORD /*shareMode*/, void* /*security*/, DWORD creation,
                  DWORD /*flags*/, HANDLE /*templateFile*/) {
  if (platform::InjectFileFault(platform::FileCall::CreateFile)) return INVALID_HANDLE_VALUE;
  if (fileName == nullptr || *fileName == '\0') {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  if ((creation != OPEN_EXISTING || (access & GENERIC_WRITE) != 0) && RefusedWhileReadOnly()) {
    return INVALID_HANDLE_VALUE;
  }
  // Never waited on: a FIFO or a device in the settings folder must not hang
  // the clock, and only a regular file is a settings file.
  int openFlags = O_CLOEXEC | O_NONBLOCK;
  const bool reading = (access & GENERIC_READ) != 0;
  const bool writing = (access & GENERIC_WRITE) != 0;
  openFlags |= reading && writing ? O_RDWR : writing ? O_WRONLY : O_RDONLY;

  struct stat before {};
  const bool existed = ::stat(fileName, &before) == 0;
  switch (creation) {
    case CREATE_NEW:
      // A new file is a new file: a link planted under its name is not followed.
      openFlags |= O_CREAT | O_EXCL | O_NOFOLLOW;
      break;
    case CREATE_ALWAYS:
      openFlags |= O_CREAT | O_TRUNC;
      break;
    case OPEN_EXISTING:
      break;
    case OPEN_ALWAYS:
      openFlags |= O_CREAT;
      break;
    case TRUNCATE_EXISTING:
      openFlags |= O_TRUNC;
      break;
    default:
      SetLastError(ERROR_ACCESS_DENIED);
      return INVALID_HANDLE_VALUE;
  }
  if ((openFlags & O_TRUNC) != 0 && !writing) {
    SetLastError(ERROR_ACCESS_DENIED);
    return INVALID_HANDLE_VALUE;
  }
  const int fd = ::open(fileName, openFlags, 0666);
  if (fd < 0) {
    // As on Windows, a missing folder is told apart from a missing file.
    const bool folderMissing = errno == ENOENT && !FolderExists(fileName);
    SetLastError(folderMissing ? ERROR_PATH_NOT_FOUND : platform::Win32ErrorFromErrno(errno, ERROR_ACCESS_DENIED));
    return INVALID_HANDLE_VALUE;
  }
  struct stat opened {};
  const bool examined = ::fstat(fd, &opened) == 0;
  if (!examined || !S_ISREG(opened.st_mode)) {
    // Said as what it is: a folder or a pipe in a file's place is not a
    // question of permissions, and the user is told the reason.
    const DWORD error = !examined                 ? platform::Win32ErrorFromErrno(errno, ERROR_ACCESS_DENIED)
                        : S_ISDIR(opened.st_mode) ? ERROR_DIRECTORY_NOT_SUPPORTED
                                                  : ERROR_BAD_FILE_TYPE;
    ::close(fd);
    SetLastError(error);
    return INVALID_HANDLE_VALUE;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  // As on Windows, opening with CREATE_ALWAYS or OPEN_ALWAYS tells whether the file was there.
  const bool reportsExisting = creation == CREATE_ALWAYS || creation == OPEN_ALWAYS;
  SetLastError(reportsExisting && existed ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
  return AddFile(fd);
}

BOOL ReadFile(HANDLE file, LPVOID buffer, DWORD toRead, LPDWORD read, void* /*overlapped*/) {
  if (read != nullptr) *read = 0;
  if (platform::InjectFileFault(platform::FileCall::ReadFile)) return FALSE;
  const int fd = DescriptorOf(file);
  if (fd == kClosed) return FALSE;
  if (buffer == nullptr && toRead > 0) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  DWORD total = 0;
  auto* bytes = static_cast<char*>(buffer);
  while (total < toRead) {
    const ssize_t got = ::read(fd, bytes + total, toRead - total);
    if (got < 0) {
      if (errno == EINTR) continue;
      if (read != nullptr) *read = total;
      SetErrnoError(ERROR_READ_FAULT);
      return FALSE;
    }
    if (got == 0) break;  // the end of the file: a short read is a success, as on Windows
    total += static_cast<DWORD>(got);
  }
  if (read != nullptr) *read = total;
  SetLastError(ERROR_SUCCESS);
  return TRUE;
}

BOOL WriteFile(HANDLE file, LPCVOID buffer, DWORD toWrite, LPDWORD written, void* /*overlapped*/) {
  if (written != nullptr) *written = 0;
  const int fd = DescriptorOf(file);
  if (fd == kClosed) return FALSE;
  if (buffer == nullptr && toWrite > 0) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  const auto* bytes = static_cast<const char*>(buffer);
  DWORD limit = toWrite;
  const bool failing = platform::InjectFileFault(platform::FileCall::WriteFile);
  const DWORD injectedError = GetLastError();
  if (failing) limit = toWrite / 2;  // a disk that fills up part of the way through
  DWORD total = 0;
  while (total < limit) {
    const ssize_t put = ::write(fd, bytes + total, limit - total);
    if (put < 0) {
      if (errno == EINTR) continue;
      if (written != nullptr) *written = total;
      SetErrnoError(ERROR_WRITE_FAULT);
      return FALSE;
    }
    total += static_cast<DWORD>(put);
  }
  if (written != nullptr) *written = total;
  if (failing) {
    SetLastError(injectedError);
    return FALSE;
  }
  SetLastError(ERROR_SUCCESS);
  return TRUE;
}

BOOL FlushFileBuffers(HANDLE file) {
  if (platform::InjectFileFault(platform::FileCall::FlushFileBuffers)) return FALSE;
  const int fd = DescriptorOf(file);
  if (fd == kClosed) return FALSE;
  if (::fsync(fd) != 0 && errno != EINVAL) {
    SetErrnoError(ERROR_WRITE_FAULT);
    return FALSE;
  }
  SetLastError(ERROR_SUCCESS);
  return TRUE;
}

DWORD GetFileSize(HANDLE file, LPDWORD sizeHigh) {
  if (platform::InjectFileFault(platform::FileCall::GetFileSize)) return INVALID_FILE_SIZE;
  const int fd = DescriptorOf(file);
  if (fd == kClosed) return INVALID_FILE_SIZE;
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    SetErrnoError(ERROR_READ_FAULT);
    return INVALID_FILE_SIZE;
  }
  const auto size = static_cast<std::uint64_t>(info.st_size);
  if (sizeHigh != nullptr) *sizeHigh = static_cast<DWORD>(size >> 32);
  SetLastError(ERROR_SUCCESS);
  return static_cast<DWORD>(size & 0xFFFFFFFFu);
}

BOOL CloseHandle(HANDLE handle) {
  const int fd = TakeDescriptor(handle);
  if (fd == kClosed) return FALSE;
  // The descriptor is released even when a failure is injected: the failure
  // stands for a late write error that close(2) reports, not a leak.
  const bool failing = platform::InjectFileFault(platform::FileCall::CloseHandle);
  const DWORD injectedError = GetLastError();
  const int closed = ::close(fd);
  const int closeErrno = errno;
  if (failing) {
    SetLastError(injectedError);
    return FALSE;
  }
  if (closed != 0 && closeErrno != EINTR) {
    SetLastError(platform::Win32ErrorFromErrno(closeErrno, ERROR_WRITE_FAULT));
    return FALSE;
  }
  SetLastError(ERROR_SUCCESS);
  return TRUE;
}

BOOL MoveFileEx(LPCSTR existing, LPCSTR newName, DWORD flags) {
  if (platform::InjectFileFault(platform::FileCall::MoveFileEx)) return FALSE;
  if (existing == nullptr || newName == nullptr || *existing == '\0' || *newName == '\0') {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return FALSE;
  }
  if (RefusedWhileReadOnly()) return FALSE;
  // A settings file that is the user's own link is replaced at its target.
  std::string target = newName;
  if ((flags & MOVEFILE_REPLACE_EXISTING) != 0) {
    target = platform::WriteTargetOf(newName);
    // The replacement takes over the permissions of the file it replaces, so
    // that a settings file the user made private stays private.
    platform::TakeOverMode(existing, target);
    if (!platform::RenameOver(existing, target)) {
      SetErrnoError(ERROR_ACCESS_DENIED);
      return FALSE;
    }
    platform::RemoveStaleTemporaries(newName);
    if (target != newName) platform::RemoveStaleTemporaries(target);
  } else {
    if (::renameat2(AT_FDCWD, existing, AT_FDCWD, newName, RENAME_NOREPLACE) != 0) {
      SetErrnoError(ERROR_ACCESS_DENIED);
      return FALSE;
    }
  }
  if ((flags & MOVEFILE_WRITE_THROUGH) != 0 && !SyncFolderOf(target.c_str())) {
    SetErrnoError(ERROR_WRITE_FAULT);
    return FALSE;
  }
  SetLastError(ERROR_SUCCESS);
  return TRUE;
}

BOOL DeleteFile(LPCSTR fileName) {
  if (platform::InjectFileFault(platform::FileCall::DeleteFile)) return FALSE;
  if (fileName == nullptr || *fileName == '\0') {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return FALSE;
  }
  if (RefusedWhileReadOnly()) return FALSE;
  struct stat info {};
  if (::lstat(fileName, &info) == 0 && S_ISDIR(info.st_mode)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  if (::unlink(fileName) != 0) {
    SetErrnoError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  SetLastError(ERROR_SUCCESS);
  return TRUE;
}
