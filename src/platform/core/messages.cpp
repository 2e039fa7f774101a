// Sending, posting, getting and dispatching messages.
#include "platform/core/core_state.h"
#include "platform/core/inbox.h"

namespace platform {

LRESULT CallProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const Window* window = FindWindowEntry(hwnd);
  if (window == nullptr || window->proc == nullptr) return 0;
  // The procedure is read before the call: the window may be gone after it.
  const WNDPROC proc = window->proc;
  CoreState& core = Core();
  if (core.trace) core.trace(hwnd, message, wParam, lParam);
  return proc(hwnd, message, wParam, lParam);
}

}  // namespace platform

using platform::Core;
using platform::FindWindowEntry;

LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (FindWindowEntry(hwnd) == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  return platform::CallProcedure(hwnd, msg, wParam, lParam);
}

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

BOOL GetMessage(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax) {
  if (msg == nullptr || (hwnd != nullptr && FindWindowEntry(hwnd) == nullptr)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return -1;
  }
  return platform::NextMessage(msg, hwnd, filterMin, filterMax) == platform::NextResult::Quit ? FALSE : TRUE;
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
