// A program started from the desktop has no standard error; what the clock
// says there (a save that failed while it ended, a profile it cannot write)
// would be lost. It goes to horatick.log in the settings folder instead; a
// log left empty when the clock ends is removed.
#include <cstdio>
#include <cstdlib>

#include "platform/windows/windows_platform.h"

namespace platform::windows {

namespace {

std::wstring logPath;

bool HasStandardError() {
  HANDLE handle = GetStdHandle(STD_ERROR_HANDLE);
  return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

void RemoveEmptyLog() {
  std::fflush(stderr);
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (GetFileAttributesExW(logPath.c_str(), GetFileExInfoStandard, &data) && data.nFileSizeLow == 0 &&
      data.nFileSizeHigh == 0) {
    std::fclose(stderr);
    DeleteFileW(logPath.c_str());
  }
}

}  // namespace

void SendStandardErrorToLog() {
  if (HasStandardError()) return;
  logPath = Wide(SettingsFolder() + "\\horatick.log");
  if (_wfreopen(logPath.c_str(), L"a", stderr) == nullptr) return;
  // Each line reaches the file as it is written, so a clock that is ended
  // from outside has said what it had to.
  std::setvbuf(stderr, nullptr, _IONBF, 0);
  std::atexit(RemoveEmptyLog);
}

}  // namespace platform::windows
