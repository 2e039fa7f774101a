// The file calls of win32.h on POSIX files. A HANDLE is a small record that
// owns one file descriptor; every call sets the error that GetLastError gives.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/kernel/file_errors.h"
#include "platform/kernel/file_faults.h"
#include "platform/kernel/file_replace.h"
#include "platform/session/settings_folder.h"
#include "platform/win32.h"

namespace {

// Marks a record as one of ours, so that a stray handle is refused rather than used.
constexpr std::uint32_t kFileMagic = 0x46494C45;

struct FileHandle {
  std::uint32_t magic;
  int fd;
};

FileHandle* AsFile(HANDLE handle) {
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return nullptr;
  auto* file = static_cast<FileHandle*>(handle);
  return file->magic == kFileMagic ? file : nullptr;
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
  return new FileHandle{kFileMagic, fd};
}

BOOL ReadFile(HANDLE file, LPVOID buffer, DWORD toRead, LPDWORD read, void* /*overlapped*/) {
  if (read != nullptr) *read = 0;
  if (platform::InjectFileFault(platform::FileCall::ReadFile)) return FALSE;
  FileHandle* handle = AsFile(file);
  if (handle == nullptr || (buffer == nullptr && toRead > 0)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  DWORD total = 0;
  auto* bytes = static_cast<char*>(buffer);
  while (total < toRead) {
    const ssize_t got = ::read(handle->fd, bytes + total, toRead - total);
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
  FileHandle* handle = AsFile(file);
  if (handle == nullptr || (buffer == nullptr && toWrite > 0)) {
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
    const ssize_t put = ::write(handle->fd, bytes + total, limit - total);
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
  FileHandle* handle = AsFile(file);
  if (handle == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (::fsync(handle->fd) != 0 && errno != EINVAL) {
    SetErrnoError(ERROR_WRITE_FAULT);
    return FALSE;
  }
  SetLastError(ERROR_SUCCESS);
  return TRUE;
}

DWORD GetFileSize(HANDLE file, LPDWORD sizeHigh) {
  if (platform::InjectFileFault(platform::FileCall::GetFileSize)) return INVALID_FILE_SIZE;
  FileHandle* handle = AsFile(file);
  struct stat info {};
  if (handle == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return INVALID_FILE_SIZE;
  }
  if (::fstat(handle->fd, &info) != 0) {
    SetErrnoError(ERROR_READ_FAULT);
    return INVALID_FILE_SIZE;
  }
  const auto size = static_cast<std::uint64_t>(info.st_size);
  if (sizeHigh != nullptr) *sizeHigh = static_cast<DWORD>(size >> 32);
  SetLastError(ERROR_SUCCESS);
  return static_cast<DWORD>(size & 0xFFFFFFFFu);
}

BOOL CloseHandle(HANDLE handle) {
  FileHandle* file = AsFile(handle);
  if (file == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  // The descriptor is released even when a failure is injected: the failure
  // stands for a late write error that close(2) reports, not a leak.
  const bool failing = platform::InjectFileFault(platform::FileCall::CloseHandle);
  const DWORD injectedError = GetLastError();
  const int closed = ::close(file->fd);
  const int closeErrno = errno;
  file->magic = 0;
  delete file;
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
