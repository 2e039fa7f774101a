#include "settings/error_text.h"

#include <cerrno>
#include <cstring>

#include "platform/win32.h"

std::string LastErrorText() {
  const DWORD error = GetLastError();
  int errnoValue = 0;
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND: errnoValue = ENOENT; break;
    case ERROR_ACCESS_DENIED: errnoValue = EACCES; break;
    case ERROR_INVALID_HANDLE: errnoValue = EBADF; break;
    case ERROR_NOT_ENOUGH_MEMORY: errnoValue = ENOMEM; break;
    case ERROR_READ_FAULT:
    case ERROR_WRITE_FAULT: errnoValue = EIO; break;
    case ERROR_DIRECTORY_NOT_SUPPORTED: errnoValue = EISDIR; break;
    case ERROR_DISK_FULL: errnoValue = ENOSPC; break;
    case ERROR_DISK_QUOTA_EXCEEDED: errnoValue = EDQUOT; break;
    case ERROR_FILE_TOO_LARGE: errnoValue = EFBIG; break;
    case ERROR_BAD_FILE_TYPE: return "not a regular file";
    default: break;
  }
  if (errnoValue != 0) return std::strerror(errnoValue);
  return "error " + std::to_string(error);
}
