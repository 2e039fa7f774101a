// GetEnvironmentVariable: the clock's own environment, as the programs it
// starts inherit it; GetCurrentProcessId.
#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "platform/win32.h"

DWORD GetEnvironmentVariable(LPCSTR name, LPSTR buffer, DWORD size) {
  const char* value = name != nullptr && *name != '\0' ? std::getenv(name) : nullptr;
  if (value == nullptr) {
    SetLastError(ERROR_ENVVAR_NOT_FOUND);
    return 0;
  }
  const std::size_t length = std::strlen(value);
  if (buffer == nullptr || length >= size) return static_cast<DWORD>(length + 1);
  std::memcpy(buffer, value, length + 1);
  SetLastError(ERROR_SUCCESS);
  return static_cast<DWORD>(length);
}

DWORD GetCurrentProcessId() { return static_cast<DWORD>(::getpid()); }
