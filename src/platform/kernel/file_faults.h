// Failure injection for the file calls, so that every failure path of the
// settings files can be tested. Tests run as root, where a folder without
// write permission is still writable; an injected failure works for anyone.
#pragma once

#include "platform/win32.h"

namespace platform {

enum class FileCall {
  CreateFile,
  ReadFile,
  WriteFile,
  FlushFileBuffers,
  GetFileSize,
  CloseHandle,
  MoveFileEx,
  DeleteFile,
};

// Makes the call fail `times` times once it has succeeded `afterSuccesses`
// more times (times 0: every call from then on). A failing WriteFile first
// writes half of what it was given, as a full disk does. The call reports
// `error` through GetLastError. One rule per call; a new one replaces it.
void FailFileCall(FileCall call, int afterSuccesses, int times, DWORD error = ERROR_WRITE_FAULT);

// Removes every rule.
void ClearFileFaults();

// How many times the call was made since the last ClearFileFaults.
int FileCallCount(FileCall call);

// For the file calls themselves: counts the call and tells whether this one
// is to fail (then GetLastError already holds the error).
bool InjectFileFault(FileCall call);

}  // namespace platform
