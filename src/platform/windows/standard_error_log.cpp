// A program started from the desktop has no standard error; what the clock
// says there (a save that failed while it ended, a profile it cannot write)
// would be lost. It goes to horatick.log in the settings folder instead; a
// log left empty when the clock ends is removed.
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

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
  const int file = _wopen(logPath.c_str(), _O_WRONLY | _O_APPEND | _O_CREAT, _S_IREAD | _S_IWRITE);
  if (file < 0) return;
  const bool placed = _dup2(file, 2) == 0;
  _close(file);
  if (!placed) return;
  // The C library gave the stream of a program started with no standard
  // error no file at all, and will not reopen it: it is given the log's.
#ifndef _UCRT
  stderr->_file = 2;
#endif
  SetStdHandle(STD_ERROR_HANDLE, reinterpret_cast<HANDLE>(_get_osfhandle(2)));
  // Each line reaches the file as it is written, so a clock that is ended
  // from outside has said what it had to.
  std::setvbuf(stderr, nullptr, _IONBF, 0);
  std::atexit(RemoveEmptyLog);
}

}  // namespace platform::windows
