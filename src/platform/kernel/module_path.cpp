// GetModuleFileName: the path of the running executable.
#include <unistd.h>

#include <cstring>

#include "platform/kernel/utf8_cut.h"
#include "platform/win32.h"

DWORD GetModuleFileName(HMODULE /*module*/, LPSTR buffer, DWORD size) {
  if (buffer == nullptr || size == 0) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  char path[MAX_PATH + 1];
  const ssize_t length = ::readlink("/proc/self/exe", path, MAX_PATH);
  if (length <= 0) {
    buffer[0] = '\0';
    SetLastError(ERROR_FILE_NOT_FOUND);
    return 0;
  }
  auto n = static_cast<DWORD>(length);
  if (n < size) {
    std::memcpy(buffer, path, n);
    buffer[n] = '\0';
    SetLastError(ERROR_SUCCESS);
    return n;
  }
  // As on Windows: a path that does not fit is cut, ended with a zero, and the size is returned.
  const std::size_t cut = platform::Utf8CutLength(path, n, size - 1);
  std::memcpy(buffer, path, cut);
  std::memset(buffer + cut, 0, size - cut);
  SetLastError(ERROR_INSUFFICIENT_BUFFER);
  return size;
}
