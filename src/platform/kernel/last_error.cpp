// The error code of the calling thread's last failed call, as every part of
// the layer reports it.
#include "platform/win32.h"

namespace {

thread_local DWORD lastError = ERROR_SUCCESS;

}  // namespace

DWORD GetLastError() { return lastError; }

void SetLastError(DWORD error) { lastError = error; }
