// lstrcpyn: Win32's bounded copy, which never splits a character of UTF-8.
#include <cstring>

#include "platform/kernel/utf8_cut.h"
#include "platform/win32.h"

LPSTR lstrcpyn(LPSTR destination, LPCSTR source, int maxLength) {
  if (destination == nullptr || maxLength <= 0) return nullptr;
  const auto size = static_cast<std::size_t>(maxLength);
  // Only the bytes that can be kept, and the one after them, are looked at.
  const std::size_t length = source != nullptr ? strnlen(source, size) : 0;
  platform::CopyTextCut(source, length, destination, size);
  return destination;
}
