// The folder separators of the system's paths. Windows takes '\' and '/'
// between folders and writes '\'; elsewhere only '/' separates, and '\' is a
// character of a name like any other.
#pragma once

#include <cstring>

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
inline constexpr bool IsPathSeparator(char c) { return c == '\\' || c == '/'; }
#else
inline constexpr char kPathSeparator = '/';
inline constexpr bool IsPathSeparator(char c) { return c == '/'; }
#endif

// The last separator in path; nullptr when it names no folder.
inline const char* LastPathSeparator(const char* path) {
  const char* last = nullptr;
  for (const char* p = path; *p != '\0'; ++p) {
    if (IsPathSeparator(*p)) last = p;
  }
  return last;
}
