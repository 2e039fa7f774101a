// The kernel's calls that the driver carries out: the tone, and starting a
// program (the core's plain driver hands it to the shell).
#include "platform/kernel/driver.h"

BOOL Beep(DWORD frequencyHz, DWORD durationMs) { return platform::CurrentDriver().Beep(frequencyHz, durationMs); }

UINT WinExec(LPCSTR commandLine, UINT cmdShow) {
  // WinExec answers with an error's number when nothing was started.
  if (commandLine == nullptr || *commandLine == '\0') return ERROR_FILE_NOT_FOUND;
  return platform::CurrentDriver().WinExec(commandLine, cmdShow);
}
