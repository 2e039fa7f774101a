// Calling a window's procedure, directly or as SendMessage does.
#include "platform/user/core_state.h"

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

using platform::FindWindowEntry;

LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (FindWindowEntry(hwnd) == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  return platform::CallProcedure(hwnd, msg, wParam, lParam);
}
