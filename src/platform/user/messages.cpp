// Posting and dispatching messages.
#include "platform/user/core_state.h"
#include "platform/user/inbox.h"

using platform::Core;
using platform::FindWindowEntry;

BOOL PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (hwnd != nullptr && FindWindowEntry(hwnd) == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  Core().posted.push_back(MSG{hwnd, msg, wParam, lParam, 0, {0, 0}});
  return TRUE;
}

void PostQuitMessage(int exitCode) {
  Core().quitPending = true;
  Core().quitCode = exitCode;
}

// Characters reach edits as WM_CHAR straight from the input, so there is
// nothing to translate.
BOOL TranslateMessage(const MSG*) { return FALSE; }

LRESULT DispatchMessage(const MSG* msg) {
  if (msg == nullptr) return 0;
  if (msg->message == platform::kCoreInputMessage && msg->hwnd == nullptr) {
    platform::HandleInputMessage(msg->wParam);
    return 0;
  }
  // A timer procedure is called only when it is the one set for that timer:
  // a WM_TIMER posted with any other lParam must not become a call to it.
  if (msg->message == WM_TIMER && msg->lParam != 0) {
    for (const platform::TimerEntry& timer : Core().timers) {
      if (timer.hwnd == msg->hwnd && timer.id == msg->wParam &&
          reinterpret_cast<LPARAM>(timer.proc) == msg->lParam) {
        const TIMERPROC proc = timer.proc;
        proc(msg->hwnd, WM_TIMER, msg->wParam, GetTickCount());
        return 0;
      }
    }
    return 0;
  }
  if (msg->hwnd == nullptr) return 0;
  return platform::CallProcedure(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}
