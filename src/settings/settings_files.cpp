#include "settings/settings_files.h"

#include <cstdio>
#include <cstring>

#include "base/path_text.h"
#include "platform/win32.h"

bool SettingsFilePath(const char* name, char* path, std::size_t size) {
  char folder[MAX_PATH];
  const UINT length = GetWindowsDirectory(folder, sizeof folder);
  if (length == 0 || length >= sizeof folder) {
    if (size > 0) path[0] = '\0';
    return false;
  }
  const char separator[2] = {IsPathSeparator(folder[length - 1]) ? '\0' : kPathSeparator, '\0'};
  const int written = std::snprintf(path, size, "%s%s%s", folder, separator, name);
  if (written < 0 || static_cast<std::size_t>(written) >= size) {
    if (size > 0) path[0] = '\0';
    return false;
  }
  return true;
}
