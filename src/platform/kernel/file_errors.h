// The Win32 error codes that the file calls report, from errno values.
#pragma once

#include "platform/win32.h"

namespace platform {

// The Win32 code for an errno value; fallback when errno says nothing closer.
DWORD Win32ErrorFromErrno(int errnoValue, DWORD fallback);

}  // namespace platform
